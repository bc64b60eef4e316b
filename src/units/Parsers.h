#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace waybill {

// Value lines of page data: a leading "|" and every value followed by "|".
std::vector<std::string> SplitPipeList(std::string_view text);
// Every text that becomes a value of page data (typed, pasted, imported or generated) goes
// through PipeListValue: a value can never hold "|", so each one becomes the look-alike broken
// bar (Windows-1252 0xA6), and the value keeps to one line (SingleLineText).
constexpr char kBrokenBar = '\xA6';
std::string PipeListValue(std::string_view text);
std::string JoinPipeList(const std::vector<std::string>& values, std::size_t start);

bool IsParenList(std::string_view text);
// CAD percent codes: "%%34" -> \" ; "%%C", "%%c" -> byte 186 ; "%%137" -> byte 240.
std::string DecodeCadCodes(std::string_view text);
// The top-level items of a parenthesised list. Parentheses opened inside a bare item close
// inside it ("W8X10(A)" stays whole); inside a sub-list they do not nest.
std::vector<std::string> TokenizeList(std::string_view text);
// `text` with the index-th parenthesised value (from 1) replaced by `value`; a text without
// parentheses gets " (value)" appended, unless the value is empty.
std::string SetParenText(std::string_view text, std::string_view value, int index);

} // namespace waybill
