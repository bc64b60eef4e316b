#pragma once

#include <string>
#include <string_view>

namespace waybill::cli {

// Every text that came from a file (a document's texts, the database's headers and tags, a
// lock's holder, a file's name) reaches the terminal through here. Those files come from other
// people on a shared folder, so a control character in them must not reach the terminal as
// one: the C0 controls, DEL, the C1 controls (U+0080-U+009F, which five undefined Windows-1252
// bytes become in UTF-8) and bytes that are no UTF-8 show as "\x1B" (the code in two hex
// digits). TAB is kept only where the caller quotes it (a CSV field).
enum class Tabs { Escaped, Kept };
std::string TerminalText(std::string_view utf8, Tabs tabs = Tabs::Escaped);

// A document's text (Windows-1252, the drawing font's symbols) as plain UTF-8 text for the
// terminal: GlyphsToText, then as TerminalText.
std::string DocumentTerminalText(std::string_view cp1252, Tabs tabs = Tabs::Escaped);

} // namespace waybill::cli
