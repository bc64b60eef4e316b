#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace waybill {

// Value lines of page data: a leading "|" and every value followed by "|".
std::vector<std::string> SplitPipeList(std::string_view text);
// A value can never hold "|": wherever one would end up in a value (typed, pasted or
// imported), it becomes the look-alike broken bar (Windows-1252 0xA6).
constexpr char kBrokenBar = '\xA6';
std::string WithoutBars(std::string_view value);
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
