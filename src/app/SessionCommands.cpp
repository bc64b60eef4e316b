// The File menu's commands as the user runs them: the question before a changed document goes,
// the file dialog, then the file policy of SessionFiles.cpp.
#include "app/DocumentName.h"
#include "app/EditSession.h"
#include "app/StartFolder.h"
#include "units/Text.h"

namespace waybill {
namespace {

const char* const kDocumentFilter = "Waybill Files (*.fwb, *.wbl)|*.fwb;*.wbl|All Files (*.*)|*.*";

} // namespace

std::string EditSession::StartFolder(FileDialogKind kind) const {
    static const PathSettings none;
    return DialogStartFolder(
        kind, setup_.paths != nullptr ? *setup_.paths : none,
        {document_.Path(), setup_.programFolder, setup_.documentsFolder, setup_.homeFolder});
}

std::optional<std::string> EditSession::AskForDocument(std::string title) {
    FileQuestion question;
    question.title = std::move(title);
    question.filter = kDocumentFilter;
    question.startFolder = StartFolder(FileDialogKind::Document);
    question.mustExist = true;
    std::optional<std::string> chosen = questions_.AskForFile(question);
    if (!chosen || Trim(*chosen).empty()) {
        return std::nullopt;
    }
    return chosen;
}

std::optional<std::string> EditSession::AskWhereToSave(FileQuestion question) {
    question.save = true;
    const std::optional<std::string> chosen = questions_.AskForFile(question);
    return chosen ? ChosenFileName(*chosen) : std::nullopt;
}

bool EditSession::MayDropDocument() {
    switch (AskToDrop()) {
    case DropAnswer::Drop:
        return true;
    case DropAnswer::SaveFirst:
        return FileSaveAs();
    case DropAnswer::Keep:
        break;
    }
    return false;
}

// A cancelled New keeps the page as it is, typed text included.
bool EditSession::FileNew() {
    if (!MayDropDocument()) {
        return false;
    }
    New();
    return true;
}

void EditSession::FileOpen() {
    if (!MayDropDocument()) {
        return;
    }
    if (const auto path = AskForDocument("Open")) {
        Open(*path, OpenedFrom::Dialog);
    }
}

void EditSession::FileOpenRecent(std::size_t index) {
    const std::string path = index < recent_.size() ? recent_[index] : std::string();
    if (!path.empty() && MayDropDocument()) {
        Open(path, OpenedFrom::RecentFiles);
    }
}

void EditSession::FileSave() {
    if (NeedsSaveAs()) {
        FileSaveAs();
    } else {
        Save();
    }
}

bool EditSession::FileSaveAs() {
    FileQuestion question;
    question.title = "Save As";
    question.filter = "Waybill Files (*.fwb)|*.fwb";
    question.defaultExtension = "fwb";
    question.fileName = ProposedSaveName();
    question.startFolder = StartFolder(FileDialogKind::Document);
    const std::optional<std::string> path = AskWhereToSave(std::move(question));
    return path && SaveAs(*path);
}

void EditSession::FileCompareWith() {
    if (const auto path = AskForDocument("Compare With")) {
        CompareWith(*path);
    }
}

} // namespace waybill
