#pragma once

#include <string>

namespace waybill {

// The shortest plain decimal text that reads back as the same double: "66.5", "60",
// "306.75", "-0.125". Always "." and never an exponent, whatever the locale.
std::string FormatDecimal(double value);

} // namespace waybill
