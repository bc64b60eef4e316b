#include "page/CellRules.h"

#include <gtest/gtest.h>

namespace waybill {
namespace {

CellDecision Decide(std::string_view cadBase, int row, int column, std::string_view header,
                    std::string_view shipLength = "") {
    return DecideCellEdit(cadBase, {row, column, header, shipLength});
}

CellAction Action(std::string_view cadBase, int row, int column,
                  std::string_view header = "PART NUMBER", std::string_view shipLength = "") {
    return Decide(cadBase, row, column, header, shipLength).action;
}

TEST(CellRules, PageKindsAndTheirRangeEnds) {
    EXPECT_EQ(PageKindOf("bu_steel"), PageKind::Steel);
    EXPECT_EQ(PageKindOf("HR_STEEL"), PageKind::Steel);
    EXPECT_EQ(PageKindOf("cable01"), PageKind::Cable);
    EXPECT_EQ(PageKindOf("cable04"), PageKind::Cable);
    EXPECT_EQ(PageKindOf("cable0"), PageKind::Other);
    EXPECT_EQ(PageKindOf("cable041"), PageKind::Other);
    EXPECT_EQ(PageKindOf("clp02_1"), PageKind::Clip1);
    EXPECT_EQ(PageKindOf("clp02_2"), PageKind::Clip2);
    EXPECT_EQ(PageKindOf("clp02_3"), PageKind::Other);
    EXPECT_EQ(PageKindOf("ten"), PageKind::Tensile);
    EXPECT_EQ(PageKindOf("tenzzzzz"), PageKind::Tensile);
    EXPECT_EQ(PageKindOf("tenzzzzza"), PageKind::Other);
    EXPECT_EQ(PageKindOf("sht"), PageKind::Sheet);
    EXPECT_EQ(PageKindOf("ShtAS24r"), PageKind::Sheet);
    EXPECT_EQ(PageKindOf("zee00"), PageKind::Member);
    EXPECT_EQ(PageKindOf("eav00"), PageKind::Member);
    EXPECT_EQ(PageKindOf(""), PageKind::Other);
    EXPECT_EQ(PageKindOf("std"), PageKind::Other);
}

TEST(CellRules, HeaderPrefix) {
    EXPECT_EQ(ColumnHeaderPrefix("PART MARK"), "part");
    EXPECT_EQ(ColumnHeaderPrefix("LP"), "lp");
    EXPECT_EQ(ColumnHeaderPrefix(""), "");
}

TEST(CellRules, ColumnsWithoutRuledPrefixAreEditedEverywhereButOnCables) {
    for (const char* base : {"bu_steel", "clp02_1", "clp02_2", "teng", "shtap", "zee00"}) {
        EXPECT_EQ(Action(base, 1, 5, "QTY"), CellAction::Edit) << base;
    }
    // On cable pages even a QTY column follows the column rules.
    EXPECT_EQ(Action("cable02", 1, 5, "QTY"), CellAction::Refuse);
}

TEST(CellRules, SheetPageFinishMessage) {
    const CellDecision d = Decide("shtsg16", 4, 5, "PART NUMBER");
    EXPECT_EQ(d.action, CellAction::FinishMessage);
    ASSERT_TRUE(d.message);
    EXPECT_EQ(d.message->caption, "Note");
    EXPECT_EQ(d.message->icon, MessageIcon::None);
    EXPECT_EQ(d.message->text, "You can only change the finish in this waybill\r\n"
                               "using the Finish text box.");
    EXPECT_EQ(Action("shtsg16", 4, 1, "PART MARK"), CellAction::Edit);
}

TEST(CellRules, CablePage) {
    const CellDecision a = Decide("cable03", 2, 4, "CAB.xCUTLEN.");
    EXPECT_EQ(a.action, CellAction::Redirect);
    EXPECT_EQ(a.redirectColumn, 3);
    EXPECT_EQ(a.message, ShipLengthOnlyMessage());
    EXPECT_EQ(a.message->text, "You can only change this column by changing the\r\n"
                               "shipping length under the SHIP. LEN. column.");
    EXPECT_EQ(Action("cable03", 2, 8, "COMP. ID"), CellAction::Redirect);
    EXPECT_EQ(Action("cable03", 2, 5, "CABLE DIA."), CellAction::Refuse);
    EXPECT_EQ(Action("cable03", 2, 6, "EYE BOLT"), CellAction::Refuse);

    // Column 7 needs a shipping length first; blanks do not count as one.
    const CellDecision b = Decide("cable01", 3, 7, "FINISH", "   ");
    EXPECT_EQ(b.action, CellAction::Redirect);
    EXPECT_EQ(b.redirectColumn, 3);
    EXPECT_EQ(b.message->text, "You must enter in the shipping length for this item first.");
    const CellDecision words = Decide("cable01", 3, 7, "FINISH", "10'-0");
    EXPECT_EQ(words.action, CellAction::HandOver);
    EXPECT_EQ(words.handOver, CellHandOver::CableFinishWords);

    EXPECT_EQ(Action("cable01", 3, 3, "SHIP. LEN."), CellAction::Edit);
    EXPECT_EQ(Action("cable01", 3, 0, "LOCATION"), CellAction::Edit);
}

TEST(CellRules, ClipPages) {
    EXPECT_EQ(Decide("clp02_1", 1, 1, "MARK").handOver, CellHandOver::ClipCell);
    EXPECT_EQ(Decide("clp02_1", 1, 5, "PART NUMBER").handOver, CellHandOver::ClipCell);
    EXPECT_EQ(Action("clp02_1", 1, 2, "DESCRIPTION"), CellAction::Nothing);
    EXPECT_EQ(Action("clp02_1", 1, 0, "COMP. ID"), CellAction::Nothing);
    for (int row : {9, 16, 17, 20, 22, 25}) {
        EXPECT_EQ(Action("clp02_1", row, 4, "DESC. (SPECIAL)"), CellAction::Edit) << row;
    }
    for (int row : {1, 8, 10, 18, 21, 24}) {
        EXPECT_EQ(Action("clp02_1", row, 4, "DESC. (SPECIAL)"), CellAction::Refuse) << row;
    }
    EXPECT_EQ(Action("clp02_2", 1, 5), CellAction::HandOver);
    EXPECT_EQ(Action("clp02_2", 9, 4, "DESC. (SPECIAL)"), CellAction::Refuse);
}

TEST(CellRules, TensilePages) {
    EXPECT_EQ(Action("tenza", 1, 6, "PART NUMBER"), CellAction::FinishMessage);
    EXPECT_EQ(Decide("tenza", 1, 5, "DESCRIPTION").handOver, CellHandOver::PunchPattern);
    EXPECT_EQ(Action("tene", 1, 5, "DESCRIPTION"), CellAction::Refuse);
    EXPECT_EQ(Action("tenza", 2, 5, "DESCRIPTION"), CellAction::Refuse);
    EXPECT_EQ(Action("tenza", 3, 5, "DESCRIPTION"), CellAction::Edit);
    // Girt pages: rows 3-13 and 16-25 only.
    for (int row : {3, 13, 16, 25}) {
        EXPECT_EQ(Action("teng", row, 5, "DESCRIPTION"), CellAction::Edit) << row;
    }
    for (int row : {1, 2, 14, 15, 26}) {
        EXPECT_EQ(Action("teng", row, 5, "DESCRIPTION"), CellAction::Refuse) << row;
    }
    EXPECT_EQ(Action("teng", 1, 1, "PART MARK"), CellAction::Edit);
}

TEST(CellRules, SteelAndMemberPages) {
    EXPECT_EQ(Decide("bu_steel", 1, 5, "PART NUMBER").handOver, CellHandOver::MemberTypes);
    EXPECT_EQ(Action("hr_steel", 1, 4, "DESCRIPTION"), CellAction::Edit);
    EXPECT_EQ(Decide("cee00", 2, 4, "LP").handOver, CellHandOver::PunchCodes);
    EXPECT_EQ(Decide("cee00", 2, 11, "TP").handOver, CellHandOver::PunchCodes);
    EXPECT_EQ(Action("eav00", 2, 12, "PART NUMBER"), CellAction::Refuse);
    EXPECT_EQ(Action("zee00", 2, 0, "COMP. ID"), CellAction::Edit);
    EXPECT_EQ(Action("std", 2, 5, "PART NUMBER"), CellAction::Edit);
}

TEST(CellRules, CommitIgnoresLetterCaseOnly) {
    EXPECT_FALSE(CellTextChanged("a", "A"));
    EXPECT_FALSE(CellTextChanged("", ""));
    EXPECT_TRUE(CellTextChanged("a", "a "));
    EXPECT_TRUE(CellTextChanged("", "x"));
}

TEST(CellRules, BarNeverReachesTheCell) {
    EXPECT_EQ(CellTextForStorage("a|b||"), "a\xA6"
                                           "b\xA6\xA6");
    EXPECT_EQ(CellTextForStorage("plain"), "plain");
}

TEST(ClipText, JoinsCellsWithTabsAndRowsWithCr) {
    EXPECT_EQ(JoinClipText({{"a", "b"}, {"", "d"}}), "a\tb\r\td");
    EXPECT_EQ(JoinClipText({{"x"}}), "x");
    EXPECT_EQ(JoinClipText({}), "");
}

TEST(ClipText, PasteStretchesFromTheCurrentCell) {
    const PastePlan plan = PlanPaste("a\tb\tc\rd\te\tf", 2, 1, 10, 5);
    EXPECT_EQ(plan.top, 2);
    EXPECT_EQ(plan.left, 1);
    EXPECT_EQ(plan.bottom, 3);
    EXPECT_EQ(plan.right, 3);
    ASSERT_EQ(plan.cells.size(), 6u);
    EXPECT_EQ(plan.cells[0].text, "a");
    EXPECT_EQ(plan.cells[5].row, 3);
    EXPECT_EQ(plan.cells[5].column, 3);
    EXPECT_EQ(plan.cells[5].text, "f");
}

TEST(ClipText, PasteAtTheLastRowAndColumnIsCut) {
    const PastePlan plan = PlanPaste("a\tb\tc\r\nd\te\tf\r\n", 25, 4, 25, 5);
    EXPECT_EQ(plan.bottom, 25);
    EXPECT_EQ(plan.right, 5);
    ASSERT_EQ(plan.cells.size(), 2u);
    EXPECT_EQ(plan.cells[0].text, "a");
    EXPECT_EQ(plan.cells[1].text, "b");
}

TEST(ClipText, PasteLineEndsAndShortLines) {
    // LF line ends from other programs; the trailing line end adds no row; a short line
    // leaves the rest of its row alone; extra fields past the first line's count are cut.
    const PastePlan plan = PlanPaste("a\tb\nc\nd\te\tz\n", 1, 0, 9, 9);
    EXPECT_EQ(plan.bottom, 3);
    EXPECT_EQ(plan.right, 1);
    ASSERT_EQ(plan.cells.size(), 5u);
    EXPECT_EQ(plan.cells[2].text, "c");
    EXPECT_EQ(plan.cells[3].row, 3);
    EXPECT_EQ(plan.cells[4].text, "e");
}

TEST(ClipText, PasteEdgeCases) {
    EXPECT_TRUE(PlanPaste("", 1, 1, 5, 5).cells.empty());
    EXPECT_TRUE(PlanPaste("a", 6, 1, 5, 5).cells.empty());
    const PastePlan bar = PlanPaste("x|y\t", 1, 1, 5, 5);
    ASSERT_EQ(bar.cells.size(), 2u);
    EXPECT_EQ(bar.cells[0].text, "x\xA6y");
    EXPECT_EQ(bar.cells[1].text, "");
}

} // namespace
} // namespace waybill
