#pragma once

#include "LauncherServices.h"

#include <QString>
#include <QStringList>
#include <string>

namespace waybill::launcher {

// Where the launcher finds itself and the user's desktop.
struct LauncherPlaces {
    QString sourceFolder;
    QString desktopFolder;
};

// The launcher's entry procedure: installs the editor from the source folder on first use,
// otherwise brings the installed files up to date, then starts the installed editor with the
// launcher's own command line.
class Launcher {
  public:
    Launcher(LauncherUi& ui, SettingsStore& settings, ProgramStarter& starter,
             LauncherPlaces places);

    void Run(const QStringList& commandLine);

  private:
    // False when the installation was stopped or cancelled.
    bool Install();
    bool CreateInstallFolder(const std::string& folder);
    void Update();
    void StartEditor(const QStringList& commandLine);
    void ShowError(const QString& text);

    LauncherUi& ui_;
    SettingsStore& settings_;
    ProgramStarter& starter_;
    // UTF-8, as the file work takes them.
    std::string sourceFolder_;
    std::string desktopFolder_;
    std::string installFolder_;
    std::string exportFolder_;
};

} // namespace waybill::launcher
