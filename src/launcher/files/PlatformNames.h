#pragma once

#include <string>

// How the launcher's Windows-born names and folder texts map onto the platform it runs on.
// Names are UTF-8.
namespace waybill::launcher {

// The platform's folder separator: "\" on Windows, "/" elsewhere.
char FolderSeparator();

// A program's file name: `baseName` plus the platform's executable suffix (".exe" on Windows).
std::string ExecutableName(const std::string& baseName);

// A folder text as the launcher keeps it: trimmed, a leading "~" taken as the user's home
// folder, written with the platform's separators and its closing separator. An empty text
// stays empty, so that a missing folder never turns into the root folder.
std::string NormaliseFolder(const std::string& text);

// `folder` (with its closing separator) + a name from a list file, whose sub-folders may be
// written with "\" or "/". Lists written on Windows do not mind letter case, so each
// sub-folder that already exists in another letter case is taken as it exists ("Blocks\a.wmf"
// goes into an existing "blocks"); a sub-folder that does not exist yet is kept as written.
std::string ListedPath(const std::string& folder, const std::string& name);

// The name of the folder in `parent` (with its closing separator) that matches `name`
// without regard to letter case: `name` itself when it exists or nothing matches, else the
// first match in name order.
std::string ExistingFolderName(const std::string& parent, const std::string& name);

} // namespace waybill::launcher
