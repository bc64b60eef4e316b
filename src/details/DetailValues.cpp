#include "details/DetailValues.h"

#include "units/Lengths.h"
#include "units/NumberText.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace waybill::details {
namespace {

bool UsableLength(float inches) {
    return std::isfinite(inches) && std::fabs(inches) < kLargestLength;
}

} // namespace

float Single(double value) {
    if (std::isnan(value)) {
        return std::numeric_limits<float>::quiet_NaN();
    }
    if (std::fabs(value) > std::numeric_limits<float>::max()) {
        return value > 0 ? std::numeric_limits<float>::infinity()
                         : -std::numeric_limits<float>::infinity();
    }
    return static_cast<float>(value);
}

double TypedDouble(std::string_view text) {
    return LeadingNumber(text).value_or(std::numeric_limits<double>::quiet_NaN());
}

float TypedSingle(std::string_view text) {
    return Single(TypedDouble(text));
}

std::string PlainNumber(double value, int digits) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, digits);
    return std::string(buffer, result.ptr);
}

std::string DegreeText(long long degrees) {
    return std::to_string(degrees) + "\xB0";
}

ValueLine::ValueLine(std::size_t count, std::string tooLargeMessage)
    : values_(count), tooLargeMessage_(std::move(tooLargeMessage)) {}

void ValueLine::Text(std::size_t index, std::string text) {
    values_.at(index) = std::move(text);
}

void ValueLine::Length(std::size_t index, float inches, std::string_view field) {
    if (UsableLength(inches)) {
        values_.at(index) = FormatFtInGlyph(inches);
    } else if (!failure_) {
        failure_ = DetailInputError{tooLargeMessage_, std::string(field)};
    }
}

} // namespace waybill::details
