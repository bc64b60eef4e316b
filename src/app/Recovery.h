#pragma once

#include "app/AppSettings.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

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

// Beside each recovery copy lies a note naming its document (UTF-8 path), so the copies can
// be offered at start-up without knowing their documents.
std::filesystem::path RecoveryNotePath(const std::filesystem::path& recovery);
// Writes the note; false when it could not be written (the copy is then only found by
// opening its document).
bool WriteRecoveryNote(const std::filesystem::path& recovery, std::string_view docPath);

// A recovery copy and the document it belongs to.
struct RecoveryCopy {
    std::filesystem::path copy;
    std::string documentPath; // UTF-8; empty for an untitled document
};

// The copies in `folder` newer than their documents, by document path. A copy without a note
// (other than the untitled document's) is left for its document's next opening.
std::vector<RecoveryCopy> FindRecoveryCopies(const std::filesystem::path& folder);

// Removes a copy and its note.
void RemoveRecoveryCopy(const std::filesystem::path& recovery);

} // namespace waybill
