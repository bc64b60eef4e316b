// What every generator does alike with its typed fields and the values it writes: one case per
// field or value in each table.
#include "DetailExpect.h"
#include "details/CapTrim.h"
#include "details/CondHead.h"
#include "details/DownSpout.h"
#include "details/EndDam.h"
#include "details/Gutter.h"
#include "details/RidgeCap.h"
#include "units/Text.h"

#include <map>
#include <tuple>

namespace waybill {
namespace {

using namespace test;

struct Labelled {
    const char* label;
    DetailResult result;
};

void ExpectErrors(const std::vector<std::pair<Labelled, DetailInputError>>& cases) {
    for (const auto& [made, error] : cases) {
        ExpectOutcome(made.result, error, made.label);
    }
}

// A "|" would split its value in two and shift every value after it; a line end would split
// the value line: both are stored as the cells store them. The drawings print "SF-" before an
// SF number, so one typed with it is stored without ("SF-SF-2210" otherwise); numbers of other
// kinds keep what was typed.
TEST(GeneratedValues, TypedNumbersStayOneValueAndLoseALeadingSf) {
    enum Kind { Sf, ShownSf, Other };
    struct Case {
        const char* entry;
        std::vector<std::string> fields; // typed with the number
        std::size_t page;
        std::size_t count;
        std::vector<std::pair<std::size_t, Kind>> values;
        std::map<std::string, int, std::less<>> choices = {};
    };
    const std::vector<std::string> spout{"SFNumber", "StrapSFNumber"}, cap{"CtSF", "BcSF"},
        ridge{"RcSFNo", "EcSFNo"};
    const Case cases[] = {
        {"mnuAutoPgGutOversize", {"SFNumber"}, 0, 10, {{8, Sf}}},
        {"mnuAutoPgGutSevIcing", {"SFNumber"}, 0, 8, {{6, Sf}}, {{"PanelType", 2}}},
        {"mnuOversizeStdKO", spout, 0, 16, {{3, Sf}}, {{"AddStrap", 1}}},
        {"mnuOversizeStdKO", spout, 1, 5, {{3, Sf}}, {{"AddStrap", 1}}},
        {"mnuDSOffset", {"SFNumber"}, 0, 13, {{11, Sf}}},
        {"mnuCondHeadNormal", {"CHNumber", "ValleyGutterNo"}, 0, 23, {{20, Other}, {22, Other}}},
        {"mnuMansardCapTrim", cap, 0, 9, {{2, Sf}, {4, ShownSf}, {5, ShownSf}, {7, Sf}}},
        {"mnuEndDamIIPlus", {"EdNo"}, 0, 11, {{8, Other}}},
        {"mnuRidgeCapPrevent", ridge, 0, 18, {{5, Sf}, {17, Sf}}},
        {"mnuRidgeCapSSeam", ridge, 0, 6, {{3, Sf}, {5, Sf}}},
    };
    const auto make = [](const Case& c, const std::string& typed) {
        std::map<std::string, std::string, std::less<>> texts;
        for (const std::string& field : c.fields) {
            texts[field] = typed;
        }
        return MakeTyped(c.entry, texts, c.choices);
    };
    struct Typed {
        std::string typed, number, other;
    };
    const Typed typings[] = {{" Sf- A|B\r\nC ",
                              "A\xA6"
                              "B C",
                              "Sf- A\xA6"
                              "B C"},
                             {"sf-2210", "2210", "sf-2210"},
                             {"SF-2210", "2210", "SF-2210"}};
    for (const Typed& t : typings) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.entry) + " " + t.typed);
            const std::vector<std::string> values = Values(make(c, t.typed), c.page, 0);
            ASSERT_EQ(values.size(), c.count);
            for (const auto& [index, kind] : c.values) {
                const std::string expected =
                    kind == Other ? t.other : (kind == ShownSf ? "SF-" : "") + t.number;
                EXPECT_EQ(values[index], expected) << index;
            }
        }
    }
    // The strap's number follows the number the SF number is stored as.
    EXPECT_EQ(Values(make(cases[1], "SF-2210"), 0, 1).at(5), "2211");
}

// The slope is a rise in 12 of run: 12 and more stay inches, never feet.
TEST(GeneratedValues, RoofSlopeIsWrittenAsInches) {
    const auto ice = [](const char* depth, GutterPanel panel) {
        return MakeGutter(Gutter(GutterKind::SevereIce, "8", depth, "24", panel));
    };
    const std::tuple<Labelled, std::size_t, std::string> cases[] = {
        {{"std 11.5", MakeGutter(Gutter(GutterKind::Standard, "", "", "11.5"))}, 0, "11" + Sx(8)},
        {{"over 12.5", MakeGutter(Gutter(GutterKind::Oversize, "8", "16", "12.5"))},
         0,
         "12" + Sx(8)},
        {{"severe ice span 24", ice("16", GutterPanel::ApexSpan)}, 6, "24"},
        {{"severe ice 24", ice("6", GutterPanel::StormGrip)}, 4, "24"},
        {{"prevent 12", MakePreventRidgeCap({"12", "1.06", "", ""})}, 0, "12"},
        {{"sseam 36", MakeSSeamRidgeCap({"36", "2.0000", "0.04", "", ""})}, 1, "36"},
    };
    for (const auto& [made, index, slope] : cases) {
        const std::vector<std::string> values = Values(made.result, 0, 0);
        ASSERT_GT(values.size(), index) << made.label << ": " << ErrorOf(made.result).message;
        EXPECT_EQ(values[index], slope) << made.label;
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

// One field typed, the others valid: the outcome, refused on that field unless `message` is
// empty.
struct OneField {
    const char* entry;
    const char* field;
    const char* typed;
    std::string message;
};

void ExpectOneFieldOutcomes(const std::vector<OneField>& cases) {
    for (const OneField& c : cases) {
        ExpectOutcome(MakeTyped(c.entry, {{c.field, c.typed}}),
                      c.message.empty() ? DetailInputError{} : DetailInputError{c.message, c.field},
                      std::string(c.entry) + " " + c.field + " " + c.typed);
    }
}

// Boxes labelled "ft.iiss" take that form or a length as a cell takes it.
TEST(GeneratedValues, FtDottedBoxesTakeBothFormsAndRefuseOthers) {
    const std::string invalid = "Invalid length.";
    const char* spout = "mnuOversizeStdKO";
    ExpectOneFieldOutcomes(
        {{spout, "Length", "3.99", invalid},
         {spout, "Length", "3.1199", invalid},
         {spout, "Length", "3.12", invalid},
         {spout, "Length", "four", invalid},
         {spout, "Length", "47 15/16\"", "Invalid Number.  Downspout must be at least 4' long."},
         {"mnuDSOffset", "Offset", "0.0216", invalid},
         {"mnuDSOffset", "Offset", "2\"", ""},
         {"mnuRidgeCapPrevent", "LegLength", "1.13", invalid},
         {"mnuRidgeCapPrevent", "LegLength", "1' 6", ""},
         {"mnuRidgeCapSSeam", "PPToRidge", "1.0016", invalid},
         {"mnuRidgeCapSSeam", "PanOHang", "1'-x", invalid},
         {"mnuRidgeCapSSeam", "PanOHang", "4\"", ""}});
    for (const auto& [typed, drawn] : {std::pair<std::string, std::string>{"10'-6 1/2", Sx(8)},
                                       {"10' 6", ""},
                                       {"10.0608", Sx(8)}}) {
        const auto values = Values(MakeTyped(spout, {{"Length", typed}}), 0, 0);
        ASSERT_EQ(values.size(), 16u) << typed;
        EXPECT_EQ(values[2], "10'-6" + drawn) << typed;
    }
}

TEST(GeneratedValues, OverflowingNumbersAreInvalidNumbers) {
    const std::string invalid = "Invalid number.";
    ExpectOneFieldOutcomes({{"mnuAutoPgGutStandard", "RoofSlope", "1e400", invalid},
                            {"mnuAutoPgGutOversize", "RoofSlope", "-1e400", invalid},
                            {"mnuAutoPgGutSevIcing", "RoofSlope", "1e39", invalid},
                            {"mnuAutoPgGutOversize", "Width", "1e400", invalid},
                            {"mnuAutoPgGutOversize", "Depth", "1e39", invalid},
                            {"mnuOversizeStdKO", "Width", "1e400", invalid},
                            {"mnuOversizeStdKO", "Length", "1e30", invalid},
                            {"mnuOversizeStdKO", "Length", "1e400", invalid},
                            {"mnuDSOffset", "Offset", "178956971.0608", invalid},
                            {"mnuDSOffset", "Depth", "1e39", invalid},
                            {"mnuCondHeadNormal", "DsDepth", "1e400", invalid},
                            {"mnuMansardCapTrim", "Dim", "1e400", invalid},
                            {"mnuEndDamAS24R", "AngleP2", "1e400", invalid},
                            {"mnuRidgeCapPrevent", "LegLength", "1e30", invalid},
                            {"mnuRidgeCapPrevent", "RoofSlope", "1e39", invalid},
                            {"mnuRidgeCapSSeam", "PanOHang", "1e400", invalid}});
}

} // namespace
} // namespace waybill
