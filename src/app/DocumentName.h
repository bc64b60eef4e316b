#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace waybill {

// How the open document is named. Paths use "\" or "/" between folders.

// The document's file name for a path, with the ".fwb" extension. Both "\" and "/"
// separate folders, so Windows paths stored in settings work on every platform.
std::string DocFileName(std::string_view path);

// `DocPath` for a path the document was opened from or saved to: its folder (with the
// separator) and its document file name, so a legacy "JOB12.WBL" becomes "JOB12.fwb" in the
// same folder. Empty for an empty path (a new document).
std::string DocPathFor(std::string_view path);

// "Waybill" for a new document, else "Waybill - " and the document's path; " (read-only)"
// follows for a document opened read-only.
std::string WindowCaption(std::string_view docPath, bool readOnly = false);

// True when Save can write to `docPath` directly: it names a ".fwb" file (any letter case).
bool IsDocumentFilePath(std::string_view docPath);

// The name the Save As dialog proposes: the document's path, else the document file name of
// the job number (title-block text, trimmed), else nothing.
std::string ProposedSaveName(std::string_view docPath, std::string_view jobNumber);

// The folder of a path: the text before its last separator; "/" for a file in the root, and
// empty when the path has no folder.
std::string FolderOf(std::string_view path);

// The file name a user gave for an output (a save dialog's choice, a command's argument) with
// white space removed at both ends; nothing when no name is left.
std::optional<std::string> ChosenFileName(std::string_view name);

} // namespace waybill
