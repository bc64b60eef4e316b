// The detail command's own edge: its words and Field=value arguments reach the generator, the
// pages go at the end of the document, and what it refuses. The pages' values are the
// generators' tests' business: here they are compared with the generator's own result.
#include "cli/Commands.h"
#include "CliRun.h"
#include "details/DetailCatalogue.h"
#include "details/DownSpout.h"
#include "details/Gutter.h"
#include "model/FwbFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace waybill {
namespace {

using test::CliRun;
using test::RunCommand;
using test::TempDir;

class DetailCommand : public testing::Test {
  protected:
    CliRun Detail(std::vector<std::string> args) {
        args.insert(args.begin(), {in.string(), out.string()});
        return RunCommand("detail", args);
    }

    // The pages added behind the two pages of the document.
    std::vector<Page> Added() {
        Book book;
        EXPECT_FALSE(ReadFWB(out, book));
        EXPECT_GE(book.PageCount(), 2);
        EXPECT_EQ(book.GetPage(1).CadNumber, "sht01-1");
        EXPECT_EQ(book.GetPage(2).Description, "Old");
        std::vector<Page> pages;
        for (int i = 3; i <= book.PageCount(); ++i) {
            pages.push_back(book.GetPage(i));
        }
        return pages;
    }

    TempDir dir;
    std::filesystem::path in = dir.Write(
        "in.fwb", test::DocumentText("**PAGEDEF\r\nsht01-1,PG,Roof\r\nGRID: sht\r\n|a|b|\r\n"
                                     "**PAGEDEF\r\ntrim22,,Old\r\nATTRIBLK: trim22\r\n|x|\r\n"));
    std::filesystem::path out = dir / "out.fwb";
};

TEST_F(DetailCommand, WordsAndFieldsReachTheGenerator) {
    struct Case {
        std::vector<std::string> args;
        DetailResult expected;
    };
    const Case cases[] = {
        // Words and field names in any case; an option by its number from 1.
        {{"GUTTER", "OverSize", "width=10", "DEPTH=5", "RoofSlope=3", "PanelType=2",
          "SFNumber=2001"},
         MakeGutter({GutterKind::Oversize, "10", "5", "3", GutterPanel::ApexSeam24R, "2001"})},
        // An option left out is its first choice; the last value of a field wins.
        {{"gutter", "standard", "RoofSlope=5", "RoofSlope=4", "SFNumber=S7"},
         MakeGutter({GutterKind::Standard, "", "", "4", GutterPanel::ApexSpan, "S7"})},
        // The variant word picks the kickout; AddStrap=1 ticks the box: two pages.
        {{"downspout", "oldstyle", "Width=6", "Depth=4", "Length=8'", "StrapSFNumber=D2",
          "AddStrap=1"},
         MakeDownSpout({"6", "4", "8'", "", "D2", true, KickoutStyle::OldStyle})},
        // No variant word.
        {{"ds-offset", "Width=6", "Depth=8", "Offset=0.0208", "SFNumber=O1"},
         MakeDSOffset({"6", "8", "0.0208", "O1"})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args[0] + " " + c.args[1]);
        const auto* expected = std::get_if<DetailPages>(&c.expected);
        ASSERT_NE(expected, nullptr);
        const CliRun run = Detail(c.args);
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(Added(), expected->pages);
    }
}

// Every AutoPage entry is a generator and variant of the command.
TEST_F(DetailCommand, TakesTheWordsOfEveryMenuEntry) {
    for (const DetailGenerator& generator : DetailCatalogue()) {
        for (const DetailVariant& variant : generator.variants) {
            std::vector<std::string> args{std::string(generator.word)};
            if (!variant.word.empty()) {
                args.emplace_back(variant.word);
            }
            EXPECT_NE(Detail(args).status, 2) << args[0];
        }
    }
}

TEST_F(DetailCommand, SteepSlopeWarnsAndMakesThePage) {
    const CliRun run = Detail({"gutter", "severeice", "Width=6", "Depth=5", "RoofSlope=7"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "Shadow gutter should not be used with\nroof slopes greater than 6:12.\n");
    EXPECT_EQ(Added().size(), 1u);
}

// Wrong usage shows the command's usage; the generator's refusal its message. Neither writes.
TEST_F(DetailCommand, RefusalsWriteNothing) {
    const std::vector<std::vector<std::string>> usage = {
        {"roof"},
        {"gutter"},
        {"gutter", "wide", "RoofSlope=4"},
        {"gutter", "standard", "Slope=4"},
        {"gutter", "standard", "RoofSlope"},
        {"gutter", "standard", "PanelType=4"},
        {"gutter", "standard", "PanelType=0"},
        {"downspout", "standard", "AddStrap=yes"},
        {"downspout", "standard", "KickoutStyle=1"}, // the variant word says it
        {"ds-offset", "standard"},
        {"ridge-cap", "sseam", "LegLength=1"},
        {"ridge-cap", "prevent", "Clip=1"},
        {"ridge-cap", "sseam", "Clip=3"}};
    for (const auto& args : usage) {
        const CliRun run = Detail(args);
        EXPECT_EQ(run.status, 2) << args[0] << " " << args.back();
        EXPECT_NE(run.err.find("usage: waybill-cli detail"), std::string::npos);
    }
    // The input error names its field as the command line spells it.
    const CliRun run = Detail({"cap-trim", "dim=0"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Dim: Invalid Number\n");
    EXPECT_FALSE(std::filesystem::exists(out));
}

// --help lists each dialog's fields once per dialog, without the one its variant word picks.
TEST(DetailHelp, ListsTheFieldsOfEachDialog) {
    const std::string_view help = cli::DetailDescription();
    for (const char* entry : {
             "\n\ndownspout standard|oldstyle\tWidth Depth Length SFNumber StrapSFNumber "
             "AddStrap (1 ticks it)\n\n",
             "\n\nridge-cap prevent\tRoofSlope LegLength RcSFNo EcSFNo\n\n",
             "\n\nridge-cap sseam\tRoofSlope PPToRidge PanOHang RcSFNo EcSFNo Panel (1 Storm "
             "Grip-16, 2 Apex Seam-24R) Clip (1 Low, 2 High)\n\n",
             "(Length, Offset, LegLength, PPToRidge and PanOHang in ft.iiss form",
         }) {
        EXPECT_NE(help.find(entry), std::string_view::npos) << entry;
    }
}

} // namespace
} // namespace waybill
