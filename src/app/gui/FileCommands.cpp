// The File menu: new, open, save, save as, recent files, configure and exit.
#include "app/AppMessages.h"
#include "app/DocumentName.h"
#include "app/gui/frmWaybillMain.h"
#include "app/gui/MainWindowActions.h"
#include "app/gui/WaybillMain.h"
#include "app/Recovery.h"
#include "model/FwbFile.h"
#include "model/LegacyImport.h"
#include "model/ReadDocument.h"
#include "page/gui/PageWidget.h"
#include "platform/gui/DialogService.h"
#include "platform/gui/QtText.h"
#include "platform/gui/WaitCursor.h"

#include <QAction>
#include <QDate>
#include <QDateTime>
#include <QFileInfo>
#include <QLocale>
#include <QStatusBar>
#include <QTime>

namespace waybill {
namespace {

std::string TodayText() {
    QString date = QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
    return ToCp1252(date.replace(QLatin1Char('/'), QLatin1Char('.')));
}

} // namespace

void frmWaybillMain::MakeNewWaybill() {
    Book book;
    book.CurDate = TodayText();
    // The numbering options on screen apply to the new document.
    book.NumberPgs = actions_->mnuOptNumberPages->isChecked();
    book.ShowPgTot = actions_->mnuOptShowTotalPages->isChecked();
    document_.Reset(std::move(book), {}, false);
    // The title block shows the new document's header (its date, and no fields left over
    // from the document before).
    page_->SetTblkInfo(document_.GetBook());
    TogNumberPages();
    SetWindowCaption();
    actions_->mnuOptSort->setEnabled(false);
    SetHistoryMenus();
}

bool frmWaybillMain::OpenWaybillFile(const QString& path) {
    std::optional<UserMessage> failure;
    const std::filesystem::path file = FsPath(path);
    const bool legacy = IsLegacyDocumentPath(file);
    Book book = document_.GetBook(); // the new document the caller made
    {
        WaitCursor wait;
        failure = ReadDocument(file, book);
    }
    ShowMessages(failure);
    waybill::SetLocIdx(book, defWblIdx_);
    const std::string docPath = DocPathFor(ToUtf8(path));
    document_.Reset(std::move(book), docPath, legacy);
    document_.SetDiskStamp(ReadFileStamp(FsPath(FromUtf8(docPath))));
    if (!legacy) {
        SetNumberingChecks();
    }
    TogNumberPages();
    page_->SetTblkInfo(document_.GetBook());
    AddToMRU(path);
    SetWindowCaption();
    ShowPage(1);
    CheckSort();
    SetHistoryMenus();
    OfferRecovery();
    return !failure;
}

bool frmWaybillMain::ChangedOK() {
    ChkPgContents();
    if (document_.GetBook().PageCount() == 0 || !document_.FileChanged()) {
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
    const std::filesystem::path file = FsPath(path);
    if (file == FsPath(DocPath()) && document_.ChangedOnDisk() &&
        dialogs_.ShowMessage(ChangedOnDiskQuestion(PathText(file)), MessageButtons::YesNo,
                             MessageAnswer::No) != MessageAnswer::Yes) {
        return false;
    }
    std::optional<UserMessage> failure;
    {
        WaitCursor wait;
        failure = WriteFWB(document_.GetBook(), file);
    }
    ShowMessages(failure);
    if (failure) {
        return false;
    }
    document_.SetDiskStamp(ReadFileStamp(file));
    return true;
}

bool frmWaybillMain::SaveAsFile() {
    FileDialogRequest request;
    request.title = QStringLiteral("Save As");
    request.filter = QStringLiteral("Waybill Files (*.fwb)|*.fwb");
    request.defaultExtension = QStringLiteral("fwb");
    request.startFolder = WorkFolder();
    ChkPgContents();
    request.fileName =
        document_.Path().empty()
            ? FromCp1252(ProposedSaveName({}, page_->View().titleBlock[TblkJobNumber]))
            : DocPath();
    const std::optional<QString> chosen = dialogs_.GetSaveFileName(request);
    if (!chosen || chosen->trimmed().isEmpty()) {
        return false;
    }
    // A failed write is shown and leaves the document as it was: still changed, under its
    // old name, and the dialogs still start where they did.
    if (!SaveFWB(*chosen)) {
        return false;
    }
    module_.paths.WorkFolder = FolderOf(ToUtf8(*chosen));
    RemoveRecovery(); // under the old name
    document_.MarkSaved(DocPathFor(ToUtf8(*chosen)));
    RemoveRecovery();
    AddToMRU(*chosen);
    SetWindowCaption();
    SetHistoryMenus();
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

void frmWaybillMain::SetWindowCaption() {
    setWindowTitle(FromUtf8(WindowCaption(document_.Path())));
}

void frmWaybillMain::ReplaceDocument() {
    RemoveRecovery();
    MakeNewWaybill();
}

// A cancelled New keeps the page on screen as it is, typed text included.
void frmWaybillMain::FileNew() {
    if (ChangedOK()) {
        ReplaceDocument();
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
    ReplaceDocument();
    if (OpenWaybillFile(*chosen)) {
        module_.paths.WorkFolder = FolderOf(ToUtf8(*chosen));
    }
}

void frmWaybillMain::FileSave() {
    if (document_.Imported() || !IsDocumentFilePath(document_.Path())) {
        SaveAsFile();
        return;
    }
    // A failed write leaves the document marked changed.
    if (SaveFWB(DocPath())) {
        document_.MarkSaved(document_.Path());
        RemoveRecovery();
        SetHistoryMenus();
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
    ReplaceDocument();
    OpenWaybillFile(FromUtf8(path));
}

void frmWaybillMain::FileConfigure() {
    ConfigurePaths(module_, dialogs_, runModal_, ConfigureMode::Menu, this);
}

void frmWaybillMain::FileExit() {
    close();
}

QString frmWaybillMain::RecoveryPath() const {
    return module_.recoveryFolder + QLatin1Char('/') + FromUtf8(RecoveryFileName(document_.Path()));
}

void frmWaybillMain::RemoveRecovery() {
    std::error_code ignored; // nothing there is the usual case
    std::filesystem::remove(FsPath(RecoveryPath()), ignored);
}

// Never written over the document itself, and atomically, so a crash while writing leaves
// the previous copy.
void frmWaybillMain::Autosave() {
    if (!document_.FileChanged() || document_.GetBook().PageCount() == 0) {
        RemoveRecovery();
        return;
    }
    std::error_code error;
    std::filesystem::create_directories(FsPath(module_.recoveryFolder), error);
    const auto failure = WriteFWB(document_.GetBook(), FsPath(RecoveryPath()));
    statusBar()->showMessage(
        failure ? QStringLiteral("The recovery copy could not be written.")
                : QStringLiteral("Recovery copy saved at %1.")
                      .arg(QTime::currentTime().toString(QStringLiteral("HH:mm:ss"))));
}

void frmWaybillMain::OfferRecovery() {
    const std::filesystem::path recovery = FsPath(RecoveryPath());
    if (!RecoveryIsNewer(recovery, FsPath(DocPath()))) {
        return;
    }
    std::error_code error;
    const QDateTime written = QFileInfo(RecoveryPath()).lastModified();
    const std::string name =
        document_.Path().empty() ? std::string("Untitled") : PathText(FsPath(DocPath()));
    const std::string time = ToCp1252(QLocale::system().toString(written, QLocale::ShortFormat));
    if (dialogs_.ShowMessage(RecoveryQuestion(name, time), MessageButtons::YesNo,
                             MessageAnswer::Yes) != MessageAnswer::Yes) {
        std::filesystem::remove(recovery, error);
        return;
    }
    Book book;
    if (const auto failure = ReadFWB(recovery, book)) {
        dialogs_.ShowMessage(RecoveryFailedMessage(failure->text));
        return;
    }
    waybill::SetLocIdx(book, defWblIdx_);
    // Recovered under the document's own path, changed, so Save writes the user's file.
    const std::string path = document_.Path();
    const bool imported = document_.Imported();
    auto stamp = document_.DiskStamp();
    document_.Reset(std::move(book), path, imported);
    document_.SetDiskStamp(std::move(stamp));
    document_.MarkUnsaved();
    document_.GotoPage(1);
    ShowDocument();
}

} // namespace waybill
