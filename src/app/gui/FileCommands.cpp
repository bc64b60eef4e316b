// The File menu: new, open, save, save as, recent files and configure. The session decides;
// the file dialogs are the window's.
#include "app/EditSession.h"
#include "app/gui/WaybillMain.h"
#include "app/gui/WindowCommands.h"
#include "app/StartFolder.h"
#include "platform/gui/DialogService.h"
#include "platform/gui/QtText.h"

#include <QMainWindow>
#include <QStandardPaths>

namespace waybill {
namespace {

// The chosen path; nothing when the dialog was cancelled or the name left blank.
std::optional<std::string> Chosen(const std::optional<QString>& chosen) {
    if (!chosen || chosen->trimmed().isEmpty()) {
        return std::nullopt;
    }
    return ToUtf8(*chosen);
}

} // namespace

QString DialogStartFolder(const WindowParts& w, FileDialogKind kind) {
    const std::string program = ToUtf8(w.module.programFolder);
    const std::string documents =
        ToUtf8(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    return FromUtf8(
        DialogStartFolder(kind, w.module.paths, {w.session.Doc().Path(), program, documents}));
}

QString DocumentFileFilter() {
    return QStringLiteral("Waybill Files (*.fwb, *.wbl)|*.fwb;*.wbl|All Files (*.*)|*.*");
}

bool FileCommands::ChangedOK() {
    switch (w_.session.AskToDrop()) {
    case EditSession::DropAnswer::Drop:
        return true;
    case EditSession::DropAnswer::SaveFirst:
        return SaveAs();
    case EditSession::DropAnswer::Keep:
        break;
    }
    return false;
}

// A cancelled New keeps the page on screen as it is, typed text included.
void FileCommands::New() {
    if (ChangedOK()) {
        w_.session.New();
    }
}

void FileCommands::Open() {
    if (!ChangedOK()) {
        return;
    }
    FileDialogRequest request;
    request.title = QStringLiteral("Open");
    request.filter = DocumentFileFilter();
    request.startFolder = DialogStartFolder(w_, FileDialogKind::Document);
    request.mustExist = true;
    if (const auto path = Chosen(w_.dialogs.GetOpenFileName(request))) {
        w_.session.Open(*path, EditSession::OpenedFrom::Dialog);
    }
}

void FileCommands::Save() {
    if (w_.session.NeedsSaveAs()) {
        SaveAs();
    } else {
        w_.session.Save();
    }
}

bool FileCommands::SaveAs() {
    FileDialogRequest request;
    request.title = QStringLiteral("Save As");
    request.filter = QStringLiteral("Waybill Files (*.fwb)|*.fwb");
    request.defaultExtension = QStringLiteral("fwb");
    request.fileName = FromUtf8(w_.session.ProposedSaveName());
    request.startFolder = DialogStartFolder(w_, FileDialogKind::Document);
    const auto path = Chosen(w_.dialogs.GetSaveFileName(request));
    return path && w_.session.SaveAs(*path);
}

void FileCommands::Recent(int index) {
    const std::string path = w_.session.RecentFileList()[static_cast<std::size_t>(index)];
    if (!path.empty() && ChangedOK()) {
        w_.session.Open(path, EditSession::OpenedFrom::RecentFiles);
    }
}

void FileCommands::Configure() {
    ConfigurePaths(w_.module, w_.dialogs, w_.runModal, ConfigureMode::Menu, &w_.window);
}

} // namespace waybill
