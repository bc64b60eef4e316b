#pragma once

#include <string>
#include <string_view>
#include <variant>

namespace waybill {

// Lengths are inches. Drawing text writes fractions as one character of the drawing font
// "ArialDT": byte 200 + k draws k/32 inch (k = 1..31); bytes 232-241 are symbols.
constexpr unsigned char kFirstFractionGlyph = 201;
constexpr unsigned char kLastFractionGlyph = 231;
constexpr unsigned char kFirstSymbolGlyph = 232;
constexpr unsigned char kLastSymbolGlyph = 241;
// The font draws the diameter at 186 as well, where the CAD code %%c puts it.
constexpr unsigned char kCadDiameterGlyph = 186;

// The character that draws n/16 inch (n = 1..15).
char SixteenthGlyph(int n);

// Inches rounded to the sixteenth, as lengths are shown.
double RoundToSixteenth(double inches);
float Round16(float x);
// Both formatters write any finite length in full, however large (feet as a whole number
// of as many digits as it takes), and a value that is no number or infinite as a length
// of 0 ("0'-0" and "0"). Callers that take lengths from input reject such values first.
std::string FormatFtIn(float x, bool useGlyph);
std::string FormatFtInGlyph(float x);
// Whole inches and the glyph of the sixteenths, never feet (a roof slope is a rise in 12 of
// run: 24 stays 24); below 12 inches the same text as FormatFtInGlyph.
std::string FormatInchesGlyph(float x);
// Inches of a typed length; 0 for text that is no length.
double ParseFtIn(std::string_view text);
// "ft.iiss" (feet, point, two digits of inches, two of sixteenths); 0 when not numeric or
// when the feet are too many to count in whole inches.
float ParseFtDotted(std::string_view text);

// A length typed into a box that asks for "ft.iiss". A text that is one number is that form,
// read as ParseFtDotted reads it, but only digits may follow the point, and the inches (the two
// after it) must be below 12 and the sixteenths (the next two) below 16. Any other text is a
// length as a grid cell takes it ("10'-6 1/2", "10' 6", "6\""), read by ParseFtIn. Feet too many
// to count in whole inches are too large; a text neither form reads is no length.
enum class LengthFault { NotALength, TooLarge };
std::variant<float, LengthFault> ReadFtDottedBox(std::string_view text);
std::string ReduceFraction(std::string_view text);

// Text leaves the drawing (docks, the status bar, messages, the command line, exports) as plain
// text: each fraction glyph becomes its reduced fraction ("1/4"), led by "-" after a digit
// ("6-1/8"), and each symbol its letters ("CL") or the Windows-1252 "\xD8" for the diameter.
// SymbolPlainText gives one character's plain text, empty for a character that is its own.
std::string_view SymbolPlainText(unsigned char code, bool afterDigit);
std::string GlyphsToText(std::string_view text);

} // namespace waybill
