// The export commands' own edges: the file written or left as it was, the summary and the place
// of a bad cell on the terminal, the output name. What the exports write is their tests' business.
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

class ExportTableCli : public ::testing::Test {
  protected:
    void SetUp() override {
        test::TestDatabase db;
        db.AddLabelledGrid("std", 10, {"COMP. ID", "MARK", "QTY", "LENGTH"});
        db.Write(database);
    }

    CliRun Export(const std::string& pages, const std::string& to) {
        const auto in = dir.Write("in.fwb", DocumentText(pages, "J7"));
        return RunCommand("export-table", {in.string(), to, "--refdb", database.string()});
    }

    TempDir dir;
    std::filesystem::path database = dir / "ref.db";
    std::filesystem::path out = dir / "J7.txt";
    const std::string page = "**PAGEDEF\r\nmisc-01,,\r\nGRID: std\r\n";
};

TEST_F(ExportTableCli, WritesTheTableAndPrintsTheSummary) {
    const CliRun run = Export(page + "|T|M1|2|5'-6 1/2|\r\n**PAGEDEF\r\npur03-01,,\r\n"
                                     "GRID: std\r\n|T|M2|1||\r\n",
                              " " + out.string() + "  "); // the name is trimmed
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(TempDir::Read(out).rfind("J7;T;2;M1;", 0), 0u); // the records are the export's
    EXPECT_EQ(run.out, "1 line(s) exported to file " + out.string() +
                           ".\n*** This job contains purchase waybill(s) that were not exported;\n"
                           "You will need to enter these items in manually into Oracle. ***\n");
}

TEST_F(ExportTableCli, AStopOrABlankNameWritesNothing) {
    dir.Write("J7.txt", "kept");
    const CliRun bad = Export(page + "3\r\n|T|M1|x||\r\n", out.string());
    EXPECT_EQ(bad.status, 1);
    EXPECT_EQ(bad.err, "Invalid quantity.\npage 1, row 4, column 2\n");
    EXPECT_EQ(TempDir::Read(out), "kept");

    EXPECT_EQ(Export(page + "|T|M1|2||\r\n", " ").status, 2);
    EXPECT_FALSE(std::filesystem::exists(" "));
    std::filesystem::remove(" ");
}

TEST(ExportPunchesCli, UpdatesThePatternsFileOrLeavesItAsItWas) {
    TempDir dir;
    const auto templates = dir.Write("t.txt", ":e-lead-opt\nWEB, 1.375, 9/16\n:e-tail-opt\n"
                                              "WEB, 2, 9/16\n");
    const auto dat = dir / "Spcptrns.dat";
    const auto run = [&](const std::string& rows, const char* selection) {
        const auto in =
            dir.Write("in.fwb", DocumentText("**PAGEDEF\r\nzee00-01,,\r\nGRID: hte\r\n" + rows +
                                                 "ATTRIBLK: zee00\r\n|8|2|4|2|8 x 14GA|M|S|\r\n",
                                             "J7"));
        return RunCommand("export-punches", {in.string(), dat.string(), selection, "--templates",
                                             templates.string()});
    };

    CliRun ok = run("|Z|M1|2|20'|E|||||||E|5|\r\n", "--all");
    ASSERT_EQ(ok.status, 0) << ok.err;
    EXPECT_EQ(ok.out, "0 record(s) updated, 1 record(s) added.\n");
    const std::string written = TempDir::Read(dat);
    EXPECT_FALSE(written.empty());

    const CliRun bad = run("|Z|M1|2|20'|E|||||||E|5|\r\n|Z|m1|2|20'|E|||||||E|5|\r\n", "--only");
    EXPECT_EQ(bad.status, 1);
    EXPECT_EQ(bad.err, "Part mark already exists.\npage 1, row 2, column 1\n");
    EXPECT_EQ(run("|Z|M1|2|20'|E|||||||E|5|\r\n", "--only").err,
              "No hi-tensile members found to export.\n");
    EXPECT_EQ(TempDir::Read(dat), written);

    EXPECT_EQ(run("", "--both").status, 2);
    const auto in = dir / "in.fwb";
    EXPECT_EQ(RunCommand("export-punches", {in.string(), " ", "--all"}).status, 2);
    EXPECT_FALSE(std::filesystem::exists(" "));
    std::filesystem::remove(" ");
}

} // namespace
} // namespace waybill
