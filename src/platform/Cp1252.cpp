#include "platform/Cp1252.h"

#include <array>
#include <cstdint>
#include <optional>

#ifdef _WIN32
#include <windows.h>
#endif

namespace waybill {
namespace {

// Code points of 0x80..0x9F; the undefined codes keep their own value.
constexpr std::array<char32_t, 32> kHighBlock = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t ToCodePoint(unsigned char c) {
    if (c >= 0x80 && c <= 0x9F) {
        return kHighBlock[c - 0x80];
    }
    return c;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// The Windows-1252 code of a character, if it has one.
std::optional<char> FromCodePoint(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
        return static_cast<char>(cp);
    }
    for (std::size_t i = 0; i < kHighBlock.size(); ++i) {
        if (kHighBlock[i] == cp) {
            return static_cast<char>(0x80 + i);
        }
    }
    return std::nullopt;
}

} // namespace

std::string Cp1252ToUtf8(std::string_view cp1252) {
    std::string out;
    out.reserve(cp1252.size() + cp1252.size() / 8);
    for (char ch : cp1252) {
        AppendUtf8(out, ToCodePoint(static_cast<unsigned char>(ch)));
    }
    return out;
}

namespace {

// One character of UTF-8 text from `i` on: its code point, nothing for malformed UTF-8 (then
// one byte long), and its length in bytes.
struct Decoded {
    std::optional<char32_t> codePoint;
    std::size_t length;
};

Decoded DecodeAt(std::string_view utf8, std::size_t i) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    int extra = 0;
    char32_t cp = 0;
    if (lead < 0x80) {
        return {lead, 1};
    } else if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        cp = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        cp = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        cp = lead & 0x07;
    } else {
        return {std::nullopt, 1};
    }
    bool ok = i + static_cast<std::size_t>(extra) < utf8.size();
    for (int k = 1; ok && k <= extra; ++k) {
        const auto cont = static_cast<unsigned char>(utf8[i + k]);
        if ((cont & 0xC0) != 0x80) {
            ok = false;
        } else {
            cp = (cp << 6) | (cont & 0x3F);
        }
    }
    // Overlong forms would smuggle in characters in disguise; refuse them.
    static constexpr char32_t kMinimum[] = {0, 0x80, 0x800, 0x10000};
    if (!ok || cp < kMinimum[extra] || cp > 0x10FFFF) {
        return {std::nullopt, 1};
    }
    return {cp, static_cast<std::size_t>(extra) + 1};
}

} // namespace

std::string Utf8ToCp1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const Decoded next = DecodeAt(utf8, i);
        out += next.codePoint ? FromCodePoint(*next.codePoint).value_or('?') : '?';
        i += next.length;
    }
    return out;
}

std::optional<UnmappedCharacter> FirstUnmappedCharacter(std::string_view utf8) {
    for (std::size_t i = 0; i < utf8.size();) {
        const Decoded next = DecodeAt(utf8, i);
        if (!next.codePoint || !FromCodePoint(*next.codePoint)) {
            return UnmappedCharacter{std::string(utf8.substr(i, next.length)), next.codePoint};
        }
        i += next.length;
    }
    return std::nullopt;
}

std::string PathText(const std::filesystem::path& path) {
    const std::u8string utf8 = path.u8string();
    return Utf8ToCp1252(std::string_view(reinterpret_cast<const char*>(utf8.data()), utf8.size()));
}

std::filesystem::path PathFromUtf8(std::string_view utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

#ifdef _WIN32
std::string WideToUtf8(std::wstring_view wide) {
    const int wideSize = static_cast<int>(wide.size());
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideSize, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideSize, utf8.data(), size, nullptr, nullptr);
    return utf8;
}
#endif

} // namespace waybill
