#include "Launcher.h"

#include "files/DesktopShortcut.h"
#include "files/FileUpdate.h"
#include "files/FolderChecks.h"
#include "files/ListFiles.h"
#include "files/PlatformNames.h"

namespace waybill::launcher {

namespace {

// The file work takes and gives UTF-8; the dialogs, settings and messages take QString.
std::string Utf8(const QString& text) {
    return text.toStdString();
}

QString Text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

const std::string editorName = ExecutableName("Waybill");

// The editor reads its drawings from this folder below its program folder; off Windows the
// letter case of the name matters, so one that exists in another case is used as it is.
const std::string blocksFolder = "blocks";

const QString installedFirstLine =
    QStringLiteral("The Waybill program has been installed on your computer");

} // namespace

Launcher::Launcher(LauncherUi& ui, SettingsStore& settings, ProgramStarter& starter,
                   LauncherPlaces places)
    : ui_(ui), settings_(settings), starter_(starter),
      sourceFolder_(NormaliseFolder(Utf8(places.sourceFolder))),
      desktopFolder_(NormaliseFolder(Utf8(places.desktopFolder))) {}

void Launcher::Run(const QStringList& commandLine) {
    installFolder_ = NormaliseFolder(Utf8(settings_.Read(QStringLiteral("LocalExecPath"))));
    if (!installFolder_.empty() && IsFile(installFolder_ + editorName)) {
        Update();
    } else {
        // After a stopped installation the install folder was never set, so there is no
        // editor to start even when a document was named.
        if (!Install() || commandLine.isEmpty())
            return;
    }
    StartEditor(commandLine);
}

bool Launcher::Install() {
    const std::optional<LauncherConfig> config = ReadConfig(sourceFolder_ + "Waybill.cfg");
    if (!config) {
        ShowError(QStringLiteral("Config file error.  Installation is aborted."));
        return false;
    }
    installFolder_ = NormaliseFolder(config->installFolder);
    exportFolder_ = NormaliseFolder(config->exportFolder);

    const std::optional<FolderChoice> choice =
        ui_.AskFolders({Text(sourceFolder_), Text(installFolder_)});
    if (!choice)
        return false;
    // The dialog's source folder is taken only when it is a folder holding at least one file.
    const std::string chosenSource = NormaliseFolder(Utf8(choice->sourceFolder));
    if (HoldsFiles(chosenSource)) {
        installFolder_ = NormaliseFolder(Utf8(choice->installFolder));
        sourceFolder_ = chosenSource;
    } else {
        ShowError(QStringLiteral("Source folder not found."));
    }

    if (!CreateInstallFolder(installFolder_) ||
        !CreateInstallFolder(installFolder_ + ExistingFolderName(installFolder_, blocksFolder)))
        return false;

    Update();

    const ShortcutPlan shortcut = PlanShortcut(desktopFolder_, sourceFolder_);
    const bool shortcutMade = CreateDesktopShortcut(desktopFolder_, shortcut);
    if (!shortcutMade)
        ShowError(QStringLiteral("Cannot create the shortcut ") + Text(shortcut.path) +
                  QStringLiteral("."));

    settings_.Write(QStringLiteral("DefFwb"), Text(installFolder_ + "Default.fwb"));
    settings_.Write(QStringLiteral("DefDB"), Text(installFolder_ + "DefWaybill.db"));
    settings_.Write(QStringLiteral("LocalExecPath"), Text(installFolder_));
    settings_.Write(QStringLiteral("ExportFolder"), Text(exportFolder_));

    // Only claim the shortcut when there is one.
    const QString text =
        shortcutMade ? installedFirstLine +
                           QStringLiteral("\r\nand a shortcut has been created on your desktop.")
                     : installedFirstLine;
    ui_.ShowMessage({QStringLiteral("Installation Complete"), text, MessageIcon::None});
    return true;
}

bool Launcher::CreateInstallFolder(const std::string& folder) {
    if (CreateFolder(folder))
        return true;
    ShowError(QStringLiteral("Cannot create folder ") + Text(folder) + QStringLiteral(".  ") +
              QStringLiteral("Installation is aborted."));
    return false;
}

void Launcher::Update() {
    const bool updated =
        UpdateFiles(sourceFolder_, installFolder_, [this](const std::string& source) {
            ShowError(QStringLiteral("File ") + Text(source) + QStringLiteral(" not found."));
        });
    if (!updated)
        ShowError(QStringLiteral("Cannot open Files.txt.  Cannot check for updates."));
}

void Launcher::StartEditor(const QStringList& commandLine) {
    const QString program = Text(installFolder_ + editorName);
    if (!starter_.Start(program, commandLine))
        ShowError(QStringLiteral("Cannot start ") + program + QStringLiteral("."));
}

void Launcher::ShowError(const QString& text) {
    ui_.ShowMessage({QStringLiteral("Error"), text, MessageIcon::Warning});
}

} // namespace waybill::launcher
