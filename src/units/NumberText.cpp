#include "units/NumberText.h"

#include "units/Text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace waybill {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Copies the longest number at the start of `text` into `out` without blanks; returns the
// number of characters of `text` used.
std::size_t ScanNumber(std::string_view text, std::string& out, bool skipBlanks) {
    std::size_t i = 0;
    auto skip = [&] {
        while (skipBlanks && i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
            ++i;
        }
    };
    skip();
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        out += text[i++];
        skip();
    }
    bool digits = false;
    bool point = false;
    while (i < text.size()) {
        const char c = text[i];
        if (IsDigit(c)) {
            out += c;
            digits = true;
        } else if (c == '.' && !point) {
            out += c;
            point = true;
        } else if (!(skipBlanks && (c == ' ' || c == '\t'))) {
            break;
        }
        ++i;
    }
    if (!digits) {
        return i;
    }
    // An exponent counts only when digits follow it.
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            exponent += text[j++];
        }
        const std::size_t digitsStart = j;
        while (j < text.size() && (IsDigit(text[j]) || (skipBlanks && text[j] == ' '))) {
            if (text[j] != ' ') {
                exponent += text[j];
            }
            ++j;
        }
        if (j > digitsStart && exponent.find_first_of("0123456789") != std::string::npos) {
            out += exponent;
            i = j;
        }
    }
    return i;
}

// Which way a number that does not fit a double misses: by size (true) or by smallness.
bool TooLarge(std::string_view number) {
    const std::size_t e = number.find('e');
    const std::string_view mantissa = number.substr(0, e);
    long long exponent = 0;
    if (e != std::string_view::npos) {
        std::string_view digits = number.substr(e + 1);
        const bool negative = !digits.empty() && digits.front() == '-';
        if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) {
            digits.remove_prefix(1);
        }
        // Exponents beyond any double's range are all alike here.
        exponent = digits.size() > 6 ? 1000000 : std::stoll(std::string(digits));
        exponent = negative ? -exponent : exponent;
    }
    const std::size_t firstDigit = mantissa.find_first_of("123456789");
    if (firstDigit == std::string_view::npos) {
        return false;
    }
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    // The power of ten of the leading digit, plus one.
    const long long lead = firstDigit < point ? static_cast<long long>(point - firstDigit)
                                              : -static_cast<long long>(firstDigit - point - 1);
    return lead + exponent > 0;
}

// std::from_chars reads "." whatever the locale the program runs under.
std::optional<double> Convert(const std::string& number) {
    if (number.find_first_of("0123456789") == std::string::npos) {
        return 0.0;
    }
    std::string_view normalized = number;
    if (normalized.front() == '+') {
        normalized.remove_prefix(1);
    }
    double value = 0;
    const auto [end, error] =
        std::from_chars(normalized.data(), normalized.data() + normalized.size(), value);
    if (error == std::errc::result_out_of_range) {
        if (TooLarge(normalized)) {
            return std::nullopt;
        }
        return normalized.front() == '-' ? -0.0 : 0.0;
    }
    if (error != std::errc{} || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

} // namespace

std::optional<double> LeadingNumber(std::string_view text) {
    std::string number;
    ScanNumber(text, number, true);
    if (number.empty() || number == "+" || number == "-") {
        return 0.0;
    }
    // "-." and "+." carry no digit.
    return Convert(number);
}

bool IsNumeric(std::string_view text) {
    const std::string_view t = TrimView(text);
    if (t.empty()) {
        return false;
    }
    std::string number;
    const std::size_t used = ScanNumber(t, number, false);
    return used == t.size() && number.find_first_of("0123456789") != std::string::npos;
}

std::optional<double> NumericValue(std::string_view text) {
    if (!IsNumeric(text)) {
        return std::nullopt;
    }
    std::string number;
    ScanNumber(TrimView(text), number, false);
    return Convert(number);
}

std::optional<std::int16_t> RoundToInt16(double value) {
    const double r = std::nearbyint(value);
    if (!(r >= -32768.0 && r <= 32767.0)) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(r);
}

std::optional<std::int32_t> RoundToInt32(double value) {
    const double r = std::nearbyint(value);
    if (!(r >= -2147483648.0 && r <= 2147483647.0)) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(r);
}

} // namespace waybill
