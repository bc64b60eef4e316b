#pragma once

#include <string_view>

namespace waybill {

// True when the whole text matches the pattern, where "*" stands for any run of characters
// (none included) and "?" for exactly one. Letter case is ignored (ASCII only), as the
// system compares names and codes.
bool MatchesPattern(std::string_view text, std::string_view pattern);

} // namespace waybill
