#include "export/TableExport.h"

#include "export/ExportBook.h"
#include "page/GridSetup.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace waybill {
namespace {

using test::OnePageBook;
using test::TempDir;

const test::TestDatabase& Db() {
    static const test::TestDatabase db = [] {
        test::TestDatabase d;
        test::AddExportGrids(d);
        return d;
    }();
    return db;
}

std::vector<std::string> Records(const Book& book) {
    auto result = ExportTable(book, Db());
    if (auto* failure = std::get_if<ExportFailure>(&result)) {
        ADD_FAILURE() << failure->message.text;
        return {};
    }
    return std::get<TableExport>(result).records;
}

ExportFailure Failure(const Book& book) {
    auto result = ExportTable(book, Db());
    if (!std::holds_alternative<ExportFailure>(result)) {
        ADD_FAILURE() << "exported " << std::get<TableExport>(result).records.size();
        return {};
    }
    return std::get<ExportFailure>(result);
}

const std::string kHalf(1, static_cast<char>(216));    // 1/2 inch glyph
const std::string kEighth(1, static_cast<char>(204));  // 1/8 inch glyph
const std::string kZeeSign(1, static_cast<char>(240)); // Z symbol

struct RowsCase {
    const char* what;
    std::string cad;
    std::string finish;
    std::vector<std::string> lines;
    std::vector<std::string> records;
};

TEST(TableExport, RowsBecomeRecords) {
    const RowsCase cases[] = {
        {"lengths, quantity words and thousands, glyphs in the description",
         "misc-01",
         "Red-Oxide",
         {"GRID: std", "|TRIM|M1|One|5'-6 1/2|ANGLE 6" + kEighth + "|60ABC|",
          "|TRIM|M2|1,200|5'|\"|60ABD|", "|TRIM|M3| 3 ||" + kZeeSign + " CLIP|60ABE|",
          "|TRIM|M4|2|25'-6 3/4|x|6|", "|TRIM|M5|1|11 31/32|x|7|"},
         {"J100;TRIM;1;60ABC;66.5;5';6\";1/2\";;;ANGLE 6-1/8;1;",
          "J100;TRIM;1200;60ABD;60;5';0\";0\";;;;2;", "J100;TRIM;3;60ABE;0;;;;;;Z CLIP;3;",
          "J100;TRIM;2;6;306.75;25';6\";3/4\";;;x;4;",
          // A fraction that rounds up to the inch carries into inches and feet.
          "J100;TRIM;1;7;11.96875;1';0\";0\";;;x;5;"}},
        {"a repeated-row line is that many rows; empty quantities and blank runs are passed over",
         "misc-01",
         "",
         {"GRID: std", "2", "3 |TRIM|M1|2|1'|ROD|61R|", "|TRIM|M2||1'|ROD|61R|", "4",
          "|TRIM|M3|1|1'|ROD|61S|"},
         {"J100;TRIM;2;61R;12;1';0\";0\";;;ROD;1;", "J100;TRIM;2;61R;12;1';0\";0\";;;ROD;2;",
          "J100;TRIM;2;61R;12;1';0\";0\";;;ROD;3;", "J100;TRIM;1;61S;12;1';0\";0\";;;ROD;4;"}},
        {"hi-tensile members: lead punch, special punch with an A dimension (the first and the "
         "last of the six too, the trailing punch not), finish appended",
         "zee00-01",
         "Red-Oxide",
         {"GRID: hte", "|ZEE|Z1|2|20'|E|||||||E|528Z14|", "|ZEE|Z2|2|20'|E||5'|||||NP|528Z14|",
          "|ZEE|Z3|1|20'| ||5'|||||NP|528Z14|", "|ZEE|Z4|1|20'|E|5'||||||NP|528Z14|",
          "|ZEE|Z5|1|20'|E||||||5'|NP|528Z14|", "ATTRIBLK: zee00", "|8|2|4|2|x|y|z|"},
         {"J100;ZEE;2;528Z14;240;20';0\";0\";E;;(Red-Oxide);1;",
          "J100;ZEE;2;528Z14;240;20';0\";0\";SPECIAL PUNCH;;(Red-Oxide);2;",
          "J100;ZEE;1;528Z14;240;20';0\";0\"; ;;(Red-Oxide);3;",
          "J100;ZEE;1;528Z14;240;20';0\";0\";SPECIAL PUNCH;;(Red-Oxide);4;",
          "J100;ZEE;1;528Z14;240;20';0\";0\";SPECIAL PUNCH;;(Red-Oxide);5;"}},
        {"an extension grid takes its punch from the first row's description",
         "tenza-01",
         "Red-Oxide",
         {"GRID: ext", "|PURLIN|||||6\" ZEE PURLINS (punch=A)||", "|PURLIN|P1|2||20'|C8x2.5|5|",
          "|PURLIN|P2|1||20'|PURLIN (punch=B)|5|"},
         {"J100;PURLIN;2;5;240;20';0\";0\";PUNCH A;;C8x2.5(Red-Oxide);1;",
          "J100;PURLIN;1;5;240;20';0\";0\";SPECIAL PUNCH;;PURLIN (punch=B), PUNCH "
          "A(Red-Oxide);2;"}},
        {"extension punch texts",
         "teng-01",
         "",
         {"GRID: ext", "|G||||| girts (PUNCH = white)||", "|G|G1|1||1'|GIRT|5|", "GRID: ext",
          "|G|||||GIRTS (punch=NO PUNCH)||", "|G|G2|1||1'|GIRT|5|", "|G|G3|1||1'|GIRT (x=y)|5|",
          "GRID: ext", "|G|||||GIRTS||", "|G|G4|1||1'|GIRT|5|"},
         {"J100;G;1;5;12;1';0\";0\";white PUNCH;;GIRT;1;", "J100;G;1;5;12;1';0\";0\";NP;;GIRT;2;",
          "J100;G;1;5;12;1';0\";0\";SPECIAL PUNCH;;GIRT (x=y);3;",
          "J100;G;1;5;12;1';0\";0\";NP;;GIRT;4;"}},
        {"only one letter from A to F is a punch letter: both sides of either end",
         "teng-01",
         "",
         {"GRID: ext", "|G|||||GIRTS (punch=@)||", "|G|G1|1||1'|GIRT|5|", "GRID: ext",
          "|G|||||GIRTS (punch=A)||", "|G|G2|1||1'|GIRT|5|", "GRID: ext",
          "|G|||||GIRTS (punch=F)||", "|G|G3|1||1'|GIRT|5|", "GRID: ext",
          "|G|||||GIRTS (punch=G)||", "|G|G4|1||1'|GIRT|5|", "GRID: ext",
          "|G|||||GIRTS (punch=AB)||", "|G|G5|1||1'|GIRT|5|"},
         {"J100;G;1;5;12;1';0\";0\";@ PUNCH;;GIRT;1;", "J100;G;1;5;12;1';0\";0\";PUNCH A;;GIRT;2;",
          "J100;G;1;5;12;1';0\";0\";PUNCH F;;GIRT;3;", "J100;G;1;5;12;1';0\";0\";G PUNCH;;GIRT;4;",
          "J100;G;1;5;12;1';0\";0\";AB PUNCH;;GIRT;5;"}},
        {"a header item joins the size column of its two rows",
         "fopen-01",
         "",
         {"GRID: hed", "|FOPEN|FO1|1||WALK DOOR|3'-0\" x 7'-0\"|P1|",
          "|FOPEN|||||JAMB HT. 7'-2\"||", "2 |FOPEN|FO2|1||WINDOW|3'||"},
         {"J100;FOPEN;1;P1;0;;;;;;WALK DOOR, 3'-0\" x 7'-0\", JAMB HT. 7'-2\";1;",
          "J100;FOPEN;1;;0;;;;;;WINDOW, 3', 3';2;", "J100;FOPEN;1;;0;;;;;;WINDOW, 3';3;"}},
        {"cable ids with an inner underscore, slopes, labels in any case",
         "cable01-01",
         "",
         {"GRID: cab", "|L1|CB1|4|20'|CABLE|x|y|GALV|A_B-1|", "GRID: slp", "|R1|M1|1| 4 |ROOF|",
          "|R2|M2|1|0.5|ROOF|"},
         {"J100;A_B-1;4;CB1;240;20';0\";0\";;;CABLE;1;", "J100;R1;1;M1;0;;;;;4:12;ROOF;2;",
          "J100;R2;1;M2;0;;;;;0.5:12;ROOF;3;"}},
        {"grids without a component id or part column are passed over; positions restart per grid",
         "misc-01",
         "",
         {"GRID: nid", "|M1|3|ROD|", "GRID: hte", "|ZEE|Z1|1|20'|E|||||||E|5|", "GRID: std",
          "|TRIM|M1|1|1'|ROD 1/2|61R|", "BLOCK: trim22", "|TRIM|M9|1|1'|ROD|61R|"},
         {"J100;ZEE;1;5;240;20';0\";0\";E;;;1;", "J100;TRIM;1;61R;12;1';0\";0\";;;ROD 1/2;2;"}},
        {"rows past the definition's 25 rows are line items all the same",
         "misc-01",
         "",
         {"GRID: std", "24", "2 |T|M1|1|1'|ROD|61R|", "|T|M2|1|2'|ROD|61S|"},
         {"J100;T;1;61R;12;1';0\";0\";;;ROD;1;", "J100;T;1;61R;12;1';0\";0\";;;ROD;2;",
          "J100;T;1;61S;24;2';0\";0\";;;ROD;3;"}},
        {"lengths beyond single precision: the four length fields agree",
         "misc-01",
         "",
         {"GRID: std", "|T|M1|1|178956970'|x|6|", "|T|M2|1|1000000'-0 1/16|x|7|"},
         {"J100;T;1;6;2147483640;178956970';0\";0\";;;x;1;",
          "J100;T;1;7;12000000.0625;1000000';0\";1/16\";;;x;2;"}},
    };
    for (const RowsCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(Records(OnePageBook(c.cad, c.finish, c.lines)), c.records);
    }
}

TEST(TableExport, FabricatedFinishWords) {
    const std::pair<const char*, const char*> cases[] = {{"Black", "BLACK"},
                                                         {"red oxide", "RED OXIDE"},
                                                         {"Hot Dip Galv.", "HOT DIPPED GALVANIZED"},
                                                         {"Pre-Galvanized", "PRE-GALVANIZED"},
                                                         {"PRE-GALVANIZED", "PRE-GALVANIZED"}};
    for (const auto& [finish, word] : cases) {
        const auto records =
            Records(OnePageBook("hr_steel-01", finish, {"GRID: std", "|C|C1|1||x|54HRC|"}));
        ASSERT_EQ(records.size(), 1u);
        EXPECT_EQ(records[0], std::string("J100;C;1;54HRC;0;;;;;;;1;") + word);
    }
}

TEST(TableExport, PurchasePagesAreLeftOutAndNoted) {
    Book book = OnePageBook("pur_door-3", "", {"GRID: pur", "|DOOR|D1|1|WALK DOOR|ACME|70D|"});
    EXPECT_EQ(Failure(book).message,
              (UserMessage{"There is no quantity to export.", "Note", MessageIcon::None}));

    book.Add("misc-01", "", "", {"GRID: std", "|TRIM|M1|1|1'|ROD|61R|"}, AfterLastPage);
    const auto result = ExportTable(book, Db());
    const TableExport& table = std::get<TableExport>(result);
    EXPECT_TRUE(table.purchasePages);
    EXPECT_EQ(FormatTable(table), "J100;TRIM;1;61R;12;1';0\";0\";;;ROD;1;\r\n");
    EXPECT_EQ(TableExportedMessage(table, "/x/J100.txt").text,
              "1 line(s) exported to file /x/J100.txt.\r"
              "*** This job contains purchase waybill(s) that were not exported;\r"
              "You will need to enter these items in manually into Oracle. ***");
    EXPECT_EQ(TableExportedMessage({{"a", "b"}, false}, "out.txt"),
              (UserMessage{"2 line(s) exported to file out.txt.", "Waybill Export Finished",
                           MessageIcon::None}));
}

struct BadCell {
    const char* what;
    std::vector<std::string> lines;
    const char* message;
    int row;
    int column;
};

TEST(TableExport, BadCellsStopTheExportAtTheirCell) {
    const char* quantity = "Invalid quantity.";
    const char* part = "Invalid part number.";
    const char* id = "Invalid or missing component ID.";
    const char* length = "Invalid length. Length must be in Feet-Inches";
    const char* slope = "Invalid slope. Slope must be a number.";
    const BadCell cases[] = {
        {"words other than one", {"GRID: std", "|T|M1|two|1'|x|5|"}, quantity, 1, 2},
        {"zero typed", {"GRID: std", "|T|M1|0|1'|x|5|"}, quantity, 1, 2},
        {"a half rounds to zero", {"GRID: std", "|T|M1|0.5|1'|x|5|"}, quantity, 1, 2},
        {"beyond 16 bits", {"GRID: std", "|T|M1|32,768|1'|x|5|"}, quantity, 1, 2},
        {"negative", {"GRID: std", "|T|M1|-2|1'|x|5|"}, quantity, 1, 2},
        {"short row without the quantity", {"GRID: std", "|T|M1|"}, quantity, 1, 2},
        {"short row without the part", {"GRID: std", "|T|M1|1|1'|x|"}, part, 1, 5},
        {"underscore in a part", {"GRID: std", "|T|M1|1|1'|x|5_A|"}, part, 1, 5},
        {"no component id", {"GRID: std", "| |M1|1|1'|x|5|"}, id, 1, 0},
        {"blank inside an id", {"GRID: std", "|T 1|M1|1|1'|x|5|"}, id, 1, 0},
        {"underscore id outside cable grids", {"GRID: std", "|A_B|M1|1|1'|x|5|"}, id, 1, 0},
        {"cable id without inner underscore", {"GRID: cab", "|L|CB|1|1'|x|||x|_AB|"}, id, 1, 8},
        {"empty slope", {"GRID: slp", "|R|M|1||ROOF|"}, slope, 1, 3},
        {"slope words", {"GRID: slp", "|R|M|1|4:12|ROOF|"}, slope, 1, 3},
        {"length that is no length", {"GRID: std", "|T|M1|1|5 6|x|5|"}, length, 1, 3},
        {"rows counted over blank runs and repeats",
         {"GRID: std", "3", "2 |T|M1|1|1'|x|5|", "|T|M2|1||x|5|", "|T|M3|1|abc|x|5|"},
         length,
         7,
         3},
        {"past the 25 rows defined", {"GRID: std", "25", "|T|M1|x|1'|x|5|"}, quantity, 26, 2},
        {"repeated rows are checked one by one",
         {"GRID: std", "|T|M1|1|1'|x|5|", "2 |T|M2|x|1'|x|5|"},
         quantity,
         2,
         2},
    };
    for (const BadCell& c : cases) {
        SCOPED_TRACE(c.what);
        const ExportFailure failure = Failure(OnePageBook("misc-01", "", c.lines));
        EXPECT_EQ(failure, (ExportFailure{{c.message, "Error", MessageIcon::Exclamation},
                                          1,
                                          ExportFocus::Cell,
                                          c.row,
                                          c.column}));
    }
}

// The record has no escape for its separator, so a ";" in any text it carries would shift
// the fields after it.
TEST(TableExport, SemicolonsStopTheExportWhereTheyWereTyped) {
    struct Case {
        const char* what;
        std::string cad;
        std::vector<std::string> lines;
        int row;
        int column;
    };
    const Case cells[] = {
        {"description", "misc-01", {"GRID: std", "|T|M1|1|5'|BOLT; NUT|P|"}, 1, 4},
        {"part", "misc-01", {"GRID: std", "|T|M1|1|5'|BOLT|P;1|"}, 1, 5},
        {"cable component id", "cable01-01", {"GRID: cab", "|L|CB1|4|20'|C|x|y|G|A;_B|"}, 1, 8},
        {"punch code", "zee00-01", {"GRID: hte", "|ZEE|Z1|2|20'|E;F|||||||E|5|"}, 1, 4},
        {"header size", "fopen-01", {"GRID: hed", "|F|FO1|1||DOOR|3';0|P1|", "|F|||||7'||"}, 1, 5},
        {"header row 2", "fopen-01", {"GRID: hed", "|F|FO1|1||DOOR|3'|P1|", "|F|||||7;2||"}, 2, 5},
        {"ext. punch",
         "tenza-01",
         {"GRID: ext", "|P|||||Z (punch=A;B)||", "|P|P1|2||1'|C|5|"},
         1,
         5},
    };
    const UserMessage message{"A semicolon cannot be exported.", "Error", MessageIcon::Exclamation};
    for (const Case& c : cells) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(Failure(OnePageBook(c.cad, "", c.lines)),
                  (ExportFailure{message, 1, ExportFocus::Cell, c.row, c.column}));
    }

    // The texts of the title block send the user to their field.
    EXPECT_EQ(
        Failure(OnePageBook("zee00-01", "Red;Oxide", {"GRID: hte", "|ZEE|Z1|2|20'|E|||||||E|5|"})),
        (ExportFailure{message, 1, ExportFocus::Finish}));
    EXPECT_EQ(Failure(OnePageBook("misc-01", "", {"GRID: std", "|T|M1|1|5'|x|P|"}, "J;1")),
              (ExportFailure{message, 0, ExportFocus::JobNumber}));

    // Texts the record does not carry may hold one.
    EXPECT_EQ(Records(OnePageBook("rods01-01", "", {"GRID: std", "|T|M1;2|1|5'|a;b|P|"})),
              std::vector<std::string>{"J100;T;1;P;60;5';0\";0\";;;;1;"});
}

TEST(TableExport, PageStopsNameTheirPage) {
    Book book = OnePageBook("misc-01", "", {"GRID: std", "|T|M1|1|1'|x|5|"});
    book.Add("bu_steel-01", "", "", {"GRID: std", "|COL|C1|1|20'|x|54COL|"}, AfterLastPage);
    EXPECT_EQ(Failure(book),
              (ExportFailure{{"You must select a finish", "Invalid Finish", MessageIcon::None},
                             2,
                             ExportFocus::Finish}));

    book.GetPage(2).Finish = "Black";
    book.Add("misc-02", "", "", {"GRID: lost", "|T|M2|1|1'|x|5|"}, AfterLastPage);
    EXPECT_EQ(Failure(book), (ExportFailure{GridNotFoundMessage("lost"), 3}));

    EXPECT_EQ(CheckJobNumber("  "),
              (ExportFailure{{"You must supply a job number before you can export.",
                              "Missing Job Number", MessageIcon::None},
                             0,
                             ExportFocus::JobNumber}));
    EXPECT_FALSE(CheckJobNumber(" 7 "));
}

TEST(TableExport, WriteReplacesTheFileWholeOrNotAtAll) {
    TempDir dir;
    const TableExport table{{"J;1", "J;2"}, false};
    const auto path = dir.Write("J100.txt", "old");
    EXPECT_FALSE(WriteTable(table, path));
    EXPECT_EQ(TempDir::Read(path), "J;1\r\nJ;2\r\n");

    std::filesystem::create_directory(dir / "folder");
    const auto message = WriteTable(table, dir / "folder");
    ASSERT_TRUE(message);
    EXPECT_EQ(message->caption, "File Error");
    EXPECT_TRUE(std::filesystem::is_empty(dir / "folder"));
    EXPECT_TRUE(WriteTable(table, dir / "missing" / "J100.txt"));
    EXPECT_FALSE(std::filesystem::exists(dir / "missing"));
}

} // namespace
} // namespace waybill
