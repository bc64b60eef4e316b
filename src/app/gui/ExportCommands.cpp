// The File menu's exports: the line-item table for order entry and the punch patterns for the
// punching machine.
#include "app/DocumentName.h"
#include "app/EditSession.h"
#include "app/gui/WaybillMain.h"
#include "app/gui/WindowCommands.h"
#include "app/StartFolder.h"
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

#include <QLineEdit>
#include <QMainWindow>
#include <QStatusBar>

namespace waybill {

bool ExportCommands::ReadyToExport() {
    w_.session.StoreTyping();
    if (const auto failure = CheckJobNumber(w_.session.Waybill().JobNumber)) {
        ShowFailure(*failure);
        return false;
    }
    return files_.ChangedOK();
}

// Shows the page of the failure, its message, then the field or cell it names.
void ExportCommands::ShowFailure(const ExportFailure& failure) {
    if (failure.page > 0) {
        w_.session.ShowPage(failure.page);
    }
    w_.dialogs.ShowMessage(failure.message);
    switch (failure.focus) {
    case ExportFocus::JobNumber:
        w_.page.TitleBlockBox(TblkJobNumber)->setFocus();
        break;
    case ExportFocus::Finish:
        w_.page.TitleBlockBox(TblkFinish)->setFocus();
        break;
    case ExportFocus::Cell:
        // As a click on the cell would: the page's cell rules decide how it opens.
        w_.page.LineItemGrid()->setFocus();
        w_.page.BeginCellEdit(failure.row, failure.column, {});
        break;
    case ExportFocus::None:
        break;
    }
}

void ExportCommands::ExportTable() {
    if (!ReadyToExport()) {
        return;
    }
    std::variant<TableExport, ExportFailure> result;
    {
        WaitCursor wait;
        result = waybill::ExportTable(w_.session.Waybill(), *w_.module.database);
    }
    if (const auto* failure = std::get_if<ExportFailure>(&result)) {
        ShowFailure(*failure);
        return;
    }
    const TableExport& table = std::get<TableExport>(result);
    FileDialogRequest request;
    request.title = QString::fromLatin1(kExportTableTitle);
    request.filter = QString::fromLatin1(kExportTableFilter);
    request.defaultExtension = QString::fromLatin1(kExportTableExtension);
    request.startFolder = DialogStartFolder(w_, FileDialogKind::Export);
    request.fileName = FromCp1252(Trim(w_.session.Waybill().JobNumber));
    const std::optional<QString> chosen = w_.dialogs.GetSaveFileName(request);
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
        w_.dialogs.ShowMessage(*failure);
        return;
    }
    w_.session.SetWorkFolderFrom(*name);
    w_.dialogs.ShowMessage(TableExportedMessage(table, file));
}

void ExportCommands::ExportPunches() {
    if (!ReadyToExport()) {
        return;
    }
    const PathSettings& paths = w_.module.paths;
    if (paths.PunchExport.empty()) {
        w_.dialogs.ShowMessage(PatternsFileNotSetMessage());
        return;
    }
    if (exportPunches_ == nullptr) {
        exportPunches_ = new dlgExportPunches(&w_.window);
    }
    const std::optional<PunchSelection> selection = exportPunches_->StartExport(w_.runModal);
    if (!selection) {
        return;
    }
    std::variant<PunchExportDone, ExportFailure> result;
    {
        WaitCursor wait;
        result = waybill::ExportPunches(w_.session.Waybill(), *selection,
                                        FsPath(w_.module.programFolder) / kPunchTemplatesName,
                                        FsPath(FromUtf8(paths.PunchExport)));
    }
    if (const auto* failure = std::get_if<ExportFailure>(&result)) {
        ShowFailure(*failure);
        return;
    }
    const PunchExportDone& done = std::get<PunchExportDone>(result);
    if (!done.tooManyLeadPunches.empty()) {
        w_.dialogs.ShowMessage(TooManyLeadPunchesMessage(done.tooManyLeadPunches));
    }
    // The machine's file gives no sign of its own, so the status bar says what was written.
    w_.window.statusBar()->showMessage(
        QStringLiteral("%1 record(s) updated, %2 record(s) added to %3.")
            .arg(done.updated)
            .arg(done.appended)
            .arg(FromUtf8(paths.PunchExport)));
}

} // namespace waybill
