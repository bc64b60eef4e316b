#include "tensile/PunchMembers.h"

#include "export/ExportBook.h"

#include <gtest/gtest.h>

namespace waybill {
namespace {

using test::OnePageBook;

const std::string kConfigured = "|8|2|4|2|8\xF0 x 2\xCC x 2\xD4 x 14GA|ASTM A1011 Grade 55|x|";

Book ZeePage(std::vector<std::string> rows, std::string attributes = kConfigured) {
    rows.insert(rows.begin(), "GRID: hte");
    rows.push_back("ATTRIBLK: zee00");
    rows.push_back(std::move(attributes));
    return OnePageBook("zee00-01", "Red-Oxide", rows);
}

// A member row: mark, quantity, length, lead code, six "A" dimensions, trailing code.
std::string Row(const std::string& mark, const std::string& qty, const std::string& length,
                const std::string& lead, const std::string& trail, std::string aDims = "|||||||") {
    return "|ZEE|" + mark + "|" + qty + "|" + length + "|" + lead + aDims + trail + "|528Z14|";
}

TEST(PunchMembers, ValidRowsBecomeMembers) {
    const Book book = ZeePage({"3", Row("z1", "2", "20'", "E", "B", "||5'|||10'-6 1/2||"),
                               Row("", "", "", "", ""), "2 |ZEE|||||||||||||",
                               Row("Z2", "1.5", "97 1/2", "e", "b")});
    const auto list = std::get<PunchExportList>(CollectPunchMembers(book, PunchSelection::All));
    EXPECT_EQ(list.jobNumber, "J100");
    EXPECT_EQ(list.members, (std::vector<PunchMember>{{"z1", 2, 240, "E", "B", {60, 126.5f}},
                                                      {"Z2", 2, 97.5f, "e", "b", {}}}));
}

TEST(PunchMembers, OnlyMembersWithADimsOrMismatchedPunches) {
    const Book book = ZeePage({Row("M1", "1", "20'", "E", "e"), Row("M2", "1", "20'", "E", "NP"),
                               Row("M3", "1", "20'", "NP", "NP", "|1'||||||")});
    const auto list = std::get<PunchExportList>(CollectPunchMembers(book, PunchSelection::Only));
    ASSERT_EQ(list.members.size(), 2u);
    EXPECT_EQ(list.members[0].pieceMark, "M2");
    EXPECT_EQ(list.members[1].pieceMark, "M3");
}

struct BadRow {
    const char* what;
    std::vector<std::string> rows;
    const char* message;
    int row;
    int column;
};

TEST(PunchMembers, FirstFaultyRowStopsAtItsCell) {
    const char* tooShort = "The length of the member does not meet the\r"
                           "minimum length requirements for the punches selected.";
    const char* aDim = "Invalid \"A\" Dim value.";
    const char* qty = "Invalid number. Qty must be at least 1.";
    const char* most = "Invalid number. Qty must be at most 32767.";
    const char* lead = "Member missing leading punch code. Select NP for no punch";
    const char* trail = "Member missing trailing punch code. Select NP for no punch";
    const char* mark = "Part mark already exists.";
    const std::string m1 = Row("M1", "1", "20'", "E", "E");
    const BadRow cases[] = {
        {"no part mark", {Row("", "1", "20'", "E", "E")}, "Member Requires a part mark.", 1, 1},
        {"no quantity", {Row("M", "", "20'", "E", "E")}, qty, 1, 2},
        {"quantity words", {Row("M", "2x", "20'", "E", "E")}, qty, 1, 2},
        {"quantity below one", {Row("M", "0.9", "20'", "E", "E")}, qty, 1, 2},
        {"quantity past 16 bits", {Row("M", "40000", "20'", "E", "E")}, most, 1, 2},
        {"no lead code", {Row("M", "1", "20'", " ", "E")}, lead, 1, 4},
        {"no trailing code", {Row("M", "1", "20'", "E", "")}, trail, 1, 11},
        {"mark repeated in other case", {Row("m1", "1", "20'", "E", "E"), m1}, mark, 2, 1},
        {"a repeated-row line is equal rows", {"2 " + m1}, mark, 2, 1},
        {"below both allowances", {Row("M", "1", "8'-1 7/16", "E", "B")}, tooShort, 1, 3},
        {"no length", {Row("M", "1", "", "NP", "NP")}, tooShort, 1, 3},
        {"A dim equal to the length", {Row("M", "1", "20'", "NP", "NP", "||||20'|||")}, aDim, 1, 8},
        {"A dim that is no length", {Row("M", "1", "20'", "NP", "NP", "||x|||||")}, aDim, 1, 6},
    };
    for (const BadRow& c : cases) {
        SCOPED_TRACE(c.what);
        auto rows = c.rows;
        rows.insert(rows.begin(), Row("OK", "1", "20'", "E", "E"));
        const auto result = CollectPunchMembers(ZeePage(rows), PunchSelection::All);
        ASSERT_TRUE(std::holds_alternative<ExportFailure>(result));
        EXPECT_EQ(std::get<ExportFailure>(result),
                  (ExportFailure{{c.message, "Error", MessageIcon::Exclamation},
                                 1,
                                 ExportFocus::Cell,
                                 c.row + 1,
                                 c.column}));
    }
}

TEST(PunchMembers, UnconfiguredBlockStopsOnItsPage) {
    Book book = ZeePage({Row("M1", "1", "20'", "E", "E")});
    book.Add("cee00-01", "", "", {"GRID: hte", "ATTRIBLK: cee00", "|D|X|Y|X|CEE SIZE|M|S|"},
             AfterLastPage);
    book.Add("cee00-02", "", "", {"ATTRIBLK: cee00", "|8|1|4|1|8\xEB x 4 x|M|S|"}, AfterLastPage);
    const UserMessage message{"You must configure member attributes.  Double-click\r"
                              "the drawing block or click the Edit Attributes button.",
                              "Error", MessageIcon::Exclamation};
    EXPECT_EQ(std::get<ExportFailure>(CollectPunchMembers(book, PunchSelection::All)),
              (ExportFailure{message, 2}));

    book.GetPage(2).PageData[2] = kConfigured;
    EXPECT_EQ(std::get<ExportFailure>(CollectPunchMembers(book, PunchSelection::All)),
              (ExportFailure{message, 3}));

    // Pages other than Cee and Zee are not members, whatever their rows hold.
    book.DeletePage(3);
    book.Add("eav00-01", "", "", {"GRID: hte", Row("", "1", "", "", "")}, AfterLastPage);
    EXPECT_EQ(
        std::get<PunchExportList>(CollectPunchMembers(book, PunchSelection::All)).members.size(),
        1u);
}

} // namespace
} // namespace waybill
