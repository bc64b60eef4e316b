#pragma once

#include <string>

// What the launcher asks of the file system about a name, and the folders it makes.
namespace waybill::launcher {

// True for a file (or a link to one), not a folder.
bool IsFile(const std::string& path);
bool IsFolder(const std::string& path);

// True for a folder that holds at least one file (sub-folders do not count).
bool HoldsFiles(const std::string& folder);

// Makes `folder` when it is not there yet, one level: its parent must exist. True when the
// folder is there afterwards.
bool CreateFolder(const std::string& folder);

} // namespace waybill::launcher
