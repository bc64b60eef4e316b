#include "page/CellRules.h"

#include <gtest/gtest.h>

namespace waybill {
namespace {

CellDecision Decide(std::string_view cadBase, int row, int column, std::string_view header,
                    std::string_view shipLength = "") {
    return DecideCellEdit(cadBase, {row, column, header, shipLength});
}

CellAction Action(std::string_view cadBase, int row, int column,
                  std::string_view header = "PART NUMBER") {
    return Decide(cadBase, row, column, header).action;
}

TEST(CellRules, PageKindRangesIncludeBothEndsInAnyCase) {
    const std::pair<const char*, PageKind> cases[] = {
        {"HR_STEEL", PageKind::Steel},  {"cable01", PageKind::Cable},
        {"CABLE04", PageKind::Cable},   {"cable0", PageKind::Other},
        {"cable041", PageKind::Other},  {"clp02_3", PageKind::Other},
        {"ten", PageKind::Tensile},     {"tenzzzzz", PageKind::Tensile},
        {"tenzzzzza", PageKind::Other}, {"ShtAS24r", PageKind::Sheet},
        {"", PageKind::Other}};
    for (const auto& [base, kind] : cases) {
        EXPECT_EQ(PageKindOf(base), kind) << base;
    }
}

TEST(CellRules, ColumnsWithoutRuledPrefixAreEditedEverywhereButOnCables) {
    for (const char* base : {"bu_steel", "clp02_1", "clp02_2", "teng", "shtap", "zee00"}) {
        EXPECT_EQ(Action(base, 1, 5, "QTY"), CellAction::Edit) << base;
    }
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
    EXPECT_EQ(a.message->text, "You can only change this column by changing the\r\n"
                               "shipping length under the SHIP. LEN. column.");
    EXPECT_EQ(Action("cable03", 2, 8, "COMP. ID"), CellAction::Redirect);
    EXPECT_EQ(Action("cable03", 2, 5, "CABLE DIA."), CellAction::Refuse);
    EXPECT_EQ(Action("cable03", 2, 6, "EYE BOLT"), CellAction::Refuse);

    // Column 7 needs a shipping length first; blanks do not count as one.
    const CellDecision b = Decide("cable01", 3, 7, "FINISH", "   ");
    EXPECT_EQ(b.action, CellAction::Redirect);
    EXPECT_EQ(b.redirectColumn, 3);
    EXPECT_EQ(b.message, ShipLengthFirstMessage());
    EXPECT_EQ(Decide("cable01", 3, 7, "FINISH", "10'-0").handOver, CellHandOver::CableFinishWords);

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
    EXPECT_EQ(Action("tenza", 1, 6), CellAction::FinishMessage);
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
    EXPECT_EQ(Action("eav00", 2, 12), CellAction::Refuse);
    EXPECT_EQ(Action("zee00", 2, 0, "COMP. ID"), CellAction::Edit);
    EXPECT_EQ(Action("std", 2, 5), CellAction::Edit);
}

TEST(CellRules, CommitIgnoresCaseOnlyAndStoresOneLineWithoutBars) {
    EXPECT_FALSE(CellTextChanged("a", "A"));
    EXPECT_TRUE(CellTextChanged("a", "a "));
    EXPECT_EQ(CellTextForStorage("a|b||"), "a\xA6"
                                           "b\xA6\xA6");
    // A pasted line end would split the value's line in the document file.
    EXPECT_EQ(CellTextForStorage("a\r\nb\rc\n\nd\r\n"), "a b c  d");
    EXPECT_EQ(SingleLineText("\r\n"), "");
}

// The selection a paste leaves and the cells it writes, as "top,left-bottom,right: row,col=text".
std::string Pasted(std::string_view clip, int row, int column, int lastRow, int lastColumn) {
    const PastePlan plan = PlanPaste(clip, row, column, lastRow, lastColumn);
    std::string text = std::to_string(plan.top) + "," + std::to_string(plan.left) + "-" +
                       std::to_string(plan.bottom) + "," + std::to_string(plan.right) + ":";
    for (const PastedCell& cell : plan.cells) {
        text +=
            " " + std::to_string(cell.row) + "," + std::to_string(cell.column) + "=" + cell.text;
    }
    return text;
}

TEST(PlanPaste, StretchesFromTheCurrentCellButNotPastTheGrid) {
    EXPECT_EQ(Pasted("a\tb\tc\rd\te\tf", 2, 1, 10, 5),
              "2,1-3,3: 2,1=a 2,2=b 2,3=c 3,1=d 3,2=e 3,3=f");
    // Two lines of three fields at the last row and the next-to-last column.
    EXPECT_EQ(Pasted("a\tb\tc\r\nd\te\tf\r\n", 25, 4, 25, 5), "25,4-25,5: 25,4=a 25,5=b");
    // LF line ends; the trailing line end adds no row; a short line leaves the rest of its row
    // alone; fields past the first line's count are cut.
    EXPECT_EQ(Pasted("a\tb\nc\nd\te\tz\n", 1, 0, 9, 9), "1,0-3,1: 1,0=a 1,1=b 2,0=c 3,0=d 3,1=e");
    EXPECT_EQ(Pasted("x|y\t", 1, 1, 5, 5), "1,1-1,2: 1,1=x\xA6y 1,2=");
    EXPECT_EQ(Pasted("", 1, 1, 5, 5), "1,1-0,0:");
    EXPECT_EQ(Pasted("a", 6, 1, 5, 5), "6,1-5,0:");
}

} // namespace
} // namespace waybill
