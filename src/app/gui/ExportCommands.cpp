// The File menu's exports: the line-item table for order entry and the punch patterns for the
// punching machine. Both read the whole document and change nothing in it; a stop shows the
// page and the field or cell at fault.
#include "app/DocumentName.h"
#include "app/gui/frmWaybillMain.h"
#include "app/gui/MainWindowActions.h"
#include "app/gui/WaybillMain.h"
#include "export/ExportFailure.h"
#include "export/TableExport.h"
#include "page/gui/CellGrid.h"
#include "page/gui/PageWidget.h"
#include "platform/gui/DialogService.h"
#include "platform/gui/QtText.h"
#include "platform/gui/WaitCursor.h"
#include "tensile/gui/dlgExportPunches.h"
#include "tensile/PunchExport.h"
#include "units/Text.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QStatusBar>

namespace waybill {

void frmWaybillMain::CreateExportActions(QMenu& file) {
    mnuFileExportTable_ = new QAction(QStringLiteral("&Export Table"), this);
    mnuFileExportTable_->setObjectName(QStringLiteral("mnuFileExportTable"));
    connect(mnuFileExportTable_, &QAction::triggered, this, &frmWaybillMain::FileExportTable);
    mnuFileExportPunches_ = new QAction(QStringLiteral("Export Punc&hes"), this);
    mnuFileExportPunches_->setObjectName(QStringLiteral("mnuFileExportPunches"));
    connect(mnuFileExportPunches_, &QAction::triggered, this, &frmWaybillMain::FileExportPunches);

    // Between Save As and Configure, in a group of their own.
    QAction* configure = actions_->mnuFileConfig;
    file.insertAction(configure, mnuFileExportTable_);
    file.insertAction(configure, mnuFileExportPunches_);
    file.insertSeparator(configure);
}

void frmWaybillMain::SetExportMenus(bool enabled) {
    mnuFileExportTable_->setEnabled(enabled);
    mnuFileExportPunches_->setEnabled(enabled);
}

bool frmWaybillMain::CheckJobNumber() {
    if (const auto failure = waybill::CheckJobNumber(document_.GetBook().JobNumber)) {
        ShowExportFailure(*failure);
        return false;
    }
    return true;
}

void frmWaybillMain::ShowExportFailure(const ExportFailure& failure) {
    if (failure.page > 0) {
        ShowPage(failure.page);
    }
    dialogs_.ShowMessage(failure.message);
    switch (failure.focus) {
    case ExportFocus::JobNumber:
        page_->TitleBlockBox(TblkJobNumber)->setFocus();
        break;
    case ExportFocus::Finish:
        page_->TitleBlockBox(TblkFinish)->setFocus();
        break;
    case ExportFocus::Cell:
        // As a click on the cell would: the page's cell rules decide how it opens.
        page_->LineItemGrid()->setFocus();
        page_->BeginCellEdit(failure.row, failure.column, {});
        break;
    case ExportFocus::None:
        break;
    }
}

void frmWaybillMain::FileExportTable() {
    ChkPgContents();
    if (!CheckJobNumber() || !ChangedOK()) {
        return;
    }
    std::variant<TableExport, ExportFailure> result;
    {
        WaitCursor wait;
        result = ExportTable(document_.GetBook(), *module_.database);
    }
    if (const auto* failure = std::get_if<ExportFailure>(&result)) {
        ShowExportFailure(*failure);
        return;
    }
    const TableExport& table = std::get<TableExport>(result);

    FileDialogRequest request;
    request.title = QString::fromLatin1(kExportTableTitle);
    request.filter = QString::fromLatin1(kExportTableFilter);
    request.defaultExtension = QString::fromLatin1(kExportTableExtension);
    // Without an export folder the dialog starts where the user last opened or saved.
    request.startFolder = FromUtf8(module_.paths.ExportFolder.empty() ? module_.paths.WorkFolder
                                                                      : module_.paths.ExportFolder);
    request.fileName = FromCp1252(Trim(document_.GetBook().JobNumber));
    const std::optional<QString> chosen = dialogs_.GetSaveFileName(request);
    const std::optional<std::string> name = chosen ? ChosenFileName(ToUtf8(*chosen)) : std::nullopt;
    if (!name) {
        return;
    }
    const std::filesystem::path file = FsPath(FromUtf8(*name));
    std::optional<UserMessage> failure;
    {
        WaitCursor wait;
        failure = WriteTable(table, file);
    }
    if (failure) {
        dialogs_.ShowMessage(*failure);
        return;
    }
    module_.paths.WorkFolder = FolderOf(*name);
    dialogs_.ShowMessage(TableExportedMessage(table, file));
}

void frmWaybillMain::FileExportPunches() {
    ChkPgContents();
    if (!CheckJobNumber() || !ChangedOK()) {
        return;
    }
    if (module_.paths.PunchExport.empty()) {
        dialogs_.ShowMessage(PatternsFileNotSetMessage());
        return;
    }
    if (exportPunches_ == nullptr) {
        exportPunches_ = new dlgExportPunches(this);
    }
    const std::optional<PunchSelection> selection = exportPunches_->StartExport(runModal_);
    if (!selection) {
        return;
    }
    const std::filesystem::path patternsFile = FsPath(FromUtf8(module_.paths.PunchExport));
    std::variant<PunchExportDone, ExportFailure> result;
    {
        WaitCursor wait;
        result = ExportPunches(document_.GetBook(), *selection,
                               FsPath(module_.programFolder) / kPunchTemplatesName, patternsFile);
    }
    if (const auto* failure = std::get_if<ExportFailure>(&result)) {
        ShowExportFailure(*failure);
        return;
    }
    const PunchExportDone& done = std::get<PunchExportDone>(result);
    if (!done.tooManyLeadPunches.empty()) {
        dialogs_.ShowMessage(TooManyLeadPunchesMessage(done.tooManyLeadPunches));
    }
    // The machine's file gives no sign of its own, so the status bar says what was written.
    statusBar()->showMessage(QStringLiteral("%1 record(s) updated, %2 record(s) added to %3.")
                                 .arg(done.updated)
                                 .arg(done.appended)
                                 .arg(FromUtf8(module_.paths.PunchExport)));
}

} // namespace waybill
