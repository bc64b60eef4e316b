#pragma once

#include <string>
#include <string_view>

namespace waybill {

// Blanks are spaces, as the files and the grid cells use them; tabs and other bytes are
// content and stay.
std::string_view TrimView(std::string_view s);
std::string Trim(std::string_view s);

// Letter case is folded for ASCII letters only, so the drawing-font glyphs (bytes 128-255)
// never change.
char ToUpperAscii(char c);
char ToLowerAscii(char c);
std::string ToUpper(std::string_view s);
std::string ToLower(std::string_view s);
bool EqualsNoCase(std::string_view a, std::string_view b);
bool StartsWithNoCase(std::string_view s, std::string_view prefix);
bool EndsWithNoCase(std::string_view s, std::string_view suffix);
// Negative, zero or positive as a is before, equal to or after b in text order, ignoring case.
int CompareNoCase(std::string_view a, std::string_view b);
bool ContainsNoCase(std::string_view s, std::string_view part);

} // namespace waybill
