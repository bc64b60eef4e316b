#pragma once

// The arithmetic helpers the generators share: typed numbers in single precision, and value
// lines whose lengths are checked before they become feet-inch text.

#include "details/DetailPage.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace waybill::details {

// Beyond 2^20 inches a single-precision length no longer holds every sixteenth, so the
// feet-inch text of a larger value would be wrong.
constexpr float kLargestLength = 1048576.0f;

constexpr const char* kTooLargeMessage = "Invalid number.  The resulting dimensions are too large.";

// A double in single precision; a value beyond the single range becomes infinite.
float Single(double value);

// The leading number of a typed text (text that does not start with a number reads as 0), in
// single or double precision. A number too large even for a double reads as NaN, which every
// range check rejects.
float TypedSingle(std::string_view text);
double TypedDouble(std::string_view text);

// A number as plain decimal text with at most `digits` significant digits (7 for single
// precision, 15 for double).
std::string PlainNumber(double value, int digits);

// Whole degrees followed by the degree sign.
std::string DegreeText(long long degrees);

// A block's value line under construction. Lengths go through FormatFtInGlyph once they are
// known to be usable; the first one that is not (NaN, infinite, or too large) is kept as the
// input error of the field it came from, and the line is then not used.
class ValueLine {
  public:
    explicit ValueLine(std::size_t count, std::string tooLargeMessage = kTooLargeMessage);

    void Text(std::size_t index, std::string text);
    void Length(std::size_t index, float inches, std::string_view field);

    const std::optional<DetailInputError>& Failure() const { return failure_; }
    DetailBlock Block(std::string name) const { return {std::move(name), values_}; }

  private:
    std::vector<std::string> values_;
    std::string tooLargeMessage_;
    std::optional<DetailInputError> failure_;
};

} // namespace waybill::details
