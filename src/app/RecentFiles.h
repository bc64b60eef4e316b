#pragma once

#include "app/AppSettings.h"

#include <array>
#include <string>
#include <string_view>

namespace waybill {

// The recent-files list: four full paths, entry 0 the most recent; an empty entry is not
// shown. Entries keep their index, so a gap stays a gap.
using RecentFiles = std::array<std::string, 4>;

// Keys "MRU0" to "MRU3" of section "MRU".
RecentFiles ReadRecentFiles(const SettingsStore& store);
// Every entry is written, an empty one as an empty value.
void WriteRecentFiles(SettingsStore& store, const RecentFiles& files);

// `path` at the head; the other entries follow in their old order without gaps, minus
// every entry that contains `path` (ignoring letter case), so "C:\a.fwb" also drops
// "C:\a.fwb.bak".
RecentFiles AddToMRU(const RecentFiles& files, std::string_view path);

// The separator before the list is shown when any entry is.
bool AnyRecentFile(const RecentFiles& files);

} // namespace waybill
