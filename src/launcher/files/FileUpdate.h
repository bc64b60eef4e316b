#pragma once

#include <filesystem>
#include <functional>
#include <string>

namespace waybill::launcher {

// True when `target` is missing or older than `source`: an installed copy as new as the
// release, or newer, is never replaced (nor copied back).
bool NeedsCopy(const std::filesystem::path& source, const std::filesystem::path& target);

// Copies each file named in "Files.txt" of `sourceFolder` that needs it into `installFolder`
// (both UTF-8, with their closing separators), making the sub-folders a release brings. A
// listed file missing from the source folder is passed to `reportMissing` (its path, UTF-8)
// and the update goes on. False when the list cannot be read or a copy failed; the update ends
// there and the files copied before stay copied.
bool UpdateFiles(const std::string& sourceFolder, const std::string& installFolder,
                 const std::function<void(const std::string& source)>& reportMissing);

} // namespace waybill::launcher
