#include "details/Gutter.h"

#include "DetailExpect.h"

namespace waybill {
namespace {

using namespace test;

const std::string kTooLarge = "Invalid number.  The resulting dimensions are too large.";

TEST(Gutter, ValidationFirstFailingRuleWins) {
    const std::string slope = "Invalid Roof Slope. Slope must be greater than 0.";
    const std::string range = "Invalid Number.  Value must be from 4 to 16.";
    const std::string hg330 = "Use the HG-330 gutter for this condition.";
    struct Case {
        GutterInput input;
        DetailInputError error; // empty message: the page is made
    };
    const Case cases[] = {
        {Gutter(GutterKind::Standard, "", "", "0"), {slope, "RoofSlope"}},
        {Gutter(GutterKind::Standard, "", "", ""), {slope, "RoofSlope"}},
        {Gutter(GutterKind::Standard, "", "", "-4"), {slope, "RoofSlope"}},
        {Gutter(GutterKind::Standard, "", "", "four"), {slope, "RoofSlope"}},
        {Gutter(GutterKind::Oversize, "0", "0", "0"), {slope, "RoofSlope"}},
        {Gutter(GutterKind::Standard, "", "", "2"), {hg330, "RoofSlope"}},
        {Gutter(GutterKind::Standard, "", "", "2.01"), {}},
        {Gutter(GutterKind::Standard, "", "", "2", GutterPanel::StormGrip), {}},
        {Gutter(GutterKind::Standard, "99", "x", "4"), {}}, // Width and Depth are ignored
        {Gutter(GutterKind::Oversize, "8", "6", "1"), {}},  // HG-330 only for the standard
        {Gutter(GutterKind::Oversize, "3.99", "6", "4"), {range, "Width"}},
        {Gutter(GutterKind::Oversize, "16.01", "6", "4"), {range, "Width"}},
        {Gutter(GutterKind::Oversize, "", "6", "4"), {range, "Width"}},
        {Gutter(GutterKind::Oversize, "4", "6", "4"), {}},
        {Gutter(GutterKind::Oversize, "16", "6", "4"), {}},
        {Gutter(GutterKind::Oversize, "8", "3.99", "4"), {range, "Depth"}},
        {Gutter(GutterKind::Oversize, "8", "16.01", "4"), {range, "Depth"}},
        {Gutter(GutterKind::SevereIce, "8", "4", "4", GutterPanel::StormGrip), {}},
        {Gutter(GutterKind::Oversize, "8", "16", "4"), {}},
        {Gutter(GutterKind::SevereIce, "20", "6", "4"), {range, "Width"}},
        {Gutter(GutterKind::SevereIce, "8", "2", "4", GutterPanel::StormGrip), {range, "Depth"}},
        {Gutter(GutterKind::SevereIce, "16", "16", "4", GutterPanel::StormGrip), {}},
    };
    for (const Case& c : cases) {
        ExpectOutcome(MakeGutter(c.input), c.error,
                      c.input.width + "/" + c.input.depth + "/" + c.input.roofSlope);
    }
}

TEST(Gutter, SteepSlopeAsksForEveryVariantAboveSix) {
    for (const GutterKind kind :
         {GutterKind::Oversize, GutterKind::Standard, GutterKind::SevereIce}) {
        for (const auto& [slope, warn] : {std::pair{"6", false}, {"6.01", true}, {"12", true}}) {
            const DetailResult result = MakeGutter(Gutter(kind, "8", "16", slope));
            ASSERT_NE(PagesOf(result), nullptr) << slope;
            EXPECT_EQ(PagesOf(result)->steepSlopeWarning, warn) << slope;
        }
    }
}

TEST(Gutter, PagesOfEachKindAndPanel) {
    struct Case {
        GutterInput input;
        const char *cad, *description;
        PageLines lines;
    };
    const Case cases[] = {
        // StormGrip at 4:12, lap 2: B = Round16(5.25 / cos - tan) = Round16(5.2007) = 5 3/16,
        // C = 3 3/16, Total = C + 5 5/8 + 12 11/16 = 21 1/2.
        {Gutter(GutterKind::Standard, "", "", "4", GutterPanel::StormGrip, " S7 "),
         "trim22",
         "TRIM DETAILS (Gutter for StormGrip Pnls.)",
         {"ATTRIBLK: trim22", Line("4|7^4|1^4|3^3|1|5^3|108\xB0|5^10|S7|1'-9^8")}},
        // Apex Span at 4:12, lap 1 1/4: B = Round16(6.3246 - 0.3333) = 6, H = 4.
        {Gutter(GutterKind::Standard, "", "", "4"),
         "trim22",
         "TRIM DETAILS (Gutter for A. Span Pnls.)",
         {"ATTRIBLK: trim22", Line("4|7^4|1^4|4|1|6|108\xB0|4|1234|1'-8^11")}},
        // Apex Seam-24R at 12:12, lap 3: B = Round16(4.25 * 1.41421 - 1) = 5, angle 135.
        {Gutter(GutterKind::Standard, "", "", "12", GutterPanel::ApexSeam24R),
         "trim22",
         "TRIM DETAILS (Gutter for AS-24R Pnls.)",
         {"ATTRIBLK: trim22", Line("12|7^4|1^4|3|1|5|135\xB0|5^10|1234|1'-9^5")}},
        // Width 8, depth 6, 4:12, Apex Span: A = Round16(6 cos + 1.25) = 6 15/16,
        // B = Round16((A - 1.25) / cos - 1/3) = 5 11/16, C = 15/16, Total = 24 1/16.
        {Gutter(GutterKind::Oversize, "8", "6", "4"),
         "trim22-01",
         "TRIM DETAILS (Oversize Gutter for A. Span Pnls.)",
         {"ATTRIBLK: trim22", Line("4|6^15|^15|3^11|1|5^11|108\xB0|8|1234|2'-0^1")}},
        // Apex Span, width 8, depth 6, 4:12: S = Round16(6.5 / cos) = 6 7/8, V = Round16(6.5 +
        // S sin) = 8 11/16, strap angle 180 - atan(1.3125 / V) = 171.41, L = 8 13/16,
        // D = 6 cos = 5.692.
        {Gutter(GutterKind::SevereIce, "8", "6", "4"),
         "trim25-01",
         "TRIM DETAILS (Gutter w/strap for A. Span Pnls.)",
         {"ATTRIBLK: trim25", Line("8|6^14|3^7|2^14|5^11|2^3|4|108\xB0|1234|1'-11^15"),
          "ATTRIBLK: gutter_strap", Line("8^11|8^13|1^15|171|171|1235|1'-3^9")}},
        // StormGrip: V = Round16(8.25 + S sin) = 10 7/16, strap angle 177.26, L = 10 7/16.
        {Gutter(GutterKind::SevereIce, "8", "6", "4", GutterPanel::StormGrip, "A12"),
         "trim26-01",
         "TRIM DETAILS (Gutter w/strap for StormGrip Pnls.)",
         {"ATTRIBLK: trim26", Line("8|6^14|3^7|2^14|4|108\xB0|A12|2'-1^1"),
          "ATTRIBLK: gutter_strap", Line("10^7|10^7|^8|177|177|.|1'-5^3")}},
    };
    for (const Case& c : cases) {
        ExpectPage(MakeGutter(c.input), 0, c.cad, c.description, c.lines);
    }
}

TEST(Gutter, StrapSFNumberFollowsANumericSFNumber) {
    const std::pair<std::string, std::string> cases[] = {
        {"1234", "1235"}, {"ABC", "."},         {"", "."},
        {"-5", "-4"},     {"99999999999", "."}, {"2147483647", "2147483648"}};
    for (const auto& [sf, strap] : cases) {
        const DetailResult result =
            MakeGutter(Gutter(GutterKind::SevereIce, "8", "6", "4", GutterPanel::ApexSpan, sf));
        EXPECT_EQ(Values(result, 0, 1).at(5), strap) << sf;
    }
}

TEST(Gutter, SlopesTooSteepToDrawAreInputErrors) {
    for (const GutterKind kind :
         {GutterKind::Oversize, GutterKind::Standard, GutterKind::SevereIce}) {
        for (const char* slope : {"1e7", "3e38"}) {
            EXPECT_EQ(ErrorOf(MakeGutter(Gutter(kind, "8", "6", slope))),
                      (DetailInputError{kTooLarge, "RoofSlope"}))
                << slope;
        }
        EXPECT_NE(PagesOf(MakeGutter(Gutter(kind, "8", "16", "30"))), nullptr);
    }
}

} // namespace
} // namespace waybill
