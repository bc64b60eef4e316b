// What every generator does alike with its typed fields and the values it writes: one case per
// field or value in each table.
#include "DetailExpect.h"
#include "details/CapTrim.h"
#include "details/CondHead.h"
#include "details/DownSpout.h"
#include "details/EndDam.h"
#include "details/Gutter.h"
#include "details/RidgeCap.h"
#include "units/Parsers.h"
#include "units/Text.h"

namespace waybill {
namespace {

using namespace test;

struct Labelled {
    const char* label;
    DetailResult result;
};

// The values of the value line after the block line `block` (0-based) of page `page`.
std::vector<std::string> Values(const DetailResult& result, std::size_t page, std::size_t block) {
    const DetailPages* pages = PagesOf(result);
    if (pages == nullptr || pages->pages.size() <= page ||
        pages->pages[page].PageData.size() <= 2 * block + 1) {
        return {};
    }
    return SplitPipeList(pages->pages[page].PageData[2 * block + 1]);
}

void ExpectErrors(const std::vector<std::pair<Labelled, DetailInputError>>& cases) {
    for (const auto& [made, error] : cases) {
        if (error.message.empty()) {
            EXPECT_NE(PagesOf(made.result), nullptr)
                << made.label << ": " << ErrorOf(made.result).message;
        } else {
            EXPECT_EQ(ErrorOf(made.result), error) << made.label;
        }
    }
}

GutterInput Gutter(GutterKind kind, std::string width, std::string depth, std::string slope,
                   GutterPanel panel = GutterPanel::ApexSpan, std::string sf = "1") {
    return {kind, std::move(width), std::move(depth), std::move(slope), panel, std::move(sf)};
}

// A "|" would split its value in two and shift every value after it; a line end would split
// the value line. Both are stored as the cells store them.
TEST(GeneratedValues, TypedTextsStayOneValueOnOneLine) {
    const std::string typed = " A|B\r\nC ";
    const std::string kept = "A\xA6"
                             "B C";
    struct Case {
        Labelled made;
        std::size_t page;
        std::size_t count;
        std::vector<std::pair<std::size_t, std::string>> values;
    };
    const DetailResult spout =
        MakeDownSpout({"4", "3", "10.0608", typed, typed, true, KickoutStyle::Standard});
    const Case cases[] = {
        {{"gutter",
          MakeGutter(Gutter(GutterKind::Oversize, "8", "6", "4", GutterPanel::ApexSpan, typed))},
         0,
         10,
         {{8, kept}}},
        {{"severe ice",
          MakeGutter(Gutter(GutterKind::SevereIce, "8", "6", "4", GutterPanel::StormGrip, typed))},
         0,
         8,
         {{6, kept}}},
        {{"downspout", spout}, 0, 16, {{3, kept}}},
        {{"downspout strap", spout}, 1, 5, {{3, kept}}},
        {{"ds-offset", MakeDSOffset({"4", "4", "1", typed})}, 0, 13, {{11, kept}}},
        {{"cond-head", MakeCondHead({"6", "5", "4", "3", typed, typed, CondHeadOffset::None})},
         0,
         23,
         {{20, kept}, {22, kept}}},
        {{"cap-trim", MakeCapTrim({"10", typed, typed})},
         0,
         9,
         {{2, kept}, {4, "SF-" + kept}, {5, "SF-" + kept}, {7, kept}}},
        {{"end-dam", MakeEndDam({"90", typed, EndDamPanel::ApexSeamIIPlus})}, 0, 11, {{8, kept}}},
        {{"prevent", MakePreventRidgeCap({"4", "1.06", typed, typed})},
         0,
         18,
         {{5, kept}, {17, kept}}},
        {{"sseam", MakeSSeamRidgeCap({"4", "1.0000", "0.04", typed, typed})},
         0,
         6,
         {{3, kept}, {5, kept}}},
    };
    for (const Case& c : cases) {
        const std::vector<std::string> values = Values(c.made.result, c.page, 0);
        ASSERT_EQ(values.size(), c.count) << c.made.label;
        for (const auto& [index, text] : c.values) {
            EXPECT_EQ(values[index], text) << c.made.label << " " << index;
        }
    }
}

// The drawings print "SF-" before an SF number: one typed with it is stored without, so the
// sheet shows "SF-2210", not "SF-SF-2210". Numbers of other kinds keep what was typed.
TEST(GeneratedValues, ALeadingSfTypedIntoAnSfNumberIsLeftOff) {
    for (const std::string typed : {"SF-2210", "sf-2210", " Sf- 2210 ", "2210"}) {
        const DetailResult spout =
            MakeDownSpout({"4", "3", "10.0608", typed, typed, true, KickoutStyle::Standard});
        const DetailResult ice =
            MakeGutter(Gutter(GutterKind::SevereIce, "8", "6", "4", GutterPanel::StormGrip, typed));
        const std::pair<Labelled, std::vector<std::pair<std::size_t, std::string>>> cases[] = {
            {{"gutter", MakeGutter(Gutter(GutterKind::Oversize, "8", "6", "4",
                                          GutterPanel::ApexSpan, typed))},
             {{8, "2210"}}},
            {{"severe ice", ice}, {{6, "2210"}}},
            {{"downspout", spout}, {{3, "2210"}}},
            {{"ds-offset", MakeDSOffset({"4", "4", "1", typed})}, {{11, "2210"}}},
            {{"cap-trim", MakeCapTrim({"10", typed, typed})},
             {{2, "2210"}, {4, "SF-2210"}, {5, "SF-2210"}, {7, "2210"}}},
            {{"prevent", MakePreventRidgeCap({"4", "1.06", typed, typed})},
             {{5, "2210"}, {17, "2210"}}},
            {{"sseam", MakeSSeamRidgeCap({"4", "1.0000", "0.04", typed, typed})},
             {{3, "2210"}, {5, "2210"}}},
            {{"end-dam", MakeEndDam({"90", typed, EndDamPanel::ApexSeamIIPlus})},
             {{8, Trim(typed)}}},
        };
        for (const auto& [made, values] : cases) {
            const std::vector<std::string> line = Values(made.result, 0, 0);
            for (const auto& [index, text] : values) {
                ASSERT_LT(index, line.size()) << made.label;
                EXPECT_EQ(line[index], text) << made.label << " " << typed;
            }
        }
        EXPECT_EQ(Values(spout, 1, 0).at(3), "2210") << typed; // the strap's page
        EXPECT_EQ(Values(ice, 0, 1).at(5), "2211") << typed;   // its strap follows the number
    }
}

// The slope is a rise in 12 of run: 12 and more stay inches, never feet.
TEST(GeneratedValues, RoofSlopeIsWrittenAsInches) {
    struct Case {
        Labelled made;
        std::size_t block;
        std::size_t index;
        std::string slope;
    };
    const Case cases[] = {
        {{"standard 12", MakeGutter(Gutter(GutterKind::Standard, "", "", "12"))}, 0, 0, "12"},
        {{"standard 11.5", MakeGutter(Gutter(GutterKind::Standard, "", "", "11.5"))},
         0,
         0,
         "11" + Sx(8)},
        {{"oversize 12.5", MakeGutter(Gutter(GutterKind::Oversize, "8", "16", "12.5"))},
         0,
         0,
         "12" + Sx(8)},
        {{"severe ice span 24", MakeGutter(Gutter(GutterKind::SevereIce, "8", "16", "24"))},
         0,
         6,
         "24"},
        {{"severe ice 24",
          MakeGutter(Gutter(GutterKind::SevereIce, "8", "6", "24", GutterPanel::StormGrip))},
         0,
         4,
         "24"},
        {{"prevent 12", MakePreventRidgeCap({"12", "1.06", "", ""})}, 0, 0, "12"},
        {{"sseam 36", MakeSSeamRidgeCap({"36", "2.0000", "0.04", "", ""})}, 0, 1, "36"},
    };
    for (const Case& c : cases) {
        const std::vector<std::string> values = Values(c.made.result, 0, c.block);
        ASSERT_GT(values.size(), c.index) << c.made.label << ": " << ErrorOf(c.made.result).message;
        EXPECT_EQ(values[c.index], c.slope) << c.made.label;
    }
}

// A formed piece that rounds to 0 or less to the sixteenth cannot be made; the field it grows
// with is the one to change.
TEST(GeneratedValues, PiecesThatComeOutTooSmallAreInputErrors) {
    const std::string tooSmall = "Invalid number.  The resulting dimensions are too small.";
    const auto none = CondHeadOffset::None;
    ExpectErrors({
        // Oversize gutter, C = A - 6 with A = Round16(Depth cos + 1 1/4).
        {{"oversize 8 x 4", MakeGutter(Gutter(GutterKind::Oversize, "8", "4", "4"))},
         {tooSmall, "Depth"}},
        {{"oversize C = 0", MakeGutter(Gutter(GutterKind::Oversize, "8", "5.03", "4"))},
         {tooSmall, "Depth"}},
        {{"oversize C = 1/16", MakeGutter(Gutter(GutterKind::Oversize, "8", "5.04", "4"))}, {}},
        // Gutter with strap, Apex Span: D - 3 1/2 with D = Depth cos.
        {{"span D < 3 1/2", MakeGutter(Gutter(GutterKind::SevereIce, "8", "4", "6.5"))},
         {tooSmall, "Depth"}},
        {{"span D > 3 1/2", MakeGutter(Gutter(GutterKind::SevereIce, "8", "4", "6"))}, {}},
        {{"StormGrip has no D",
          MakeGutter(Gutter(GutterKind::SevereIce, "8", "4", "6.5", GutterPanel::StormGrip))},
         {}},
        // Conductor head: A = DsWidth - 1/8, B = DsDepth - 1/8.
        {{"head A < 0", MakeCondHead({"6", "5", "0", "3", "", "", none})}, {tooSmall, "DsWidth"}},
        {{"head B < 0", MakeCondHead({"6", "5", "3", "0", "", "", none})}, {tooSmall, "DsDepth"}},
        {{"head A = 0", MakeCondHead({"6", "5", "0.15", "3", "", "", none})},
         {tooSmall, "DsWidth"}},
        {{"head A = 1/16", MakeCondHead({"6", "5", "0.16", "0.16", "", "", none})}, {}},
        // Prevent ridge cap at 24:12, G6 = G3 - G5 with G5 = 2 11/16.
        {{"ridge G6 < 0", MakePreventRidgeCap({"24", "0.0001", "", ""})}, {tooSmall, "LegLength"}},
        {{"ridge G6 = 0", MakePreventRidgeCap({"24", "0.0312", "", ""})}, {tooSmall, "LegLength"}},
        {{"ridge G6 = 1/16", MakePreventRidgeCap({"24", "0.0314", "", ""})}, {}},
    });
}

// Boxes labelled "ft.iiss" take that form or a length as a cell takes it.
TEST(GeneratedValues, FtDottedBoxesTakeBothFormsAndRefuseOthers) {
    const std::string invalid = "Invalid length.";
    ExpectErrors({
        {{"3.99", MakeDownSpout({"4", "3", "3.99", "", "", false})}, {invalid, "Length"}},
        {{"3.1199", MakeDownSpout({"4", "3", "3.1199", "", "", false})}, {invalid, "Length"}},
        {{"3.12", MakeDownSpout({"4", "3", "3.12", "", "", false})}, {invalid, "Length"}},
        {{"four", MakeDownSpout({"4", "3", "four", "", "", false})}, {invalid, "Length"}},
        {{"47 15/16\"", MakeDownSpout({"4", "3", "47 15/16\"", "", "", false})},
         {"Invalid Number.  Downspout must be at least 4' long.", "Length"}},
        {{"offset 0.0216", MakeDSOffset({"4", "4", "0.0216", ""})}, {invalid, "Offset"}},
        {{"offset 2\"", MakeDSOffset({"4", "4", "2\"", ""})}, {}},
        {{"leg 1.13", MakePreventRidgeCap({"4", "1.13", "", ""})}, {invalid, "LegLength"}},
        {{"leg 1' 6", MakePreventRidgeCap({"4", "1' 6", "", ""})}, {}},
        {{"ridge 1.0016", MakeSSeamRidgeCap({"4", "1.0016", "0.04", "", ""})},
         {invalid, "PPToRidge"}},
        {{"overhang 1'-x", MakeSSeamRidgeCap({"4", "2.00", "1'-x", "", ""})},
         {invalid, "PanOHang"}},
        {{"overhang 4\"", MakeSSeamRidgeCap({"4", "2.00", "4\"", "", ""})}, {}},
    });
    for (const auto& [typed, drawn] : {std::pair<std::string, std::string>{"10'-6 1/2", Sx(8)},
                                       {"10' 6", ""},
                                       {"10.0608", Sx(8)}}) {
        const auto values = Values(MakeDownSpout({"4", "3", typed, "", "", false}), 0, 0);
        ASSERT_EQ(values.size(), 16u) << typed;
        EXPECT_EQ(values[2], "10'-6" + drawn) << typed;
    }
}

TEST(GeneratedValues, OverflowingNumbersAreInvalidNumbers) {
    const std::string invalid = "Invalid number.";
    const auto none = CondHeadOffset::None;
    ExpectErrors({
        {{"slope 1e400", MakeGutter(Gutter(GutterKind::Standard, "", "", "1e400"))},
         {invalid, "RoofSlope"}},
        {{"slope -1e400", MakeGutter(Gutter(GutterKind::Oversize, "8", "6", "-1e400"))},
         {invalid, "RoofSlope"}},
        {{"slope 1e39", MakeGutter(Gutter(GutterKind::SevereIce, "8", "6", "1e39"))},
         {invalid, "RoofSlope"}},
        {{"width 1e400", MakeGutter(Gutter(GutterKind::Oversize, "1e400", "6", "4"))},
         {invalid, "Width"}},
        {{"depth 1e39", MakeGutter(Gutter(GutterKind::Oversize, "8", "1e39", "4"))},
         {invalid, "Depth"}},
        {{"spout width", MakeDownSpout({"1e400", "3", "4", "", "", false})}, {invalid, "Width"}},
        {{"length 1e30", MakeDownSpout({"4", "3", "1e30", "", "", false})}, {invalid, "Length"}},
        {{"length 1e400", MakeDownSpout({"4", "3", "1e400", "", "", false})}, {invalid, "Length"}},
        {{"offset feet", MakeDSOffset({"4", "4", "178956971.0608", ""})}, {invalid, "Offset"}},
        {{"offset depth", MakeDSOffset({"4", "1e39", "1", ""})}, {invalid, "Depth"}},
        {{"head", MakeCondHead({"6", "5", "4", "1e400", "", "", none})}, {invalid, "DsDepth"}},
        {{"cap trim", MakeCapTrim({"1e400", "", ""})}, {invalid, "Dim"}},
        {{"end dam", MakeEndDam({"1e400", "", EndDamPanel::ApexSeam24R})}, {invalid, "AngleP2"}},
        {{"leg", MakePreventRidgeCap({"4", "1e30", "", ""})}, {invalid, "LegLength"}},
        {{"ridge slope", MakePreventRidgeCap({"1e39", "1", "", ""})}, {invalid, "RoofSlope"}},
        {{"overhang", MakeSSeamRidgeCap({"4", "2", "1e400", "", ""})}, {invalid, "PanOHang"}},
    });
}

} // namespace
} // namespace waybill
