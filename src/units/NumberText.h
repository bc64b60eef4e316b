#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace waybill {

// Reading numbers out of typed text the way the users' data has always been read: a
// decimal point "." whatever the locale.

// The number at the start of the text: blanks anywhere are skipped, an optional sign,
// digits with at most one ".", an optional exponent ("E" or "D"); reading stops at the first
// character that cannot continue the number. No digits gives 0. Nothing when the value
// overflows a double.
std::optional<double> LeadingNumber(std::string_view text);

// True when the whole text, blanks around it allowed, is one number.
bool IsNumeric(std::string_view text);

// The whole text as a number when IsNumeric, else nothing.
std::optional<double> NumericValue(std::string_view text);

// Round half to even, then range-check: nothing on overflow.
std::optional<std::int16_t> RoundToInt16(double value);
std::optional<std::int32_t> RoundToInt32(double value);

} // namespace waybill
