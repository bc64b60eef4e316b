#include "units/Lengths.h"

#include <gtest/gtest.h>
#include <limits>

namespace waybill {
namespace {

std::string Glyph(int code) {
    return std::string(1, static_cast<char>(code));
}

TEST(Round16, TruncatesAfterAddingHalf) {
    EXPECT_FLOAT_EQ(Round16(1.03f), 1.0f);
    EXPECT_FLOAT_EQ(Round16(1.04f), 1.0625f);
    EXPECT_FLOAT_EQ(Round16(0.03125f), 0.0625f); // exactly half a sixteenth rounds up
    EXPECT_FLOAT_EQ(Round16(0), 0);
}

TEST(FormatFtIn, PlainFractionsAreReduced) {
    EXPECT_EQ(FormatFtIn(65.375f, false), "5'-5 3/8");
    EXPECT_EQ(FormatFtIn(60, false), "5'-0");
    EXPECT_EQ(FormatFtIn(0.5f, false), "0'-0 1/2");
    EXPECT_EQ(FormatFtIn(0.0625f, false), "0'-0 1/16");
    EXPECT_EQ(FormatFtIn(11.99f, false), "1'-0"); // rounding carries into the feet
}

TEST(FormatFtInGlyph, CompactForms) {
    EXPECT_EQ(FormatFtInGlyph(65.375f), "5'-5" + Glyph(212));
    EXPECT_EQ(FormatFtInGlyph(12), "1'");
    EXPECT_EQ(FormatFtInGlyph(24), "2'");
    EXPECT_EQ(FormatFtInGlyph(12.0625f), "1'-0" + Glyph(202));
    EXPECT_EQ(FormatFtInGlyph(6), "6");
    EXPECT_EQ(FormatFtInGlyph(0.5f), Glyph(216));
    EXPECT_EQ(FormatFtInGlyph(0), "0");
    EXPECT_EQ(FormatFtInGlyph(-3), "0");
    EXPECT_EQ(FormatFtInGlyph(15.9375f), "1'-3" + Glyph(230));
}

TEST(FormatInchesGlyph, NeverFeet) {
    const std::pair<float, std::string> cases[] = {
        {12, "12"},   {24, "24"},         {12.5f, "12" + Glyph(216)},
        {100, "100"}, {11.97f, "12"}, // rounds to 12 inches, not 1'
        {4, "4"},     {0.5f, Glyph(216)}, {0, "0"},
        {-3, "0"},    {0.01f, "0"},
    };
    for (const auto& [x, text] : cases) {
        EXPECT_EQ(FormatInchesGlyph(x), text) << x;
    }
    // Below a foot it is the feet-inch text itself.
    for (float x = 0; x < 11.96f; x += 0.03f) {
        EXPECT_EQ(FormatInchesGlyph(x), FormatFtInGlyph(x)) << x;
    }
}

// A leading dash gives an empty first piece; blanks inside a denominator are dropped; inches
// are whole numbers rounded half to even; glyph fractions are read, odd 32nds kept.
TEST(ParseFtIn, FeetInchesFractionsAndGlyphs) {
    const std::pair<std::string, double> cases[] = {{"5'-6 1/2", 66.5},
                                                    {"5' 6 1/2", 66.5},
                                                    {"5' 6 1/2\"", 66.5},
                                                    {"5-6", 66},
                                                    {"5'6\"", 66},
                                                    {"12-0-1/2", 144.5},
                                                    {"5.5'", 66},
                                                    {"  7  ", 7},
                                                    {"-5", 5},
                                                    {"3/4", 0.75},
                                                    {"1/2 3", 1.0 / 23},
                                                    {"66.5", 66},
                                                    {"67.5", 68},
                                                    {"5'-5" + Glyph(212), 65.375},
                                                    {Glyph(216), 0.5},
                                                    {"6" + Glyph(201), 6 + 1.0 / 32},
                                                    {"6" + Glyph(204) + "junk", 6.125}};
    for (const auto& [text, inches] : cases) {
        EXPECT_DOUBLE_EQ(ParseFtIn(text), inches) << text;
    }
}

TEST(ParseFtIn, NoLengthGivesZero) {
    for (const char* text : {"", "   ", "1-2-3-4", "5 6", "4/2", "3/0", "0/4", "abc", "5'6'", "1x",
                             "5 6 7", "--", "1/", "99999999999'", "40000"}) {
        EXPECT_DOUBLE_EQ(ParseFtIn(text), 0) << text;
    }
}

TEST(ParseFtDotted, FeetInchesSixteenthsOrNoLength) {
    EXPECT_FLOAT_EQ(ParseFtDotted(" 10.0608 "), 126.5f);
    EXPECT_FLOAT_EQ(ParseFtDotted("10."), 120);
    for (const char* text : {"abc", "1.2.3", "", "99999999999"}) {
        EXPECT_FLOAT_EQ(ParseFtDotted(text), 0) << text;
    }
    EXPECT_FLOAT_EQ(ParseFtDotted("99999999999.0608"), 0);
    EXPECT_FLOAT_EQ(ParseFtDotted("178956971.0608"), 0); // 12 x feet passes 2^31
    EXPECT_FLOAT_EQ(ParseFtDotted("178956970.00"), 2147483640.0f);
}

TEST(ReadFtDottedBox, DottedFormFeetInchFormOrNoLength) {
    using Read = std::variant<float, LengthFault>;
    const Read notALength = LengthFault::NotALength;
    const Read tooLarge = LengthFault::TooLarge;
    const std::pair<const char*, Read> cases[] = {
        // The dotted form reads as ParseFtDotted reads it...
        {"10.0608", 126.5f},
        {"10.06", 126.0f},
        {"10.", 120.0f},
        {"10", 120.0f},
        {" 2.1104 ", 35.25f},
        {"3.1115", 47.9375f},
        {"10.1", 121.0f},
        {".06", 6.0f},
        {"-3.0608", -29.5f},
        {"1e1", 120.0f},
        {"10.06081", 126.5f},
        {"0", 0.0f},
        {"178956970.00", 2147483640.0f},
        // ...but within a foot and an inch.
        {"3.12", notALength},
        {"3.99", notALength},
        {"3.1116", notALength},
        {"3.1199", notALength},
        {"1.5e3", notALength},
        // Any other text is a length as a cell takes it.
        {"10'-6 1/2", 126.5f},
        {"10' 6", 126.0f},
        {"10'6\"", 126.0f},
        {"5-6", 66.0f},
        {"4'", 48.0f},
        {"6\"", 6.0f},
        {"1/2\"", 0.5f},
        {"four", notALength},
        {"", notALength},
        {"5 6", notALength},
        {"0'", notALength},
        {"10.06 1/2", 10.5f}, // a blank after the number: ten and a half inches
        // Feet that cannot be counted in inches.
        {"1e30", tooLarge},
        {"1e400", tooLarge},
        {"-1e30", tooLarge},
        {"178956971.0608", tooLarge},
        {"99999999999", tooLarge},
    };
    for (const auto& [text, read] : cases) {
        EXPECT_EQ(ReadFtDottedBox(text), read) << text;
    }
}

// The generators divide by sines that may be 0; whatever comes out, the formatters give a
// defined text, and every length above 0 a text that is not empty.
TEST(FormatFtIn, EveryFloatHasADefinedText) {
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    for (const float x : {nan, inf, -inf}) {
        EXPECT_EQ(FormatFtIn(x, false), "0'-0") << x;
        EXPECT_EQ(FormatFtIn(x, true), "0'-0") << x;
        EXPECT_EQ(FormatFtInGlyph(x), "0") << x;
    }
    EXPECT_EQ(FormatFtIn(1.2e10f, false), "1000000000'-0");
    EXPECT_EQ(FormatFtInGlyph(1.2e10f), "1000000000'");
    const std::string max = FormatFtInGlyph(std::numeric_limits<float>::max());
    EXPECT_EQ(max, FormatFtIn(std::numeric_limits<float>::max(), false).substr(0, max.size()));
    EXPECT_EQ(max.size(), 39u); // 3.4e38 inches are a 38-digit number of feet and a mark
    EXPECT_EQ(max.find_first_not_of("0123456789"), 38u);
    EXPECT_EQ(FormatFtIn(-12, false), "-1'-0 1/16"); // no "-0" inches
    EXPECT_EQ(FormatFtInGlyph(std::numeric_limits<float>::denorm_min()), "0");
    for (const float x : {1.0f / 16, 0.01f, 1e-3f, 1e7f, 3e38f}) {
        EXPECT_FALSE(FormatFtInGlyph(x).empty()) << x;
    }
}

TEST(GlyphsToText, FractionsAndSymbolsBecomePlainText) {
    EXPECT_EQ(GlyphsToText(Glyph(216)), "1/2");
    EXPECT_EQ(GlyphsToText("6" + Glyph(204)), "6-1/8");
    EXPECT_EQ(GlyphsToText("5'-5" + Glyph(212)), "5'-5-3/8");
    EXPECT_EQ(GlyphsToText("x" + Glyph(201)), "x1/32");
    EXPECT_EQ(GlyphsToText("L" + Glyph(237)), "LL");
    EXPECT_EQ(GlyphsToText(Glyph(232) + "4" + Glyph(186)), "\xD8"
                                                           "4\xD8");
    EXPECT_EQ(
        GlyphsToText(Glyph(233) + Glyph(234) + Glyph(235) + Glyph(236) + Glyph(240) + Glyph(241)),
        "CLPLCGZG");
    EXPECT_EQ(GlyphsToText(Glyph(200) + Glyph(242) + Glyph(188) + Glyph(185)),
              Glyph(200) + Glyph(242) + Glyph(188) + Glyph(185));
}

} // namespace
} // namespace waybill
