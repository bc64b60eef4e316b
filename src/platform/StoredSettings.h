#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace waybill {

// The file of the per-user settings store that the editor and the launcher write through Qt
// in its INI format, and the command-line tool reads: on Windows %APPDATA%\Waybill\Waybill.ini;
// elsewhere $XDG_CONFIG_HOME/Waybill/Waybill.conf, else ~/.config/Waybill/Waybill.conf (where
// Qt keeps an application's settings there). Nothing when neither folder is known.
std::optional<std::filesystem::path> StoredSettingsFile();

// A value of that store, for programs without Qt (the command-line tool): section, key.
// Nothing when the store, the section or the key is absent.
std::optional<std::string> ReadStoredSetting(std::string_view section, std::string_view key);

// The same, from the text of a settings file in the format Qt writes.
std::optional<std::string> FindSetting(std::string_view fileText, std::string_view section,
                                       std::string_view key);

} // namespace waybill
