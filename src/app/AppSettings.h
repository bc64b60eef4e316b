#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace waybill {

// The per-user settings store: strings by section and key. Values are UTF-8, as the store
// and the file names in it are.
class SettingsStore {
  public:
    virtual ~SettingsStore() = default;

    // Empty when the key is absent.
    virtual std::string Read(std::string_view section, std::string_view key) const = 0;
    virtual void Write(std::string_view section, std::string_view key, std::string_view value) = 0;
};

inline constexpr std::string_view kConfigSection = "Config";
inline constexpr std::string_view kMruSection = "MRU";

// The files the program folder holds when no setting names others.
inline constexpr std::string_view kDefaultDocumentName = "Default.fwb";
inline constexpr std::string_view kDefaultDatabaseName = "DefWaybill.db";

// The five path settings of section "Config", under their key names.
struct PathSettings {
    std::string DefFwb;
    std::string DefDB;
    std::string WorkFolder;
    std::string ExportFolder;
    std::string PunchExport;

    bool operator==(const PathSettings&) const = default;
};

// The path settings as stored; an absent or empty "DefFwb" or "DefDB" names the file of
// that name in the program folder (no trailing separator).
PathSettings ReadPathSettings(const SettingsStore& store, std::string_view programFolder);
void WritePathSettings(SettingsStore& store, const PathSettings& paths);

// True when the default document or the reference database is not an existing file: the
// user has to name them before the editor can start.
bool NeedsPathConfiguration(const PathSettings& paths);

// A whole-number setting of section "Config" (blanks around it allowed); nothing when the
// key is absent or holds anything else.
std::optional<int> ReadWholeNumberSetting(const SettingsStore& store, std::string_view key);

} // namespace waybill
