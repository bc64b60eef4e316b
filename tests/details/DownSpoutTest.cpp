#include "details/DownSpout.h"

#include "DetailExpect.h"

namespace waybill {
namespace {

using namespace test;

DownSpoutInput Spout(std::string width, std::string depth, std::string length,
                     KickoutStyle style = KickoutStyle::Standard, bool strap = false) {
    return {std::move(width), std::move(depth), std::move(length), "S1", "S2", strap, style};
}

const std::string kTooLarge = "Invalid number.  The resulting dimensions are too large.";

TEST(DownSpout, ValidationFirstFailingRuleWins) {
    const std::string range = "Invalid Number.  Value must be from 3 to 12.";
    const std::string shortLength = "Invalid Number.  Downspout must be at least 4' long.";
    const std::pair<DownSpoutInput, DetailInputError> cases[] = {
        {Spout("2.99", "3", "4"), {range, "Width"}},
        {Spout("12.01", "3", "4"), {range, "Width"}},
        {Spout("", "", ""), {range, "Width"}},
        {Spout("3", "2.99", "4"), {range, "Depth"}},
        {Spout("3", "12.01", "0"), {range, "Depth"}},
        {Spout("3", "3", "3.1115"), {shortLength, "Length"}}, // 47 15/16 inches
        {Spout("3", "3", "3.11"), {shortLength, "Length"}},
        {Spout("4", "3", "99999.00"), {kTooLarge, "Length"}}, // too long to draw
        {Spout("3", "3", "4"), {}},
        {Spout("12", "12", "4.00"), {}},
    };
    for (const auto& [input, error] : cases) {
        ExpectOutcome(MakeDownSpout(input), error,
                      input.width + "/" + input.depth + "/" + input.length);
    }
}

TEST(DownSpout, KickoutStylesAndTheStrapPage) {
    // Width 4, depth 3, 10'-6 1/2: girth 15; K1 = Round16(2.6875 x 0.7071) = 1 7/8,
    // K2 = Round16(2.875 / 0.7071) = 4 1/16, K3 = 5 1/16, K4 = Round16(3.875 x 0.7071) = 2 3/4,
    // K5 = 3.9385 (drawn 3 15/16), K6 = 9.4385 (drawn 9 7/16).
    const DetailResult standard =
        MakeDownSpout(Spout("4", "3", "10.0608", KickoutStyle::Standard, true));
    ExpectPage(
        standard, 0, "trim20", "TRIM DETAILS (Oversize Downspout w/Kickout)",
        {"ATTRIBLK: trim20",
         Line("4|3|10'-6^8|S1|1'-3|3^3|1^14|1^14|2^12|4^1|5^1|2^12|3^15|2^12|9^7|5^1 x 9^7")});
    ExpectPage(standard, 1, "trim24", "TRIM DETAILS (Strap for Oversize Downspout)",
               {"ATTRIBLK: trim24", Line("4^2|1.5|1.5|S2|7^2")});
    EXPECT_EQ(PagesOf(standard)->pages.size(), 2u);

    const DetailResult oldStyle =
        MakeDownSpout(Spout("5", "5.3", "6", KickoutStyle::OldStyle, true));
    ExpectPage(oldStyle, 0, "trim21", "TRIM DETAILS (Oversize Downspout w/O.S. Kickout)",
               {"ATTRIBLK: trim21", Line("5|5^5|6'|S1|1'-9^10")});
    // Half the depth is written as a plain number.
    ExpectPage(oldStyle, 1, "trim24", "TRIM DETAILS (Strap for Oversize Downspout)",
               {"ATTRIBLK: trim24", Line("5^2|2.65|2.65|S2|10^7")});

    const DetailResult unstrapped = MakeDownSpout(Spout("4", "5", "4"));
    ASSERT_NE(PagesOf(unstrapped), nullptr);
    EXPECT_EQ(PagesOf(unstrapped)->pages.size(), 1u);
}

TEST(DSOffset, ValidationFirstFailingRuleWins) {
    const std::string range = "Invalid Number.  Value must be from 4 to 12.";
    const std::string offset = "Invalid Number.  Offset must be at least 2 inches.";
    const std::pair<DSOffsetInput, DetailInputError> cases[] = {
        {{"3", "4", "1", ""}, {range, "Width"}},
        {{"12.01", "4", "1", ""}, {range, "Width"}},
        {{"4", "3", "1", ""}, {range, "Depth"}},
        {{"4", "12.01", "1", ""}, {range, "Depth"}},
        {{"4", "4", "0.0115", ""}, {offset, "Offset"}}, // 1 15/16 inches
        {{"4", "4", "", ""}, {"Invalid length.", "Offset"}},
        {{"4", "4", "99999.00", ""}, {kTooLarge, "Offset"}},
        {{"4", "4", "0.02", ""}, {}},
        {{"12", "12", "1", ""}, {}},
    };
    for (const auto& [input, error] : cases) {
        ExpectOutcome(MakeDSOffset(input), error,
                      input.width + "/" + input.depth + "/" + input.offset);
    }
}

TEST(DSOffset, FourDecimalConstants) {
    // Depth 4, offset 1 foot: E1 = Round16(4 x 0.4142) = 1 11/16, E2 = 10 5/16,
    // E3 = Round16(12 / 0.7071) = 17, E4 = 34 5/16, girth 17.
    ExpectPage(MakeDSOffset({"4", "4", "1.0000", " X "}), 0, "trim29-00",
               "TRIM DETAILS (Downspout Offset)",
               {"ATTRIBLK: trim29", Line("4|4|2'-10^5|10^5|1'|1^11|1'-5|1'|1^11|1'|10^5|X|1'-5")});
}

} // namespace
} // namespace waybill
