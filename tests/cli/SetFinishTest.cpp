#include "cli/Commands.h"
#include "CliRun.h"
#include "support/TempDir.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

namespace waybill {
namespace {

using test::CliRun;
using test::DocumentText;
using test::RunCommand;
using test::TempDir;

// A reference database with the sheet grid "sht" (6 columns, 4 rows), a 13-column member
// grid "hte" (2 rows) and the sheet block table.
std::filesystem::path MakeDatabase(const TempDir& dir, bool withSheetParts = true) {
    test::TestDatabase db;
    db.AddLabelledGrid("sht", 4, {"COMP", "MARK", "QTY", "LENGTH", "DESCRIPTION", "PART"});
    db.AddGrid("hte", 13, 2);
    if (withSheetParts) {
        db.AddTable("SheetParts", {"BlockName", "BasePart"}, {{"shtap", "51AP"}});
    }
    return db.Write(dir / (withSheetParts ? "ref.db" : "nosheets.db"));
}

const std::string kSheetPage = "**PAGEDEF\r\nshtap-01,Galvalume Plus,WALL PANELS\r\nGRID: sht\r\n"
                               "|PANEL||||Galvalume Plus (26GA WALL PANELS)||\r\n"
                               "|PANEL||||OUT TO OUT||\r\n"
                               "2 |PANEL|||||51APM|\r\n";
const std::string kMemberPage = "**PAGEDEF\r\nzee00-01,Pre-Galvanized,HI-TENSILE (ZB24)\r\n"
                                "GRID: hte\r\n|ZEE|Z1|2|4'-6|||||||||528Z14G|\r\n"
                                "|ZEE|Z2|2|6'|||||||||528Z14G|\r\n";

CliRun SetFinish(const std::vector<std::string>& args) {
    return RunCommand(cli::SetFinish, args);
}

class SetFinishCommand : public ::testing::Test {
  protected:
    TempDir dir;
    std::string db = MakeDatabase(dir).string();
    std::string in = dir.Write("in.fwb", DocumentText(kSheetPage + kMemberPage)).string();
    std::string out = (dir / "out.fwb").string();
};

TEST_F(SetFinishCommand, RangeTakesTheFinishAndItsPartNumbers) {
    const CliRun run = SetFinish({in, out, "smp ash gray", "--pages", "1", "--refdb", db});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(TempDir::Read(out),
              DocumentText("**PAGEDEF\r\nshtap-01,SMP Ash Gray,WALL PANELS\r\nGRID: sht\r\n"
                           "|PANEL||||SMP Ash Gray (26GA WALL PANELS)||\r\n"
                           "|PANEL||||OUT TO OUT||\r\n2 |PANEL|||||51APAY|\r\n" +
                           kMemberPage));

    // The member page offers only its own finish; the short member keeps its mark.
    ASSERT_EQ(SetFinish({in, out, "PRE-GALVANIZED", "--pages", "2-2", "--refdb", db}).status, 0);
    EXPECT_NE(TempDir::Read(out).find("|ZEE|Z1|2|4'-6|||||||||528Z14GSL|\r\n"
                                      "|ZEE|Z2|2|6'|||||||||528Z14G|\r\n"),
              std::string::npos);
}

TEST_F(SetFinishCommand, FinishNotOfferedWritesNothing) {
    const CliRun run = SetFinish({in, out, "Black", "--refdb", db});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Finish Black is not offered for page 1.\n");
    EXPECT_FALSE(std::filesystem::exists(out));
    EXPECT_EQ(SetFinish({in, out, "Black", "--pages", "2", "--refdb", db}).err,
              "Finish Black is not offered for page 2.\n");
    EXPECT_FALSE(std::filesystem::exists(out));
}

// Without the sheet block table a sheet page cannot take a finish: nothing is written. Other
// pages do not need the table.
TEST_F(SetFinishCommand, MissingSheetBlockTableStopsOnSheetPages) {
    const std::string noSheets = MakeDatabase(dir, false).string();
    const CliRun run = SetFinish({in, out, "SMP Ash Gray", "--pages", "1", "--refdb", noSheets});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Table SheetParts not found in the reference database.\n");
    EXPECT_FALSE(std::filesystem::exists(out));
    EXPECT_EQ(SetFinish({in, out, "Pre-Galvanized", "--pages", "2", "--refdb", noSheets}).status,
              0);
}

TEST_F(SetFinishCommand, WrongUsageAndRangesPastTheEnd) {
    for (const char* range : {"0", "2-1", "a", "1-", "-3"}) {
        EXPECT_EQ(SetFinish({in, out, "Gray", "--pages", range, "--refdb", db}).status, 2) << range;
    }
    const CliRun past = SetFinish({in, out, "Gray", "--pages", "1-3", "--refdb", db});
    EXPECT_EQ(past.status, 1);
    EXPECT_FALSE(std::filesystem::exists(out));
}

} // namespace
} // namespace waybill
