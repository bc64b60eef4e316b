#include "files/ListFiles.h"

#include "files/RegularFile.h"
#include "files/Utf8Path.h"

#include <algorithm>

#ifdef _WIN32
#include <windows.h>
#endif

namespace waybill::launcher {

namespace {

constexpr std::string_view kBlanks = " \t\n\v\f\r";

std::string Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return {};
    return std::string(text.substr(first, text.find_last_not_of(kBlanks) - first + 1));
}

// A system whose 8-bit text is not UTF-8 writes its lists in its ANSI code page.
std::string Utf8FromSystemText(std::string_view text) {
#ifdef _WIN32
    const int length = static_cast<int>(text.size());
    const int wideSize = MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(wideSize > 0 ? wideSize : 0), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), length, wide.data(), wideSize);
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideSize, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideSize, utf8.data(), size, nullptr, nullptr);
    return utf8;
#else
    return std::string(text);
#endif
}

std::optional<std::string> ValueOf(const std::string& field) {
    const std::size_t equals = field.find('=');
    if (equals == std::string::npos)
        return std::nullopt;
    return Trimmed(std::string_view(field).substr(equals + 1));
}

} // namespace

std::optional<std::vector<std::string>> ReadFields(const std::string& path) {
    const std::optional<std::string> bytes = ReadRegularFile(PathFromUtf8(path));
    if (!bytes)
        return std::nullopt;
    // A list saved by an editor that marks UTF-8 is UTF-8 whatever the system's code page.
    const std::string_view content = *bytes;
    const bool markedUtf8 = content.starts_with("\xEF\xBB\xBF");
    const std::string text =
        markedUtf8 ? std::string(content.substr(3)) : Utf8FromSystemText(content);
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find_first_of("\r\n,", start), text.size());
        std::string field = Trimmed(std::string_view(text).substr(start, end - start));
        if (!field.empty())
            fields.push_back(std::move(field));
        start = end + 1;
    }
    return fields;
}

std::optional<LauncherConfig> ReadConfig(const std::string& path) {
    const std::optional<std::vector<std::string>> fields = ReadFields(path);
    if (!fields || fields->size() < 2)
        return std::nullopt;
    const std::optional<std::string> installFolder = ValueOf(fields->at(0));
    const std::optional<std::string> exportFolder = ValueOf(fields->at(1));
    if (!installFolder || !exportFolder || installFolder->empty())
        return std::nullopt;
    return LauncherConfig{*installFolder, *exportFolder};
}

} // namespace waybill::launcher
