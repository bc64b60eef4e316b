// The File menu: new, open, save, save as, recent files, configure and exit.
#include "app/AppMessages.h"
#include "app/DocumentName.h"
#include "app/gui/frmWaybillMain.h"
#include "app/gui/MainWindowActions.h"
#include "app/gui/WaybillMain.h"
#include "model/FwbFile.h"
#include "model/LegacyImport.h"
#include "model/ReadDocument.h"
#include "page/gui/PageWidget.h"
#include "platform/gui/DialogService.h"
#include "platform/gui/QtText.h"
#include "platform/gui/WaitCursor.h"

#include <QAction>
#include <QDate>
#include <QLocale>

namespace waybill {
namespace {

std::string TodayText() {
    QString date = QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
    return ToCp1252(date.replace(QLatin1Char('/'), QLatin1Char('.')));
}

} // namespace

void frmWaybillMain::MakeNewWaybill() {
    waybill_ = Book{};
    fileChanged_ = false;
    imported_ = false;
    waybill_.CurDate = TodayText();
    // The title block shows the new document's header (its date, and no fields left over
    // from the document before), and the numbering options on screen apply to it.
    page_->SetTblkInfo(waybill_);
    TogNumberPages();
    SetWindowCaption({});
    actions_->mnuOptSort->setEnabled(false);
}

void frmWaybillMain::OpenWaybillFile(const QString& path) {
    std::optional<UserMessage> failure;
    const std::filesystem::path file = FsPath(path);
    const bool legacy = IsLegacyDocumentPath(file);
    imported_ = legacy;
    {
        WaitCursor wait;
        failure = ReadDocument(file, waybill_);
    }
    ShowMessages(failure);
    if (!legacy) {
        actions_->mnuOptNumberPages->setChecked(waybill_.NumberPgs);
        actions_->mnuOptShowTotalPages->setChecked(waybill_.ShowPgTot);
        TogNumberPages();
    }
    SetLocIdx();
    page_->SetTblkInfo(waybill_);
    AddToMRU(path);
    SetWindowCaption(path);
    ShowPage(1);
    CheckSort();
}

bool frmWaybillMain::ChangedOK() {
    page_->CommitEdits();
    if (waybill_.PageCount() == 0 || !fileChanged_) {
        return true;
    }
    switch (dialogs_.ShowMessage(FileChangedQuestion(), MessageButtons::YesNoCancel)) {
    case MessageAnswer::Yes:
        return SaveAsFile();
    case MessageAnswer::No:
        return true;
    default:
        return false;
    }
}

bool frmWaybillMain::SaveFWB(const QString& path) {
    ChkPgContents();
    std::optional<UserMessage> failure;
    {
        WaitCursor wait;
        failure = WriteFWB(waybill_, FsPath(path));
    }
    ShowMessages(failure);
    return !failure;
}

bool frmWaybillMain::SaveAsFile() {
    FileDialogRequest request;
    request.title = QStringLiteral("Save As");
    request.filter = QStringLiteral("Waybill Files (*.fwb)|*.fwb");
    request.defaultExtension = QStringLiteral("fwb");
    request.startFolder = WorkFolder();
    page_->CommitEdits();
    request.fileName =
        docPath_.isEmpty()
            ? FromCp1252(ProposedSaveName({}, page_->View().titleBlock[TblkJobNumber]))
            : docPath_;
    const std::optional<QString> chosen = dialogs_.GetSaveFileName(request);
    if (!chosen || chosen->trimmed().isEmpty()) {
        return false;
    }
    module_.paths.WorkFolder = FolderOf(ToUtf8(*chosen));
    // A failed write is shown and leaves the document as it was: still changed, under its
    // old name.
    if (!SaveFWB(*chosen)) {
        return false;
    }
    fileChanged_ = false;
    imported_ = false;
    AddToMRU(*chosen);
    SetWindowCaption(*chosen);
    return true;
}

void frmWaybillMain::AddToMRU(const QString& path) {
    recentFiles_ = waybill::AddToMRU(recentFiles_, ToUtf8(path));
    ShowRecentFiles();
}

void frmWaybillMain::ShowRecentFiles() {
    for (std::size_t i = 0; i < recentFiles_.size(); ++i) {
        QAction* entry = actions_->mnuFileMRU[i];
        QString caption = FromUtf8(recentFiles_[i]);
        entry->setText(caption.replace(QLatin1Char('&'), QStringLiteral("&&")));
        entry->setVisible(!recentFiles_[i].empty());
    }
    actions_->mnuFileBar5->setVisible(AnyRecentFile(recentFiles_));
}

void frmWaybillMain::SetWindowCaption(const QString& path) {
    const std::string docPath = DocPathFor(ToUtf8(path));
    docPath_ = FromUtf8(docPath);
    setWindowTitle(FromUtf8(WindowCaption(docPath)));
}

// A cancelled New keeps the page on screen as it is, typed text included.
void frmWaybillMain::FileNew() {
    if (ChangedOK()) {
        MakeNewWaybill();
        ShowPage(0);
    }
}

void frmWaybillMain::FileOpen() {
    if (!ChangedOK()) {
        return;
    }
    FileDialogRequest request;
    request.title = QStringLiteral("Open");
    request.filter = QStringLiteral("Waybill Files (*.fwb, *.wbl)|*.fwb;*.wbl|All Files (*.*)|*.*");
    request.startFolder = WorkFolder();
    request.mustExist = true;
    const std::optional<QString> chosen = dialogs_.GetOpenFileName(request);
    if (!chosen || chosen->trimmed().isEmpty()) {
        return;
    }
    module_.paths.WorkFolder = FolderOf(ToUtf8(*chosen));
    MakeNewWaybill();
    OpenWaybillFile(*chosen);
}

void frmWaybillMain::FileSave() {
    if (imported_ || !IsDocumentFilePath(ToUtf8(docPath_))) {
        SaveAsFile();
        return;
    }
    // A failed write leaves the document marked changed.
    if (SaveFWB(docPath_)) {
        fileChanged_ = false;
    }
}

void frmWaybillMain::FileSaveAs() {
    SaveAsFile();
}

void frmWaybillMain::FileRecent(int index) {
    const std::string path = recentFiles_[static_cast<std::size_t>(index)];
    if (path.empty() || !ChangedOK()) {
        return;
    }
    MakeNewWaybill();
    OpenWaybillFile(FromUtf8(path));
}

void frmWaybillMain::FileConfigure() {
    ConfigurePaths(module_, dialogs_, runModal_, ConfigureMode::Menu, this);
}

void frmWaybillMain::FileExit() {
    ChkPgContents();
    close();
}

} // namespace waybill
