#include "page/CellRules.h"

#include <gtest/gtest.h>

namespace waybill {
namespace {

// A decision as "action[ hand-over][ ->column][ message]", the message named A (ship length
// only), B (ship length first), R (refused) or F (finish box only).
std::string Outcome(std::string_view cadBase, int row, int column, std::string_view header,
                    std::string_view shipLength) {
    static const char* const actions[] = {"edit",     "refuse",    "finish",
                                          "redirect", "hand over", "nothing"};
    static const char* const handOvers[] = {"members", "finish words", "clip", "punch codes",
                                            "punch pattern"};
    const CellDecision d = DecideCellEdit(cadBase, {row, column, header, shipLength});
    std::string text = actions[static_cast<int>(d.action)];
    text += d.handOver ? std::string(" ") + handOvers[static_cast<int>(*d.handOver)] : "";
    text += d.redirectColumn >= 0 ? " ->" + std::to_string(d.redirectColumn) : "";
    for (const auto& [message, name] : {std::pair{ShipLengthOnlyMessage(), " A"},
                                        {ShipLengthFirstMessage(), " B"},
                                        {CellRefusedMessage(), " R"},
                                        {FinishBoxOnlyMessage(), " F"}}) {
        text += d.message == message ? name : "";
    }
    return text;
}

TEST(CellRules, PageKindDecisions) {
    struct Case {
        const char *cadBase, *header;
        int row, column;
        const char *shipLength, *outcome;
    };
    const Case cases[] = {
        // One page of each kind the rules tell apart (PageKindOf has the names).
        {"hr_steel", "PART NUMBER", 1, 5, "", "hand over members"},
        {"bu_steel", "DESCRIPTION", 1, 4, "", "edit"},
        {"cable04", "PART NUMBER", 1, 5, "", "refuse R"},
        {"clp02_3", "PART NUMBER", 1, 5, "", "edit"},
        {"ten", "DESCRIPTION", 1, 5, "", "hand over punch pattern"},
        {"shtas24r", "PART NUMBER", 4, 5, "", "finish F"},
        // Columns without a ruled header prefix are free everywhere but on cable pages.
        {"shtap", "QTY", 1, 5, "", "edit"},
        {"cable02", "QTY", 1, 5, "", "refuse R"},
        // Cable pages; blanks are no shipping length.
        {"cable03", "CAB.xCUTLEN.", 2, 4, "", "redirect ->3 A"},
        {"cable03", "COMP. ID", 2, 8, "", "redirect ->3 A"},
        {"cable03", "EYE BOLT", 2, 6, "", "refuse R"},
        {"cable01", "FINISH", 3, 7, "   ", "redirect ->3 B"},
        {"cable01", "FINISH", 3, 7, "10'-0", "hand over finish words"},
        {"clp02_1", "MARK", 1, 1, "", "hand over clip"},
        {"clp02_1", "DESCRIPTION", 1, 2, "", "nothing"},
        {"clp02_1", "DESC. (SPECIAL)", 9, 4, "", "edit"},
        {"clp02_1", "DESC. (SPECIAL)", 10, 4, "", "refuse R"},
        {"clp02_2", "PART NUMBER", 1, 5, "", "hand over clip"},
        // Tensile pages; girt pages take rows 3-13 and 16-25 only.
        {"tenza", "PART NUMBER", 1, 6, "", "finish F"},
        {"tene", "DESCRIPTION", 1, 5, "", "refuse R"},
        {"tenza", "DESCRIPTION", 2, 5, "", "refuse R"},
        {"teng", "DESCRIPTION", 3, 5, "", "edit"},
        {"teng", "DESCRIPTION", 13, 5, "", "edit"},
        {"teng", "DESCRIPTION", 14, 5, "", "refuse R"},
        {"teng", "DESCRIPTION", 15, 5, "", "refuse R"},
        {"teng", "DESCRIPTION", 16, 5, "", "edit"},
        {"teng", "DESCRIPTION", 25, 5, "", "edit"},
        {"teng", "DESCRIPTION", 26, 5, "", "refuse R"},
        {"cee00", "LP", 2, 4, "", "hand over punch codes"},
        {"eav00", "PART NUMBER", 2, 12, "", "refuse R"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Outcome(c.cadBase, c.row, c.column, c.header, c.shipLength), c.outcome)
            << c.cadBase << " " << c.row << "," << c.column;
    }
}

TEST(CellRules, CommitIgnoresCaseOnly) {
    EXPECT_FALSE(CellTextChanged("a", "A"));
    EXPECT_TRUE(CellTextChanged("a", "a "));
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
    // Two lines of three fields at the last row and the next-to-last column.
    EXPECT_EQ(Pasted("a\tb\tc\r\nd\te\tf\r\n", 25, 4, 25, 5), "25,4-25,5: 25,4=a 25,5=b");
    // LF line ends; the trailing line end adds no row; a short line leaves the rest of its row
    // alone; fields past the first line's count are cut.
    EXPECT_EQ(Pasted("a\tb\nc\nd\te\tz\n", 1, 0, 9, 9), "1,0-3,1: 1,0=a 1,1=b 2,0=c 3,0=d 3,1=e");
    EXPECT_EQ(Pasted("", 1, 1, 5, 5), "1,1-0,0:");
    EXPECT_EQ(Pasted("a", 6, 1, 5, 5), "6,1-5,0:");
}

} // namespace
} // namespace waybill
