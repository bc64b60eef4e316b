#include "Launcher.h"

#include "DesktopShortcut.h"
#include "FileCopy.h"
#include "ListFiles.h"
#include "PlatformNames.h"

#include <QDir>
#include <QFileInfo>
#include <utility>

namespace waybill::launcher {

namespace {

const QString editorName = ExecutableName(QStringLiteral("Waybill"));

// The editor reads its drawings from this folder below its program folder; off Windows the
// letter case of the name matters, so one that exists in another case is used as it is.
const QString blocksFolder = QStringLiteral("blocks");

const QString installedFirstLine =
    QStringLiteral("The Waybill program has been installed on your computer");

// The dialog's source folder is taken only when it is a folder holding at least one file.
bool HoldsFiles(const QString& folder) {
    return !folder.isEmpty() &&
           !QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System).isEmpty();
}

} // namespace

Launcher::Launcher(LauncherUi& ui, SettingsStore& settings, ProgramStarter& starter,
                   LauncherPlaces places)
    : ui_(ui), settings_(settings), starter_(starter),
      sourceFolder_(std::move(places.sourceFolder)),
      desktopFolder_(std::move(places.desktopFolder)) {}

void Launcher::Run(const QStringList& commandLine) {
    installFolder_ = NormaliseFolder(settings_.Read(QStringLiteral("LocalExecPath")));
    if (!installFolder_.isEmpty() && QFileInfo(installFolder_ + editorName).isFile()) {
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
    const std::optional<LauncherConfig> config =
        ReadConfig(sourceFolder_ + QStringLiteral("Waybill.cfg"));
    if (!config) {
        ShowError(QStringLiteral("Config file error.  Installation is aborted."));
        return false;
    }
    sourceFolder_ = NormaliseFolder(sourceFolder_);
    installFolder_ = NormaliseFolder(config->installFolder);
    exportFolder_ = NormaliseFolder(config->exportFolder);

    const std::optional<FolderChoice> choice = ui_.AskFolders({sourceFolder_, installFolder_});
    if (!choice)
        return false;
    if (HoldsFiles(NormaliseFolder(choice->sourceFolder))) {
        installFolder_ = NormaliseFolder(choice->installFolder);
        sourceFolder_ = NormaliseFolder(choice->sourceFolder);
    } else {
        ShowError(QStringLiteral("Source folder not found."));
    }

    if (!CreateFolder(installFolder_) ||
        !CreateFolder(installFolder_ + ExistingFolderName(installFolder_, blocksFolder)))
        return false;

    Update();

    const ShortcutPlan shortcut = PlanShortcut(desktopFolder_, sourceFolder_);
    const bool shortcutMade = CreateDesktopShortcut(desktopFolder_, shortcut);
    if (!shortcutMade)
        ShowError(QStringLiteral("Cannot create the shortcut ") + shortcut.path +
                  QStringLiteral("."));

    settings_.Write(QStringLiteral("DefFwb"), installFolder_ + QStringLiteral("Default.fwb"));
    settings_.Write(QStringLiteral("DefDB"), installFolder_ + QStringLiteral("DefWaybill.db"));
    settings_.Write(QStringLiteral("LocalExecPath"), installFolder_);
    settings_.Write(QStringLiteral("ExportFolder"), exportFolder_);

    // Only claim the shortcut when there is one.
    const QString text =
        shortcutMade ? installedFirstLine +
                           QStringLiteral("\r\nand a shortcut has been created on your desktop.")
                     : installedFirstLine;
    ui_.ShowMessage({QStringLiteral("Installation Complete"), text, MessageIcon::None});
    return true;
}

bool Launcher::CreateFolder(const QString& folder) {
    if (!folder.isEmpty() && (QFileInfo(folder).isDir() || QDir().mkdir(folder)))
        return true;
    ShowError(QStringLiteral("Cannot create folder ") + folder + QStringLiteral(".  ") +
              QStringLiteral("Installation is aborted."));
    return false;
}

void Launcher::Update() {
    const QString failure = QStringLiteral("Cannot open Files.txt.  Cannot check for updates.");
    const std::optional<QStringList> names =
        ReadFields(sourceFolder_ + QStringLiteral("Files.txt"));
    if (!names) {
        ShowError(failure);
        return;
    }
    for (const QString& name : *names) {
        const QString source = ListedPath(sourceFolder_, name);
        const QFileInfo sourceInfo(source);
        if (!sourceInfo.isFile()) {
            ShowError(QStringLiteral("File ") + source + QStringLiteral(" not found."));
            continue;
        }
        const QString target = ListedPath(installFolder_, name);
        const QFileInfo targetInfo(target);
        if (targetInfo.exists() && targetInfo.lastModified() >= sourceInfo.lastModified())
            continue;
        // A release may bring a sub-folder that older installations lack (the fonts, say).
        if (!QDir().mkpath(targetInfo.absolutePath()) || !CopyFileOver(source, target)) {
            ShowError(failure);
            return;
        }
    }
}

void Launcher::StartEditor(const QStringList& commandLine) {
    const QString program = installFolder_ + editorName;
    if (!starter_.Start(program, commandLine))
        ShowError(QStringLiteral("Cannot start ") + program + QStringLiteral("."));
}

void Launcher::ShowError(const QString& text) {
    ui_.ShowMessage({QStringLiteral("Error"), text, MessageIcon::Warning});
}

} // namespace waybill::launcher
