#include "details/DetailValues.h"

#include "units/Lengths.h"
#include "units/NumberText.h"
#include "units/Parsers.h"
#include "units/Text.h"

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
    const float value = Single(TypedDouble(text));
    return std::isinf(value) ? std::numeric_limits<float>::quiet_NaN() : value;
}

DetailInputError RuleError(double typed, std::string message, std::string field) {
    if (std::isnan(typed)) {
        return {"Invalid number.", std::move(field)};
    }
    return {std::move(message), std::move(field)};
}

TypedLength TypedFtDotted(std::string_view text, std::string field) {
    const auto read = ReadFtDottedBox(text);
    if (const auto* inches = std::get_if<float>(&read)) {
        return {*inches, std::nullopt};
    }
    const bool tooLarge = std::get<LengthFault>(read) == LengthFault::TooLarge;
    return {0,
            DetailInputError{tooLarge ? "Invalid number." : "Invalid length.", std::move(field)}};
}

std::string TypedText(std::string_view text) {
    return Trim(PipeListValue(text));
}

std::string TypedSfNumber(std::string_view text) {
    const std::string value = TypedText(text);
    constexpr std::string_view kLabel = "SF-";
    if (EqualsNoCase(std::string_view(value).substr(0, kLabel.size()), kLabel)) {
        return Trim(std::string_view(value).substr(kLabel.size()));
    }
    return value;
}

bool Formable(float inches) {
    return Round16(inches) > 0;
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
    Put(index, inches, field, FormatFtInGlyph);
}

void ValueLine::Slope(std::size_t index, float slope, std::string_view field) {
    Put(index, slope, field, FormatInchesGlyph);
}

void ValueLine::Put(std::size_t index, float inches, std::string_view field,
                    std::string (*format)(float)) {
    if (UsableLength(inches)) {
        values_.at(index) = format(inches);
    } else if (!failure_) {
        failure_ = DetailInputError{tooLargeMessage_, std::string(field)};
    }
}

} // namespace waybill::details
