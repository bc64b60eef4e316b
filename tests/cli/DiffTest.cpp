#include "cli/Commands.h"
#include "CliRun.h"
#include "compare/BookComparison.h"
#include "compare/DifferenceText.h"
#include "model/FwbFile.h"
#include "refdb/ReferenceDatabase.h"
#include "support/TempDir.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

namespace waybill {
namespace {

using test::CliRun;
using test::RunCommand;
using test::TempDir;

// The grid "sht": a part mark and a length.
std::filesystem::path MakeDatabase(const TempDir& dir) {
    test::TestDatabase db;
    db.AddLabelledGrid("sht", 3, {"PART MARK", "LENGTH"});
    return db.Write(dir / "ref.db");
}

std::string Document(const std::string& rows) {
    return test::DocumentText("**PAGEDEF\r\nsht01-1,PG,Roof\r\nGRID: sht\r\n" + rows);
}

class DiffCommand : public testing::Test {
  protected:
    CliRun Diff(std::vector<std::string> args) {
        args.insert(args.end(), {"--refdb", db.string()});
        return RunCommand("diff", args);
    }

    TempDir dir;
    std::filesystem::path db = MakeDatabase(dir);
};

TEST_F(DiffCommand, SameDocumentsExitZeroAndLegacyOnesAreImported) {
    const auto fwb = dir.Write("new.fwb", Document("|a|10'-6|\r\n"));
    const auto wbl = dir.Write("old.WBL", "sht01-1\r\n(sht)\r\nPG\r\nRoof\r\n(a 10'-6)\r\n***\r\n");
    const CliRun run = Diff({wbl.string(), fwb.string()});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
}

TEST_F(DiffCommand, DifferentDocumentsExitOneWithOneLinePerChange) {
    const auto older = dir.Write("old.fwb", Document("|a|10'-6|\r\n|b|2'|\r\n|d|2'|\r\n"));
    const auto newer = dir.Write("new.fwb", Document("|a|10-6|\r\n|c|x|\r\n|d|1,5 \"x\"|\r\n"));
    CliRun run = Diff({older.string(), newer.string()});
    EXPECT_EQ(run.status, 1) << run.err;
    // A line per change in the core's words.
    Book a, b;
    ASSERT_FALSE(ReadFWB(older, a) || ReadFWB(newer, b));
    std::string described;
    for (const Difference& change : CompareBooks(a, b, *OpenReferenceDatabase(db).database)) {
        described += DescribeDifference(change) + "\n";
    }
    EXPECT_EQ(run.out, described);

    run = Diff({older.string(), newer.string(), "--format", "csv"});
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_EQ(run.out, "change,page,old page,cad #,row,old row,part mark,place,old,new\n"
                       "same length,1,1,sht01-1,1,1,a,LENGTH,10'-6,10-6\n"
                       "row removed,1,1,sht01-1,,2,b,,,\n"
                       "row added,1,1,sht01-1,2,,c,,,\n"
                       "changed,1,1,sht01-1,3,3,d,LENGTH,2',\"1,5 \"\"x\"\"\"\n");
}

// Texts print as plain text with a file's control characters escaped; in CSV a TAB is kept
// inside its quoted field.
TEST_F(DiffCommand, OldAndNewValuesArePlainTextAndEscaped) {
    const auto older = dir.Write("old.fwb", Document("|a|10'-1\xD0|\r\n"));
    const auto newer = dir.Write("new.fwb", Document("|a|\x1B[2J\t8\xF0|\r\n"));
    EXPECT_EQ(Diff({older.string(), newer.string()}).out,
              "page 1 (sht01-1), row 1 (PART MARK a), LENGTH: 10'-1-1/4 -> \\x1B[2J\\x098Z\n");
    EXPECT_EQ(Diff({older.string(), newer.string(), "--format", "csv"}).out,
              "change,page,old page,cad #,row,old row,part mark,place,old,new\n"
              "changed,1,1,sht01-1,1,1,a,LENGTH,10'-1-1/4,\"\\x1B[2J\t8Z\"\n");
}

TEST_F(DiffCommand, TroubleExitsTwo) {
    const auto good = dir.Write("good.fwb", Document(""));
    const auto bad = dir.Write("bad.fwb", "not a document");
    const std::vector<std::vector<std::string>> cases = {
        {good.string()},
        {good.string(), good.string(), good.string()},
        {good.string(), good.string(), "--format", "xml"},
        {bad.string(), good.string()},
        {good.string(), bad.string()},
        {good.string(), (dir / "missing.fwb").string()},
    };
    for (const auto& args : cases) {
        const CliRun run = Diff(args);
        EXPECT_EQ(run.status, 2) << args.back();
        EXPECT_NE(run.err, "") << args.back();
        EXPECT_EQ(run.out, "") << args.back();
    }
    const CliRun run =
        RunCommand("diff", {good.string(), good.string(), "--refdb", (dir / "none.db").string()});
    EXPECT_EQ(run.status, 2);
}

} // namespace
} // namespace waybill
