#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace waybill {

// Find compares texts as the reader sees them, so that a symbol is found both by what it looks
// like and by the plain text the docks show for it. A stored text's fraction glyphs and symbols
// become their plain text (GlyphsToText: "1/4", "CL", the diameter as Windows-1252 216); the
// keyboard's own fractions one quarter, one half and three quarters (Windows-1252 188-190) are
// read as the glyphs the font draws alike. In a typed text 216 is the diameter sign the user
// sees and types, not the glyph of 1/2 that the font draws at that code.
struct SeenText {
    std::string text;
    // Where the seen text of each stored character starts, then the text's size: a character
    // takes more than one place only when it is a glyph or a keyboard fraction.
    std::vector<std::size_t> starts;
};

SeenText SeeStored(std::string_view stored);
std::string SeeTyped(std::string_view typed);
// Whether a symbol's plain text holds the character: a value's seen text holds any other
// character only where the value itself does.
bool SymbolsCanShow(char c);

// The seen text of `stored` without the places: `stored` itself when it holds no symbol (nearly
// every value), else the seen text in `buffer`.
std::string_view SeenView(std::string_view stored, std::string& buffer);

} // namespace waybill
