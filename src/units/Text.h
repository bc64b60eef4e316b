#pragma once

#include <string>
#include <string_view>

namespace waybill {

// Blanks are spaces, as the files and the grid cells use them; tabs and other bytes are
// content and stay.
std::string_view TrimView(std::string_view s);
std::string Trim(std::string_view s);

// The document file holds each value within one line, so a text pasted into a cell or a box
// keeps to one: each line end (CR LF, CR or LF) and TAB becomes a blank, and the line ends at
// the end, which a copied spreadsheet cell brings along, are dropped. Other control characters
// (below 32, and 127) are dropped: no value ever holds one.
std::string SingleLineText(std::string_view text);

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
