#include "app/AppSettings.h"

#include "platform/Cp1252.h"
#include "units/Text.h"

#include <charconv>
#include <filesystem>

namespace waybill {
namespace {

bool IsFile(const std::string& path) {
    std::error_code ec;
    return !path.empty() && std::filesystem::is_regular_file(PathFromUtf8(path), ec);
}

std::string OrDefault(std::string value, std::string_view programFolder, std::string_view name) {
    if (!value.empty()) {
        return value;
    }
    return std::string(programFolder) + "/" + std::string(name);
}

} // namespace

PathSettings ReadPathSettings(const SettingsStore& store, std::string_view programFolder) {
    PathSettings paths;
    paths.DefFwb =
        OrDefault(store.Read(kConfigSection, "DefFwb"), programFolder, kDefaultDocumentName);
    paths.DefDB =
        OrDefault(store.Read(kConfigSection, "DefDB"), programFolder, kDefaultDatabaseName);
    paths.WorkFolder = store.Read(kConfigSection, "WorkFolder");
    paths.ExportFolder = store.Read(kConfigSection, "ExportFolder");
    paths.PunchExport = store.Read(kConfigSection, "PunchExport");
    return paths;
}

void WritePathSettings(SettingsStore& store, const PathSettings& paths) {
    store.Write(kConfigSection, "DefFwb", paths.DefFwb);
    store.Write(kConfigSection, "DefDB", paths.DefDB);
    store.Write(kConfigSection, "WorkFolder", paths.WorkFolder);
    store.Write(kConfigSection, "ExportFolder", paths.ExportFolder);
    store.Write(kConfigSection, "PunchExport", paths.PunchExport);
}

bool NeedsPathConfiguration(const PathSettings& paths) {
    return !IsFile(paths.DefFwb) || !IsFile(paths.DefDB);
}

std::optional<int> ReadWholeNumberSetting(const SettingsStore& store, std::string_view key) {
    const std::string text = store.Read(kConfigSection, key);
    const std::string_view trimmed = TrimView(text);
    int value = 0;
    const auto [end, error] =
        std::from_chars(trimmed.data(), trimmed.data() + trimmed.size(), value);
    if (trimmed.empty() || error != std::errc() || end != trimmed.data() + trimmed.size()) {
        return std::nullopt;
    }
    return value;
}

} // namespace waybill
