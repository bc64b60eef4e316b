#include "app/AppMessages.h"
#include "catalog/SheetParts.h"
#include "cli/Commands.h"
#include "CliRun.h"
#include "support/TempDir.h"
#include "support/TestDatabase.h"
#include "units/Text.h"

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
    return RunCommand("set-finish", args);
}

class SetFinishCommand : public ::testing::Test {
  protected:
    TempDir dir;
    std::string db = MakeDatabase(dir).string();
    std::string in = dir.Write("in.fwb", DocumentText(kSheetPage + kMemberPage)).string();
    std::string out = (dir / "out.fwb").string();
};

// The finish, named in any case, reaches the pages of the range and no others.
TEST_F(SetFinishCommand, TheRangesPagesTakeTheFinish) {
    const std::string pages[] = {kSheetPage, kMemberPage};
    for (const auto& [finish, range, target] :
         {std::tuple{"smp ash gray", "1", 0}, {"PRE-GALVANIZED", "2-2", 1}}) {
        const CliRun run = SetFinish({in, out, finish, "--pages", range, "--refdb", db});
        ASSERT_EQ(run.status, 0) << run.err;
        const std::string written = TempDir::Read(out);
        EXPECT_EQ(written.find(pages[target]), std::string::npos) << range;     // changed
        EXPECT_NE(written.find(pages[1 - target]), std::string::npos) << range; // as it was
        EXPECT_NE(ToLower(written).find("," + ToLower(finish) + ","), std::string::npos);
    }
}

// Without --pages every page takes the finish: the first that does not offer it stops.
TEST_F(SetFinishCommand, FinishNotOfferedWritesNothing) {
    const CliRun run = SetFinish({in, out, "Black", "--refdb", db});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, FinishNotOfferedMessage("Black", 1).text + "\n");
    EXPECT_EQ(SetFinish({in, out, "Black", "--pages", "2", "--refdb", db}).err,
              FinishNotOfferedMessage("Black", 2).text + "\n");
    EXPECT_FALSE(std::filesystem::exists(out));
}

// Without the sheet block table a sheet page cannot take a finish: nothing is written.
TEST_F(SetFinishCommand, MissingSheetBlockTableStopsOnSheetPages) {
    const std::string noSheets = MakeDatabase(dir, false).string();
    const CliRun run = SetFinish({in, out, "SMP Ash Gray", "--pages", "1", "--refdb", noSheets});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, SheetPartsMissingMessage().text + "\n");
    EXPECT_FALSE(std::filesystem::exists(out));
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
