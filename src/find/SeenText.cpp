#include "find/SeenText.h"

#include "units/Lengths.h"

#include <algorithm>

namespace waybill {
namespace {

constexpr unsigned char kDiameterSign = 216; // Windows-1252 capital O with stroke
constexpr unsigned char kDiameterGlyph = kFirstSymbolGlyph;

// The glyph the font draws alike for a keyboard fraction; any other character stays.
unsigned char AsGlyph(unsigned char code) {
    switch (code) {
    case 0xBC:
        return kFirstFractionGlyph + 7; // 8/32
    case 0xBD:
        return kFirstFractionGlyph + 15; // 16/32
    case 0xBE:
        return kFirstFractionGlyph + 23; // 24/32
    default:
        return code;
    }
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Appends the seen text of `stored` to `out`, and the start of each character's to `starts`
// when it is given.
void See(std::string_view stored, std::string& out, std::vector<std::size_t>* starts) {
    for (std::size_t i = 0; i < stored.size(); ++i) {
        if (starts != nullptr) {
            starts->push_back(out.size());
        }
        const std::string_view plain = SymbolPlainText(
            AsGlyph(static_cast<unsigned char>(stored[i])), i > 0 && IsDigit(stored[i - 1]));
        if (plain.empty()) {
            out += stored[i];
        } else {
            out += plain;
        }
    }
    if (starts != nullptr) {
        starts->push_back(out.size());
    }
}

bool HoldsSymbols(std::string_view text) {
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

} // namespace

SeenText SeeStored(std::string_view stored) {
    SeenText seen;
    seen.starts.reserve(stored.size() + 1);
    See(stored, seen.text, &seen.starts);
    return seen;
}

std::string SeeTyped(std::string_view typed) {
    std::string symbols(typed);
    std::replace(symbols.begin(), symbols.end(), static_cast<char>(kDiameterSign),
                 static_cast<char>(kDiameterGlyph));
    std::string out;
    See(symbols, out, nullptr);
    return out;
}

std::string_view SeenView(std::string_view stored, std::string& buffer) {
    if (!HoldsSymbols(stored)) {
        return stored;
    }
    buffer.clear();
    See(stored, buffer, nullptr);
    return buffer;
}

} // namespace waybill
