#include "platform/StoredSettings.h"

#include "platform/TextFile.h"
#include "units/Text.h"

#include <cctype>
#include <cstdint>
#include <cstdlib>

namespace waybill {
namespace fs = std::filesystem;

std::optional<fs::path> StoredSettingsFile() {
#ifdef _WIN32
    const wchar_t* appData = _wgetenv(L"APPDATA");
    if (appData == nullptr || *appData == L'\0') {
        return std::nullopt;
    }
    return fs::path(appData) / L"Waybill" / L"Waybill.ini";
#else
    fs::path base;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg != nullptr && *xdg != '\0') {
        base = xdg;
    } else if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
        base = fs::path(home) / ".config";
    } else {
        return std::nullopt;
    }
    return base / "Waybill" / "Waybill.conf";
#endif
}

namespace {

// The character of a hexadecimal or octal escape, as UTF-8.
void AppendCodePoint(std::string& out, std::uint32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// A value as Qt writes it (UTF-8): parts in double quotes or not, with backslash escapes in
// either ("C:\\jobs\\a.fwb", "\x1b"); a text starting with "@" has it doubled.
std::string Unescape(std::string_view raw) {
    const std::string_view v = TrimView(raw);
    std::string out;
    for (std::size_t i = 0; i < v.size(); ++i) {
        const char c = v[i];
        if (c == '"') {
            continue; // quotes only keep blanks and separators as they are
        }
        if (c != '\\' || i + 1 == v.size()) {
            out += c;
            continue;
        }
        const char next = v[++i];
        const int base = next == 'x' ? 16 : (next >= '0' && next <= '7') ? 8 : 0;
        if (base == 0) {
            constexpr std::string_view kFrom = "abfnrtv", kTo = "\a\b\f\n\r\t\v";
            const std::size_t at = kFrom.find(next);
            out += at == std::string_view::npos ? next : kTo[at];
            continue;
        }
        std::uint32_t code = 0;
        std::size_t digits = 0;
        std::size_t at = base == 16 ? i + 1 : i;
        for (; at < v.size() && digits < (base == 16 ? 4u : 3u); ++at, ++digits) {
            const char d = static_cast<char>(std::tolower(static_cast<unsigned char>(v[at])));
            const int value = (d >= '0' && d <= '9')   ? d - '0'
                              : (d >= 'a' && d <= 'f') ? d - 'a' + 10
                                                       : 99;
            if (value >= base) {
                break;
            }
            code = code * static_cast<std::uint32_t>(base) + static_cast<std::uint32_t>(value);
        }
        AppendCodePoint(out, code);
        i = at - 1;
    }
    return out.starts_with("@@") ? out.substr(1) : out;
}

} // namespace

std::optional<std::string> FindSetting(std::string_view fileText, std::string_view section,
                                       std::string_view key) {
    LineReader lines(fileText);
    bool inSection = false;
    while (!lines.AtEnd()) {
        const std::string_view line = TrimView(lines.Next());
        if (line.empty() || line.front() == ';' || line.front() == '#') {
            continue;
        }
        if (line.front() == '[' && line.back() == ']') {
            inSection = EqualsNoCase(line.substr(1, line.size() - 2), section);
            continue;
        }
        const std::size_t eq = line.find('=');
        if (inSection && eq != std::string_view::npos &&
            EqualsNoCase(TrimView(line.substr(0, eq)), key)) {
            return Unescape(line.substr(eq + 1));
        }
    }
    return std::nullopt;
}

std::optional<std::string> ReadStoredSetting(std::string_view section, std::string_view key) {
    const auto file = StoredSettingsFile();
    if (!file) {
        return std::nullopt;
    }
    const auto text = ReadWholeFile(*file);
    if (!text) {
        return std::nullopt;
    }
    return FindSetting(*text, section, key);
}

} // namespace waybill
