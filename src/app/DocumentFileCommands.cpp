// The document's files (DocumentFiles.h): the File menu's commands as the user runs them, the
// question before a changed document goes, the file dialog, then New, Open or Save.
#include "app/DocumentFiles.h"
#include "app/DocumentName.h"
#include "units/Text.h"

namespace waybill {
namespace {

const char* const kDocumentFilter = "Waybill Files (*.fwb, *.wbl)|*.fwb;*.wbl|All Files (*.*)|*.*";

} // namespace

std::optional<std::string> DocumentFiles::AskForDocument(std::string title) {
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

std::optional<std::string> DocumentFiles::AskWhereToSave(FileQuestion question) {
    question.save = true;
    const std::optional<std::string> chosen = questions_.AskForFile(question);
    return chosen ? ChosenFileName(*chosen) : std::nullopt;
}

bool DocumentFiles::MayDropDocument() {
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
bool DocumentFiles::FileNew() {
    if (!MayDropDocument()) {
        return false;
    }
    New();
    return true;
}

void DocumentFiles::FileOpen() {
    if (!MayDropDocument()) {
        return;
    }
    if (const auto path = AskForDocument("Open")) {
        Open(*path, OpenedFrom::Dialog);
    }
}

void DocumentFiles::FileOpenRecent(std::size_t index) {
    const std::string path = index < recent_.size() ? recent_[index] : std::string();
    if (!path.empty() && MayDropDocument()) {
        Open(path, OpenedFrom::RecentFiles);
    }
}

void DocumentFiles::FileSave() {
    if (NeedsSaveAs()) {
        FileSaveAs();
    } else {
        Save();
    }
}

bool DocumentFiles::FileSaveAs() {
    FileQuestion question;
    question.title = "Save As";
    question.filter = "Waybill Files (*.fwb)|*.fwb";
    question.defaultExtension = "fwb";
    question.fileName = ProposedSaveName();
    question.startFolder = StartFolder(FileDialogKind::Document);
    const std::optional<std::string> path = AskWhereToSave(std::move(question));
    return path && SaveAs(*path);
}

} // namespace waybill
