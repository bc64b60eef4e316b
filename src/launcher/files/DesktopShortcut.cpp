#include "files/DesktopShortcut.h"

#include "files/PlatformNames.h"
#include "files/Utf8Path.h"

#include <filesystem>
#include <optional>
#include <string_view>

#ifdef _WIN32
#include "files/ShellLink.h"
#else
#include "files/FileCopy.h"
#endif

namespace waybill::launcher {

namespace fs = std::filesystem;

namespace {

#ifdef _WIN32
constexpr std::string_view shortcutExtension = ".lnk";
constexpr std::string_view iconName = "Waybill.ico";
#else
constexpr std::string_view shortcutExtension = ".desktop";
constexpr std::string_view iconName = "Waybill.png";
#endif

// Escapes for a string value of a desktop entry.
std::string EscapeValue(std::string_view text) {
    std::string escaped;
    for (const char c : text) {
        if (c == '\\')
            escaped += "\\\\";
        else if (c == '\n')
            escaped += "\\n";
        else if (c == '\r')
            escaped += "\\r";
        else if (c == '\t')
            escaped += "\\t";
        else
            escaped += c;
    }
    return escaped;
}

// The program of an Exec key, always quoted so that folders with spaces or reserved
// characters survive; "%" would otherwise start a field code.
std::string QuoteExecProgram(std::string_view program) {
    std::string quoted = "\"";
    for (const char c : program) {
        if (c == '"' || c == '`' || c == '$' || c == '\\')
            quoted += '\\';
        if (c == '%')
            quoted += '%';
        quoted += c;
    }
    return quoted + '"';
}

std::string AsciiLower(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

// "*waybill*" + the shortcut's extension, without regard to case.
bool LooksLikeShortcut(const std::string& name) {
    const std::string lower = AsciiLower(name);
    return lower.ends_with(shortcutExtension) &&
           lower.substr(0, lower.size() - shortcutExtension.size()).find("waybill") !=
               std::string::npos;
}

// The first earlier shortcut in name order, without regard to case.
std::optional<fs::path> EarlierShortcut(const fs::path& desktop) {
    std::optional<fs::path> first;
    std::string firstKey;
    std::error_code error;
    for (auto it = fs::directory_iterator(desktop, error); !error && it != fs::directory_iterator();
         it.increment(error)) {
        std::error_code ignored;
        const std::string name = Utf8FromPath(it->path().filename());
        if (it->is_directory(ignored) || !LooksLikeShortcut(name))
            continue;
        const std::string key = AsciiLower(name) + '\0' + name;
        if (!first || key < firstKey) {
            first = it->path();
            firstKey = key;
        }
    }
    return first;
}

bool WriteShortcut(const ShortcutPlan& plan) {
#ifdef _WIN32
    constexpr int showNoActivate = 4;
    return WriteShellLink(PathFromUtf8(plan.path), PathFromUtf8(plan.target),
                          PathFromUtf8(plan.icon), showNoActivate);
#else
    const fs::path path = PathFromUtf8(plan.path);
    if (!WriteFileOver(path, DesktopEntryText(plan.target, plan.icon)))
        return false;
    // File managers start only desktop entries that are marked executable.
    std::error_code error;
    fs::permissions(path, fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec,
                    fs::perm_options::add, error);
    return !error;
#endif
}

} // namespace

ShortcutPlan PlanShortcut(const std::string& desktopFolder, const std::string& sourceFolder) {
    return {desktopFolder + "Waybill" + std::string(shortcutExtension),
            sourceFolder + ExecutableName("WaybillStart"), sourceFolder + std::string(iconName)};
}

bool CreateDesktopShortcut(const std::string& desktopFolder, const ShortcutPlan& plan) {
    const fs::path desktop = PathFromUtf8(desktopFolder);
    std::error_code error;
    fs::create_directories(desktop, error);
    if (!fs::is_directory(desktop, error))
        return false;
    if (const std::optional<fs::path> earlier = EarlierShortcut(desktop))
        fs::remove(*earlier, error);
    return WriteShortcut(plan);
}

std::string DesktopEntryText(const std::string& target, const std::string& icon) {
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Version=1.0\n"
           "Name=Waybill\n"
           "Exec=" +
           EscapeValue(QuoteExecProgram(target)) + "\nIcon=" + EscapeValue(icon) +
           "\nTerminal=false\n";
}

} // namespace waybill::launcher
