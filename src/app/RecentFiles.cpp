#include "app/RecentFiles.h"

#include "units/Text.h"

namespace waybill {
namespace {

std::string MruKey(std::size_t index) {
    return "MRU" + std::to_string(index);
}

} // namespace

RecentFiles ReadRecentFiles(const SettingsStore& store) {
    RecentFiles files;
    for (std::size_t i = 0; i < files.size(); ++i) {
        files[i] = store.Read(kMruSection, MruKey(i));
    }
    return files;
}

void WriteRecentFiles(SettingsStore& store, const RecentFiles& files) {
    for (std::size_t i = 0; i < files.size(); ++i) {
        store.Write(kMruSection, MruKey(i), files[i]);
    }
}

RecentFiles AddToMRU(const RecentFiles& files, std::string_view path) {
    RecentFiles result;
    result[0] = std::string(path);
    std::size_t next = 1;
    for (const auto& entry : files) {
        if (next == result.size()) {
            break;
        }
        if (!entry.empty() && !ContainsNoCase(entry, path)) {
            result[next++] = entry;
        }
    }
    return result;
}

bool AnyRecentFile(const RecentFiles& files) {
    for (const auto& entry : files) {
        if (!entry.empty()) {
            return true;
        }
    }
    return false;
}

} // namespace waybill
