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
constexpr const char* kTooSmallMessage = "Invalid number.  The resulting dimensions are too small.";

// A double in single precision; a value beyond the single range becomes infinite.
float Single(double value);

// The leading number of a typed text (text that does not start with a number reads as 0), in
// single or double precision. A number too large for its precision reads as NaN, which every
// rule on a typed number refuses; RuleError then tells it apart.
float TypedSingle(std::string_view text);
double TypedDouble(std::string_view text);

// The input error when a rule refuses a typed number: its own message, but "Invalid number."
// for a number that overflowed (NaN), which no range message fits.
DetailInputError RuleError(double typed, std::string message, std::string field);

// A box labelled "ft.iiss" (ReadFtDottedBox): its length, or "Invalid length." for a text that
// is no length and "Invalid number." for feet too many to count.
struct TypedLength {
    float inches = 0;
    std::optional<DetailInputError> error;
};
TypedLength TypedFtDotted(std::string_view text, std::string field);

// A typed text as a value of the page: trimmed, one line, no "|" (PipeListValue).
std::string TypedText(std::string_view text);

// A typed SF number as a value of the page (TypedText). The drawings print "SF-" before the
// number, so a leading "SF-" typed as well (in any letter case) is left off.
std::string TypedSfNumber(std::string_view text);

// A formed piece is drawn to the sixteenth: one that rounds to 0 or less cannot be made.
bool Formable(float inches);

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
    // A roof slope: inches, never feet (FormatInchesGlyph).
    void Slope(std::size_t index, float slope, std::string_view field);

    const std::optional<DetailInputError>& Failure() const { return failure_; }
    DetailBlock Block(std::string name) const { return {std::move(name), values_}; }

  private:
    void Put(std::size_t index, float inches, std::string_view field, std::string (*format)(float));

    std::vector<std::string> values_;
    std::string tooLargeMessage_;
    std::optional<DetailInputError> failure_;
};

} // namespace waybill::details
