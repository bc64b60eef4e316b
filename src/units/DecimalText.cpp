#include "units/DecimalText.h"

#include <charconv>
#include <cmath>

namespace waybill {

std::string FormatDecimal(double value) {
    if (!std::isfinite(value)) {
        return "0";
    }
    if (value == 0) {
        return "0"; // no "-0"
    }
    // Fixed notation of the largest or smallest doubles takes a little over 1,000 characters.
    char buffer[1100];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return std::string(buffer, result.ptr);
}

} // namespace waybill
