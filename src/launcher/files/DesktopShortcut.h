#pragma once

#include <string>

namespace waybill::launcher {

// The desktop shortcut to the launcher in the source folder: "Waybill.lnk" on Windows, a
// desktop entry "Waybill.desktop" elsewhere, with the icon "Waybill.ico" or "Waybill.png"
// from the source folder and no arguments. Names are UTF-8.
struct ShortcutPlan {
    std::string path;   // the shortcut file to write
    std::string target; // the launcher it starts
    std::string icon;
};

ShortcutPlan PlanShortcut(const std::string& desktopFolder, const std::string& sourceFolder);

// Deletes the first file on the desktop (in name order) that looks like an earlier shortcut
// ("*waybill*" with the shortcut's extension, without regard to case), then writes the new
// shortcut. Creates the desktop folder when the platform names one that does not exist yet.
// False when the shortcut could not be written.
bool CreateDesktopShortcut(const std::string& desktopFolder, const ShortcutPlan& plan);

// The text of a desktop entry that starts `target` with no arguments.
std::string DesktopEntryText(const std::string& target, const std::string& icon);

} // namespace waybill::launcher
