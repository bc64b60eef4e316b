#include "platform/StoredSettings.h"

#include "platform/TextFile.h"
#include "units/Text.h"

#include <cstdlib>

namespace waybill {
namespace fs = std::filesystem;

std::optional<fs::path> StoredSettingsFile() {
#ifdef _WIN32
    return std::nullopt; // the store is the registry there
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

// A value as Qt writes it: plain, or in double quotes with backslash escapes.
std::string Unquote(std::string_view raw) {
    const std::string_view v = TrimView(raw);
    if (v.size() < 2 || v.front() != '"' || v.back() != '"') {
        return std::string(v);
    }
    std::string out;
    for (std::size_t i = 1; i + 1 < v.size(); ++i) {
        if (v[i] == '\\' && i + 2 < v.size()) {
            const char next = v[++i];
            out += next == 'n' ? '\n' : next == 't' ? '\t' : next == 'r' ? '\r' : next;
        } else {
            out += v[i];
        }
    }
    return out;
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
            return Unquote(line.substr(eq + 1));
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
