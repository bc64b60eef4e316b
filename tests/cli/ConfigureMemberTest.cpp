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

// A reference database with the 13-column member grid "hte" (three data rows), the
// sheet grid "sht" and the attribute definitions of both member blocks.
std::filesystem::path MakeDatabase(const TempDir& dir) {
    test::TestDatabase db;
    db.AddGrid("hte", 13, 3);
    db.AddGrid("sht", 6, 2);
    for (const char* block : {"zee00", "cee00"}) {
        std::vector<std::vector<FieldValue>> tags;
        for (int k = 0; k < 7; ++k) {
            tags.push_back({"Value " + std::to_string(k), "V" + std::to_string(k)});
        }
        db.AddTable(block, {"Prompt", "Tag"}, tags);
    }
    return db.Write(dir / "ref.db");
}

const std::string kSheetPage = "**PAGEDEF\r\nshtap-01,Galvalume Plus,WALL PANELS\r\nGRID: sht\r\n"
                               "|PANEL|||||51APM|\r\n";
const std::string kZeePage = "**PAGEDEF\r\nzee00-01,Red-Oxide,HI-TENSILE ( )\r\nGRID: hte\r\n"
                             "|ZEE|Z1|2|20'-0|||||||||OLD|\r\n|ZEE|Z2|2|4'-11||||||||||\r\n"
                             "ATTRIBLK: zee00\r\n|D|X|Y|X|ZEE SIZE|MATERIAL|STRIP SIZE|\r\n";
const std::string kCeePage = "**PAGEDEF\r\ncee00-01,Red-Oxide,GIRTS\r\nGRID: hte\r\n"
                             "|CEE|C1|4|25'-0||||||||||\r\n"
                             "ATTRIBLK: cee00\r\n|D|X|Y|X|CEE SIZE|MATERIAL|STRIP SIZE|\r\n";

class ConfigureMemberCommand : public ::testing::Test {
  protected:
    CliRun Run(std::vector<std::string> args) {
        args.insert(args.begin(), {in, out});
        args.insert(args.end(), {"--refdb", db});
        return RunCommand(cli::ConfigureMember, args);
    }

    // Runs a command that must fail with status 1 and write nothing.
    void ExpectRefused(const std::vector<std::string>& args, const std::string& message) {
        const CliRun run = Run(args);
        EXPECT_EQ(run.status, 1) << run.err;
        EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
        EXPECT_FALSE(std::filesystem::exists(out));
    }

    TempDir dir;
    std::string db = MakeDatabase(dir).string();
    std::string in = dir.Write("in.fwb", DocumentText(kSheetPage + kZeePage + kCeePage)).string();
    std::string out = (dir / "out.fwb").string();
};

TEST_F(ConfigureMemberCommand, ZeePageTakesTheConfigurationItsPartNumbersAndFinish) {
    const CliRun run = Run(
        {"--page", "2", "--size", "8", "--flange", "2", "--gauge", "14", "--finish", "red-oxide"});
    ASSERT_EQ(run.status, 0) << run.err;
    // Every data row, empty or not, carries the member part number with the finish code;
    // the 59-inch member carries the short-length mark. The other pages are as they were.
    EXPECT_EQ(TempDir::Read(out),
              DocumentText(kSheetPage +
                           "**PAGEDEF\r\nzee00-01,Red-Oxide,HI-TENSILE (ZB24)\r\nGRID: hte\r\n"
                           "|ZEE|Z1|2|20'-0|||||||||528Z14P|\r\n"
                           "|ZEE|Z2|2|4'-11|||||||||528Z14PSL|\r\n"
                           "|||||||||||||528Z14P|\r\n"
                           "ATTRIBLK: zee00\r\n"
                           "|8|2|4|2|8\xF0 x 2\xCC x 2\xD4 x 14GA|ASTM A1011 Grade 55|"
                           "13.9375 x 0.067 Min.|\r\n" +
                           kCeePage));
}

TEST_F(ConfigureMemberCommand, PreGalvanizedCeeNeedsNoFinish) {
    const CliRun run =
        Run({"--pregalv", "--page", "3", "--size", "8", "--flange", "4", "--gauge", "12"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(TempDir::Read(out).find(
                  "cee00-01,Pre-Galvanized,GIRTS (CB47)\r\nGRID: hte\r\n"
                  "|CEE|C1|4|25'-0|||||||||5284C12G|\r\n2 |||||||||||||5284C12G|\r\n"
                  "ATTRIBLK: cee00\r\n"
                  "|8|2|4|2|8\xEB x 4 x 4 x 12GA|ASTM A653 Grade D|16.9375 x 0.102 Min.|\r\n"),
              std::string::npos)
        << TempDir::Read(out);
}

TEST_F(ConfigureMemberCommand, RefusalsWriteNothing) {
    ExpectRefused(
        {"--page", "1", "--size", "8", "--flange", "2", "--gauge", "14", "--finish", "Gray"},
        "page 1 is not a Zee or Cee page");
    ExpectRefused(
        {"--page", "2", "--size", "9", "--flange", "2", "--gauge", "14", "--finish", "Gray"},
        "Member size 9 is not in the list");
    ExpectRefused(
        {"--page", "2", "--size", "8", "--flange", "5", "--gauge", "14x", "--finish", "Gray"},
        "Gauge 14x is not in the list");
    ExpectRefused({"--page", "2", "--size", "8", "--flange", "2", "--gauge", "14"},
                  "a finish (--finish) is needed");
    // A finish of another catalogue is not a hi-tensile finish.
    ExpectRefused({"--page", "2", "--size", "8", "--flange", "2", "--gauge", "14", "--finish",
                   "Pre-Galvanized"},
                  "Finish Pre-Galvanized is not a hi-tensile finish.");
    ExpectRefused(
        {"--page", "4", "--size", "8", "--flange", "2", "--gauge", "14", "--finish", "Gray"},
        "the document has 3 pages, not 4");
}

TEST_F(ConfigureMemberCommand, WrongUsage) {
    EXPECT_EQ(Run({"--page", "2", "--size", "8", "--flange", "2"}).status, 2); // no gauge
    EXPECT_EQ(Run({"--page", "0", "--size", "8", "--flange", "2", "--gauge", "14"}).status, 2);
    EXPECT_EQ(
        Run({"--page", "2", "--size", "8", "--flange", "2", "--gauge", "14", "--colour", "red"})
            .status,
        2);
    EXPECT_FALSE(std::filesystem::exists(out));
}

} // namespace
} // namespace waybill
