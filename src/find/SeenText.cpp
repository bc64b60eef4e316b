#include "find/SeenText.h"

#include "units/Lengths.h"

#include <algorithm>
#include <array>

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

bool IsPlain(char c) {
    return static_cast<unsigned char>(c) < 0x80;
}

// Appends the seen text of `stored` to `out`, and the start of each character's to `starts`
// when it is given. Runs of ASCII, which are their own seen text, go in at once.
void See(std::string_view stored, std::string& out, std::vector<std::size_t>* starts) {
    for (std::size_t i = 0; i < stored.size(); ++i) {
        if (starts == nullptr && IsPlain(stored[i])) {
            const auto run = std::find_if_not(stored.begin() + static_cast<std::ptrdiff_t>(i),
                                              stored.end(), IsPlain);
            const auto length = static_cast<std::size_t>(run - stored.begin()) - i;
            out.append(stored.substr(i, length));
            i += length - 1;
            continue;
        }
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
    return !std::all_of(text.begin(), text.end(), IsPlain);
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

bool SymbolsCanShow(char c) {
    static const auto kShown = [] {
        std::array<bool, 256> shown{};
        for (int code = 0x80; code <= 0xFF; ++code) {
            for (const bool afterDigit : {false, true}) {
                for (const char letter :
                     SymbolPlainText(AsGlyph(static_cast<unsigned char>(code)), afterDigit)) {
                    shown[static_cast<unsigned char>(letter)] = true;
                }
            }
        }
        return shown;
    }();
    return kShown[static_cast<unsigned char>(c)];
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
