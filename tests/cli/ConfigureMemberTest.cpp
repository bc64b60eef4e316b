#include "cli/Commands.h"
#include "CliRun.h"
#include "model/FwbFile.h"
#include "support/TempDir.h"
#include "support/TestDatabase.h"
#include "tensile/MemberConfig.h"

#include <algorithm>
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

// --page, --size, --flange and --gauge, then `more`.
std::vector<std::string> Member(const char* page, const char* size, const char* flange,
                                const char* gauge, std::vector<std::string> more = {}) {
    more.insert(more.begin(),
                {"--page", page, "--size", size, "--flange", flange, "--gauge", gauge});
    return more;
}

class ConfigureMemberCommand : public ::testing::Test {
  protected:
    CliRun Run(std::vector<std::string> args) {
        args.insert(args.begin(), {in, out});
        args.insert(args.end(), {"--refdb", db});
        return RunCommand("configure-member", args);
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

// The options reach the member editor: the page named takes the value line and finish the core
// encodes for them, the finish named in any case; the other pages stay as they were.
TEST_F(ConfigureMemberCommand, OptionsReachTheMemberEditorOnTheNamedPageOnly) {
    const auto check = [&](const std::vector<std::string>& args, int target, MemberSection section,
                           const MemberChoices& choices) {
        const CliRun run = Run(args);
        ASSERT_EQ(run.status, 0) << run.err;
        const auto encoding = EncodeMemberConfig(section, choices);
        Book before, after;
        ASSERT_FALSE(ReadFWB(in, before) || ReadFWB(out, after) || !encoding);
        for (int p = 1; p <= 3; ++p) {
            const Page& page = after.GetPage(p);
            if (p != target) {
                EXPECT_EQ(page.PageData, before.GetPage(p).PageData) << p;
            } else {
                EXPECT_EQ(page.Finish, encoding->finish);
                EXPECT_NE(page.Description.find(encoding->partCode), std::string::npos);
                EXPECT_NE(std::ranges::find(page.PageData, encoding->valueLine),
                          page.PageData.end());
            }
        }
    };
    check(Member("2", "8", "2", "14", {"--finish", "gRAY"}), 2, MemberSection::Zee,
          {FindMemberSize(8), FindMemberFlange(2), FindMemberGauge(14), false, "Gray"});
    check(Member("3", "8", "4", "12", {"--pregalv"}), 3, MemberSection::Cee,
          {FindMemberSize(8), FindMemberFlange(4), FindMemberGauge(12), true, {}});
}

TEST_F(ConfigureMemberCommand, RefusalsAndWrongUsageWriteNothing) {
    ExpectRefused(Member("1", "8", "2", "14", {"--finish", "Gray"}),
                  "page 1 is not a Zee or Cee page");
    ExpectRefused(Member("2", "9", "2", "14", {"--finish", "Gray"}),
                  "Member size 9 is not in the list");
    ExpectRefused(Member("2", "8", "5", "14x", {"--finish", "Gray"}),
                  "Gauge 14x is not in the list");
    ExpectRefused(Member("2", "8", "2", "14"), "a finish (--finish) is needed");
    // A finish of another catalogue is not a hi-tensile finish.
    ExpectRefused(Member("2", "8", "2", "14", {"--finish", "Pre-Galvanized"}),
                  "Finish Pre-Galvanized is not a hi-tensile finish.");
    ExpectRefused(Member("4", "8", "2", "14", {"--finish", "Gray"}),
                  "the document has 3 pages, not 4");
    // Wrong usage: status 2.
    EXPECT_EQ(Run(Member("0", "8", "2", "14", {"--pregalv"})).status, 2);
    EXPECT_EQ(Run(Member("2", "8", "2", "14", {"--pregalv", "--colour", "red"})).status, 2);
    EXPECT_FALSE(std::filesystem::exists(out));
}

} // namespace
} // namespace waybill
