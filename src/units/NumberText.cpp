#include "units/NumberText.h"

#include <cmath>
#include <cstdlib>
#include <string>

#include "units/Text.h"

namespace waybill {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

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

std::optional<double> Convert(const std::string& number) {
    if (number.find_first_of("0123456789") == std::string::npos) {
        return 0.0;
    }
    std::string normalized = number;
    if (normalized.back() == '.') {
        normalized.pop_back();
    }
    if (!normalized.empty() && normalized.front() == '.') {
        normalized.insert(normalized.begin(), '0');
    }
    char* end = nullptr;
    const double value = std::strtod(normalized.c_str(), &end);
    if (!std::isfinite(value)) {
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
