#include "units/Lengths.h"

#include "units/NumberText.h"
#include "units/Text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <vector>

namespace waybill {
namespace {

std::string IntText(long long v) {
    return std::to_string(v);
}

bool IsFractionGlyph(unsigned char c) {
    return c >= kFirstFractionGlyph && c <= kLastFractionGlyph;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

long long Gcd(long long a, long long b) {
    a = std::llabs(a);
    b = std::llabs(b);
    while (b != 0) {
        const long long t = a % b;
        a = b;
        b = t;
    }
    return a;
}

// A whole number of any size, written out in full.
std::string WholeText(double v) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::fixed, 0);
    return std::string(buffer, result.ptr);
}

// The feet, inch and fraction parts that both formatters share, with the truncating
// remainder of integer arithmetic so negative lengths stay consistent. The parts are kept
// as doubles, so every float, however large, has them. A value that is not finite is
// formatted as 0.
struct FtInParts {
    double rounded;
    double feet;
    double inches;
    double fraction;
};

FtInParts Split(float x) {
    const double r = std::isfinite(x) ? static_cast<double>(Round16(x)) : 0.0;
    const double whole = std::floor(r);
    // Adding 0 turns a remainder of -0 into 0, which writes without a sign.
    return {r, std::floor(r / 12.0) + 0.0, std::fmod(whole, 12.0) + 0.0, r - whole};
}

} // namespace

char SixteenthGlyph(int n) {
    return static_cast<char>(200 + 2 * n);
}

double RoundToSixteenth(double inches) {
    return std::trunc(inches * 16.0 + 0.5) / 16.0;
}

float Round16(float x) {
    return static_cast<float>(RoundToSixteenth(x));
}

std::string FormatFtIn(float x, bool useGlyph) {
    const FtInParts p = Split(x);
    std::string fraction;
    if (p.fraction > 0) {
        if (useGlyph) {
            fraction = FormatFtInGlyph(static_cast<float>(p.fraction));
        } else {
            long long n = std::llround(p.fraction * 16.0);
            long long d = 16;
            while (n % 2 == 0 && n != 0) {
                n /= 2;
                d /= 2;
            }
            fraction = " " + IntText(n) + "/" + IntText(d);
        }
    }
    return WholeText(p.feet) + "'-" + WholeText(p.inches) + fraction;
}

std::string FormatFtInGlyph(float x) {
    const FtInParts p = Split(x);
    const long long n = std::llround(p.fraction * 16.0);
    std::string text;
    if (p.feet > 0) {
        text = WholeText(p.feet) + "'";
        if (p.inches + n > 0) {
            text += "-";
        }
    }
    if (p.inches >= 1) {
        text += WholeText(p.inches);
    } else if (p.inches == 0 && n >= 1 && p.feet >= 1) {
        text += "0";
    }
    if (n > 0) {
        text += SixteenthGlyph(static_cast<int>(n));
    }
    return p.rounded > 0 ? text : "0";
}

std::string FormatInchesGlyph(float x) {
    const FtInParts p = Split(x);
    const double whole = std::floor(p.rounded);
    const long long n = std::llround(p.fraction * 16.0);
    std::string text = whole >= 1 ? WholeText(whole) : std::string();
    if (n > 0) {
        text += SixteenthGlyph(static_cast<int>(n));
    }
    return p.rounded > 0 ? text : "0";
}

double ParseFtIn(std::string_view input) {
    const std::string_view text = TrimView(input);
    if (text.empty()) {
        return 0;
    }
    std::vector<std::string_view> pieces;
    std::size_t start = 0;
    while (true) {
        const std::size_t dash = text.find('-', start);
        pieces.push_back(text.substr(start, dash == std::string_view::npos ? dash : dash - start));
        if (dash == std::string_view::npos) {
            break;
        }
        start = dash + 1;
    }
    if (pieces.size() > 3) {
        return 0;
    }

    std::int32_t feetInches = 0;
    std::int16_t inches = 0;
    double fraction = 0;
    double pending = 0;

    // Each step may overflow; any overflow makes the whole text no length.
    auto toInches = [&](double v) { return RoundToInt16(v); };
    auto toFeetInches = [&](double v) { return RoundToInt32(v * 12.0); };

    for (const std::string_view rawPiece : pieces) {
        const std::string_view piece = TrimView(rawPiece);
        std::string buffer;
        if (pending > 0) {
            if (feetInches > 0) {
                const auto v = toInches(pending);
                if (!v) {
                    return 0;
                }
                inches = *v;
            } else {
                const auto v = toFeetInches(pending);
                if (!v) {
                    return 0;
                }
                feetInches = *v;
            }
            pending = 0;
        }
        for (std::size_t i = 0; i < piece.size(); ++i) {
            const char c = piece[i];
            const auto code = static_cast<unsigned char>(c);
            if (IsFractionGlyph(code)) {
                if (pending > 0) {
                    const auto v = toInches(pending);
                    if (!v) {
                        return 0;
                    }
                    inches = *v;
                } else if (!buffer.empty()) {
                    if (inches > 0) {
                        return 0;
                    }
                    const auto v = toInches(LeadingNumber(buffer).value_or(0));
                    if (!v) {
                        return 0;
                    }
                    inches = *v;
                }
                fraction = (code - 200) / 32.0;
                break;
            }
            if (c == '\'') {
                if (feetInches > 0) {
                    return 0;
                }
                const auto value = LeadingNumber(buffer);
                const auto v = value ? toFeetInches(*value) : std::nullopt;
                if (!v) {
                    return 0;
                }
                feetInches = *v;
                buffer.clear();
            } else if ((c >= '0' && c <= '9') || c == '.') {
                buffer += c;
            } else if (c == ' ') {
                if (buffer.empty()) {
                    continue;
                }
                if (pending > 0) {
                    const auto v = toFeetInches(pending);
                    if (!v) {
                        return 0;
                    }
                    feetInches = *v;
                }
                const auto value = LeadingNumber(buffer);
                if (!value) {
                    return 0;
                }
                pending = *value;
                buffer.clear();
            } else if (c == '/') {
                const auto denominatorValue = LeadingNumber(piece.substr(i + 1));
                const auto numeratorValue = LeadingNumber(buffer);
                if (!denominatorValue || !numeratorValue) {
                    return 0;
                }
                const auto denominator = RoundToInt32(*denominatorValue);
                const auto numerator = RoundToInt32(*numeratorValue);
                if (!denominator || !numerator || *denominator <= 0 || *denominator <= *numerator ||
                    *numerator == 0) {
                    return 0;
                }
                fraction = static_cast<double>(*numerator) / *denominator;
                buffer.clear();
                break;
            } else if (c == '"') {
                continue;
            } else {
                return 0;
            }
        }
        if (!buffer.empty()) {
            if (pending > 0) {
                return 0;
            }
            const auto value = LeadingNumber(buffer);
            if (!value) {
                return 0;
            }
            pending = *value;
        }
    }
    if (pending > 0) {
        const auto v = toInches(pending);
        if (!v) {
            return 0;
        }
        inches = *v;
    }
    return static_cast<double>(inches) + static_cast<double>(feetInches) + fraction;
}

namespace {

// The pieces of "ft.iiss" as typed: the feet (the whole text without a point) and the digits of
// inches and sixteenths.
struct DottedPieces {
    std::string_view feet;
    std::string_view inches;
    std::string_view sixteenths;
};

DottedPieces SplitDotted(std::string_view t) {
    const std::size_t point = t.find('.');
    if (point == std::string_view::npos) {
        return {t, {}, {}};
    }
    const std::string_view after = t.substr(point + 1);
    return {t.substr(0, point), after.substr(0, 2),
            after.size() > 2 ? after.substr(2, 2) : std::string_view{}};
}

// A whole number of a piece; a piece that is no number counts 0.
double DottedPiece(std::string_view s) {
    const auto v = NumericValue(s);
    return v ? static_cast<double>(RoundToInt32(*v).value_or(0)) : 0.0;
}

// Feet that are a number but too many to count in whole inches (32-bit).
bool FeetTooMany(std::string_view feet) {
    if (!IsNumeric(feet)) {
        return false;
    }
    const auto value = NumericValue(feet);
    return !value || !RoundToInt32(*value * 12.0);
}

} // namespace

float ParseFtDotted(std::string_view text) {
    const auto whole = NumericValue(text);
    if (!whole) {
        return 0;
    }
    const std::string_view t = TrimView(text);
    const DottedPieces pieces = SplitDotted(t);
    // Feet that do not fit make no length, with or without the point.
    if (FeetTooMany(pieces.feet)) {
        return 0;
    }
    if (pieces.feet.size() == t.size()) {
        return static_cast<float>(RoundToInt32(*whole * 12.0).value_or(0));
    }
    return static_cast<float>(DottedPiece(pieces.feet) * 12.0 + DottedPiece(pieces.inches) +
                              DottedPiece(pieces.sixteenths) / 16.0);
}

std::variant<float, LengthFault> ReadFtDottedBox(std::string_view text) {
    const std::string_view t = TrimView(text);
    if (!IsNumeric(t)) {
        const double inches = ParseFtIn(t);
        if (inches > 0) {
            return static_cast<float>(inches);
        }
        return LengthFault::NotALength;
    }
    const DottedPieces pieces = SplitDotted(t);
    if (FeetTooMany(pieces.feet)) {
        return LengthFault::TooLarge;
    }
    if (pieces.feet.size() < t.size()) {
        const std::string_view afterPoint = t.substr(pieces.feet.size() + 1);
        if (afterPoint.find_first_not_of("0123456789") != std::string_view::npos ||
            DottedPiece(pieces.inches) >= 12 || DottedPiece(pieces.sixteenths) >= 16) {
            return LengthFault::NotALength;
        }
    }
    return ParseFtDotted(t);
}

std::string ReduceFraction(std::string_view text) {
    const std::size_t slash = text.find('/');
    if (slash == std::string_view::npos) {
        return std::string(text);
    }
    const auto a = RoundToInt32(LeadingNumber(text.substr(0, slash)).value_or(0));
    const auto b = RoundToInt32(LeadingNumber(text.substr(slash + 1)).value_or(0));
    if (!a || !b) {
        return std::string(text);
    }
    const long long g = Gcd(*a, *b);
    if (g == 0) {
        return std::string(text);
    }
    return IntText(*a / g) + "/" + IntText(*b / g);
}

std::string_view SymbolPlainText(unsigned char code, bool afterDigit) {
    // The reduced fractions k/32, each also led by the dash that parts it from a number.
    static const auto kFractions = [] {
        std::array<std::string, 2 * (kLastFractionGlyph - kFirstFractionGlyph + 1)> texts;
        for (int k = 1; k <= kLastFractionGlyph - 200; ++k) {
            const std::string fraction = ReduceFraction(IntText(k) + "/32");
            texts[static_cast<std::size_t>(2 * (k - 1))] = fraction;
            texts[static_cast<std::size_t>(2 * (k - 1) + 1)] = "-" + fraction;
        }
        return texts;
    }();
    static constexpr std::string_view kSymbols[] = {"\xD8", "CL", "PL", "C", "G",
                                                    "L",    "L",  "L",  "Z", "G"};
    if (IsFractionGlyph(code)) {
        return kFractions[static_cast<std::size_t>(2 * (code - kFirstFractionGlyph) +
                                                   (afterDigit ? 1 : 0))];
    }
    if (code >= kFirstSymbolGlyph && code <= kLastSymbolGlyph) {
        return kSymbols[code - kFirstSymbolGlyph];
    }
    // What the CAD code %%c becomes: the font draws the diameter there too.
    return code == kCadDiameterGlyph ? kSymbols[0] : std::string_view{};
}

std::string GlyphsToText(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 8);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::string_view plain =
            SymbolPlainText(static_cast<unsigned char>(text[i]), i > 0 && IsDigit(text[i - 1]));
        if (plain.empty()) {
            out += text[i];
        } else {
            out += plain;
        }
    }
    return out;
}

} // namespace waybill
