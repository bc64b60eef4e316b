#pragma once

#include <QString>

// How the launcher's Windows-born names and folder texts map onto the platform it runs on.
namespace waybill::launcher {

// The platform's folder separator: "\" on Windows, "/" elsewhere.
QChar FolderSeparator();

// A program's file name: `baseName` plus the platform's executable suffix (".exe" on Windows).
QString ExecutableName(const QString& baseName);

// A folder text as the launcher keeps it: trimmed, a leading "~" taken as the user's home
// folder, and written with its closing separator. An empty text stays empty, so that a
// missing folder never turns into the root folder.
QString NormaliseFolder(const QString& text);

// `folder` (with its closing separator) + a name from a list file, whose sub-folders may be
// written with "\" or "/". Lists written on Windows do not mind letter case, so each
// sub-folder that already exists in another letter case is taken as it exists ("Blocks\a.wmf"
// goes into an existing "blocks"); a sub-folder that does not exist yet is kept as written.
QString ListedPath(const QString& folder, const QString& name);

// The name of the folder in `parent` (with its closing separator) that matches `name`
// without regard to letter case: `name` itself when it exists or nothing matches, else the
// first match in name order.
QString ExistingFolderName(const QString& parent, const QString& name);

} // namespace waybill::launcher
