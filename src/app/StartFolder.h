#pragma once

#include "app/AppSettings.h"

#include <string>
#include <string_view>

namespace waybill {

enum class FileDialogKind {
    Document, // Open, Save As
    Export,   // the table and PDF exports
};

// What a file dialog may start in (UTF-8 paths; empty: not known).
struct StartFolderSources {
    std::string_view documentPath;    // the open document's file
    std::string_view programFolder;   // never offered: the launcher updates files there
    std::string_view documentsFolder; // the user's Documents folder
    std::string_view homeFolder;      // the last resort
};

// The folder a file dialog starts in: the export folder (exports only), else the work folder,
// else the open document's folder, else the user's Documents folder, else the home folder. A
// folder that does not exist, or is the program folder, is passed over; empty when none is
// left. A dialog given a folder that is not there would offer its name as the file's.
std::string DialogStartFolder(FileDialogKind kind, const PathSettings& paths,
                              const StartFolderSources& sources);

} // namespace waybill
