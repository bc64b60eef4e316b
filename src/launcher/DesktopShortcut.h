#pragma once

#include <QString>

namespace waybill::launcher {

// The desktop shortcut to the launcher in the source folder: "Waybill.lnk" on Windows, a
// desktop entry "Waybill.desktop" elsewhere, with the icon "Waybill.ico" or "Waybill.png"
// from the source folder and no arguments.
struct ShortcutPlan {
    QString path;   // the shortcut file to write
    QString target; // the launcher it starts
    QString icon;
};

ShortcutPlan PlanShortcut(const QString& desktopFolder, const QString& sourceFolder);

// Deletes the first file on the desktop (in name order) that looks like an earlier shortcut
// ("*waybill*" with the shortcut's extension, without regard to case), then writes the new
// shortcut. Creates the desktop folder when the platform names one that does not exist yet.
// False when the shortcut could not be written.
bool CreateDesktopShortcut(const QString& desktopFolder, const ShortcutPlan& plan);

// The text of a desktop entry that starts `target` with no arguments.
QString DesktopEntryText(const QString& target, const QString& icon);

} // namespace waybill::launcher
