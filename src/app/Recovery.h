#pragma once

#include "app/AppSettings.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace waybill {

// How often a changed document is copied for recovery when the "AutosaveSeconds" setting
// of section "Config" is absent or no number.
inline constexpr int kDefaultAutosaveSeconds = 60;

// The "AutosaveSeconds" setting; 0 (or less) turns autosave off.
int ReadAutosaveSeconds(const SettingsStore& store);

// The file in the recovery folder that keeps the copy of the document at `docPath` (UTF-8,
// the full path; empty for an untitled document, which has a key of its own). Readable part
// of the name first, then a hash of the whole path, so two documents of one name in
// different folders never share a copy.
std::string RecoveryFileName(std::string_view docPath);

// True when there is a recovery copy at `recovery` and it is newer than the document at
// `document` (or the document is not there).
bool RecoveryIsNewer(const std::filesystem::path& recovery, const std::filesystem::path& document);

} // namespace waybill
