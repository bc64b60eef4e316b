// The edit session's exports (EditSession.h): the line-item table for order entry and the
// punch patterns for the punching machine. Both read the whole document and change nothing in
// it; a stop shows its page and message, then sends the user to the field or cell it names.
#include "app/EditSession.h"
#include "app/StartFolder.h"
#include "export/TableExport.h"
#include "platform/Cp1252.h"
#include "tensile/PunchExport.h"
#include "units/Text.h"

#include <variant>

namespace waybill {

void EditSession::ShowExportFailure(const ExportFailure& failure) {
    if (failure.page > 0) {
        ShowPage(failure.page);
    }
    ShowMessage(failure.message);
    if (pending_ == nullptr) {
        return;
    }
    switch (failure.focus) {
    case ExportFocus::JobNumber:
        pending_->FocusTitleField(TblkJobNumber);
        break;
    case ExportFocus::Finish:
        pending_->FocusTitleField(TblkFinish);
        break;
    case ExportFocus::Cell:
        pending_->Retype({failure.row, failure.column});
        break;
    case ExportFocus::None:
        break;
    }
}

bool EditSession::ReadyToExport() {
    StoreTyping();
    if (const auto failure = CheckJobNumber(Waybill().JobNumber)) {
        ShowExportFailure(*failure);
        return false;
    }
    return files_.MayDropDocument();
}

void EditSession::ExportTable() {
    if (!ReadyToExport()) {
        return;
    }
    std::variant<TableExport, ExportFailure> result;
    {
        BusyWhile busy(questions_);
        result = waybill::ExportTable(Waybill(), Database());
    }
    if (const auto* failure = std::get_if<ExportFailure>(&result)) {
        ShowExportFailure(*failure);
        return;
    }
    const TableExport& table = std::get<TableExport>(result);
    FileQuestion question;
    question.title = kExportTableTitle;
    question.filter = kExportTableFilter;
    question.defaultExtension = kExportTableExtension;
    question.startFolder = files_.StartFolder(FileDialogKind::Export);
    question.fileName = Cp1252ToUtf8(Trim(Waybill().JobNumber));
    const std::optional<std::string> name = files_.AskWhereToSave(std::move(question));
    if (!name) {
        return;
    }
    const std::filesystem::path file = PathFromUtf8(*name);
    if (!files_.MayExportOver(file)) {
        return;
    }
    std::optional<UserMessage> failure;
    {
        BusyWhile busy(questions_);
        failure = WriteTable(table, file);
    }
    if (failure) {
        ShowMessage(*failure);
        return;
    }
    files_.SetWorkFolderFrom(*name);
    ShowMessage(TableExportedMessage(table, file));
}

bool EditSession::ReadyToExportPunches() {
    if (!ReadyToExport()) {
        return false;
    }
    if (setup_.files.paths == nullptr || setup_.files.paths->PunchExport.empty()) {
        ShowMessage(PatternsFileNotSetMessage());
        return false;
    }
    return true;
}

void EditSession::ExportPunches(PunchSelection selection) {
    const std::filesystem::path patterns = PathFromUtf8(setup_.files.paths->PunchExport);
    if (!files_.MayExportOver(patterns)) {
        return;
    }
    std::variant<PunchExportDone, ExportFailure> result;
    {
        BusyWhile busy(questions_);
        result = waybill::ExportPunches(
            Waybill(), selection, PathFromUtf8(setup_.files.programFolder) / kPunchTemplatesName,
            patterns);
    }
    if (const auto* failure = std::get_if<ExportFailure>(&result)) {
        ShowExportFailure(*failure);
        return;
    }
    const PunchExportDone& done = std::get<PunchExportDone>(result);
    if (!done.tooManyLeadPunches.empty()) {
        ShowMessage(TooManyLeadPunchesMessage(done.tooManyLeadPunches));
    }
    // The machine's file gives no sign of its own, so the status bar says what was written.
    statusNote_ = std::to_string(done.updated) + " record(s) updated, " +
                  std::to_string(done.appended) + " record(s) added to " + PathText(patterns) + ".";
    Notify(SessionChange::Status);
}

} // namespace waybill
