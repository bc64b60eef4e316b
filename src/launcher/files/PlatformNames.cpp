#include "files/PlatformNames.h"

#include "files/FolderChecks.h"
#include "files/Utf8Path.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <vector>

namespace waybill::launcher {

namespace {

bool IsSeparator(char c) {
    return c == FolderSeparator() || c == '/';
}

std::string Trimmed(const std::string& text) {
    constexpr std::string_view blanks = " \t\n\v\f\r";
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

std::string HomeFolder() {
#ifdef _WIN32
    const wchar_t* home = ::_wgetenv(L"USERPROFILE");
    return home && *home ? Utf8FromPath(std::filesystem::path(home)) : std::string(1, '\\');
#else
    const char* home = std::getenv("HOME");
    return home && *home ? std::string(home) : std::string(1, '/');
#endif
}

std::string ExpandHome(const std::string& folder) {
    if (folder == "~")
        return HomeFolder();
    if (folder.size() > 1 && folder.front() == '~' && IsSeparator(folder[1]))
        return HomeFolder() + folder.substr(1);
    return folder;
}

char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, {}, AsciiLower, AsciiLower);
}

} // namespace

char FolderSeparator() {
#ifdef _WIN32
    return '\\';
#else
    return '/';
#endif
}

std::string ExecutableName(const std::string& baseName) {
#ifdef _WIN32
    return baseName + ".exe";
#else
    return baseName;
#endif
}

std::string NormaliseFolder(const std::string& text) {
    std::string folder = ExpandHome(Trimmed(text));
    std::ranges::replace(folder, '/', FolderSeparator());
    if (!folder.empty() && !IsSeparator(folder.back()))
        folder += FolderSeparator();
    return folder;
}

std::string ExistingFolderName(const std::string& parent, const std::string& name) {
    if (name.empty() || name == "." || name == ".." || IsFolder(parent + name))
        return name;
    std::vector<std::string> matches;
    std::error_code error;
    for (auto it = std::filesystem::directory_iterator(PathFromUtf8(parent), error);
         !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
        std::error_code ignored;
        const std::string folder = Utf8FromPath(it->path().filename());
        if (it->is_directory(ignored) && SameIgnoringCase(folder, name))
            matches.push_back(folder);
    }
    return matches.empty() ? name : std::ranges::min(matches);
}

std::string ListedPath(const std::string& folder, const std::string& name) {
    std::string path = folder;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = name.find_first_of("\\/", start);
        if (end == std::string::npos)
            return path + name.substr(start);
        path += ExistingFolderName(path, name.substr(start, end - start));
        path += FolderSeparator();
        start = end + 1;
    }
}

} // namespace waybill::launcher
