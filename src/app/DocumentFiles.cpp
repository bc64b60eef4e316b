// The document's files (DocumentFiles.h): the run's start and end, new, open, save, the
// folders and the recent files. The recovery copies are in DocumentRecovery.cpp, the File
// menu's commands in DocumentFileCommands.cpp.
#include "app/DocumentFiles.h"

#include "app/AppMessages.h"
#include "app/DocumentName.h"
#include "app/PageOrder.h"
#include "app/Recovery.h"
#include "model/FwbFile.h"
#include "model/LegacyImport.h"
#include "model/ReadDocument.h"
#include "platform/Cp1252.h"

#include <utility>

namespace waybill {

using namespace SessionChange;
namespace {

std::string ShortDate(std::string date) {
    for (char& c : date) {
        c = c == '/' ? '.' : c;
    }
    return date;
}

} // namespace

DocumentFiles::DocumentFiles(FileSetup setup, Questions& questions, Document& document,
                             const LocationIndex& positions, Host& host)
    : setup_(std::move(setup)), questions_(questions), document_(document), positions_(positions),
      host_(host), locks_(setup_.locks, setup_.settings, questions) {}

void DocumentFiles::Start(const std::string& path) {
    if (setup_.settings != nullptr) {
        recent_ = ReadRecentFiles(*setup_.settings);
    }
    document_.Reset(NewBook(), {}, false);
    started_ = true;
    startRecovery_ = StartRecovery::None;
    if (path.empty()) {
        host_.ShowReplaced(PageShown | PageList);
        startRecovery_ = StartRecovery::Copies;
    } else if (OpenFile(path, OpenedFrom::CommandLine).has_value()) { // read or not, not cancelled
        startRecovery_ = StartRecovery::OpenedDocument;
    }
    host_.Notify(WholeDocument | Status);
}

void DocumentFiles::Close() {
    RemoveRecovery();
    locks_.Hold(std::nullopt);
    if (setup_.settings != nullptr) {
        WriteRecentFiles(*setup_.settings, recent_);
    }
}

DocumentFiles::DropAnswer DocumentFiles::AskToDrop() {
    host_.StoreTyping();
    if (document_.GetBook().PageCount() == 0 || !document_.FileChanged()) {
        return DropAnswer::Drop;
    }
    switch (questions_.ShowMessage(FileChangedQuestion(), MessageButtons::YesNoCancel)) {
    case MessageAnswer::Yes:
        return DropAnswer::SaveFirst;
    case MessageAnswer::No:
        return DropAnswer::Drop;
    default:
        return DropAnswer::Keep;
    }
}

Book DocumentFiles::NewBook() const {
    Book book;
    book.CurDate = ShortDate(Clock().Today());
    book.NumberPgs = document_.GetBook().NumberPgs;
    book.ShowPgTot = document_.GetBook().ShowPgTot;
    return book;
}

// The document dropped takes its recovery copy along.
void DocumentFiles::New() {
    RemoveRecovery();
    ownsRecovery_ = false;
    locks_.Hold(std::nullopt);
    readOnly_ = false;
    document_.Reset(NewBook(), {}, false);
    host_.ShowReplaced(WholeDocument);
}

bool DocumentFiles::Open(const std::string& path, OpenedFrom from) {
    const std::optional<bool> read = OpenFile(path, from);
    if (!read) {
        return false;
    }
    OfferRecovery();
    return *read;
}

// The lock is settled before anything is read, so Cancel (nothing) leaves the open document
// untouched. A legacy document is only read: Save As names the file it is written to.
std::optional<bool> DocumentFiles::OpenFile(const std::string& path, OpenedFrom from) {
    const std::filesystem::path file = PathFromUtf8(path);
    if (const auto lockFile = LockFileInsteadMessage(file)) {
        questions_.ShowMessage(*lockFile); // nothing to open, nor to lock
        return std::nullopt;
    }
    const std::string docPath = DocPathFor(path);
    const bool imported = IsLegacyDocumentPath(file);
    DocumentLockHolder::ForOpen lock =
        imported ? DocumentLockHolder::ForOpen{} : locks_.LockForOpen(PathFromUtf8(docPath));
    if (lock.cancelled) {
        return std::nullopt;
    }
    RemoveRecovery();
    ownsRecovery_ = false;
    locks_.Hold(std::move(lock.held));
    readOnly_ = lock.readOnly;
    host_.SetStatusNote(lock.note);
    Book book = NewBook();
    const auto failure = ReadDocument(file, book);
    if (failure) {
        questions_.ShowMessage(*failure);
    }
    SetLocIdx(book, positions_);
    document_.Reset(std::move(book), docPath, imported);
    document_.SetDiskStamp(ReadFileStamp(PathFromUtf8(docPath)));
    document_.GotoPage(1);
    AddToRecentFiles(path);
    if (!failure && from == OpenedFrom::Dialog) {
        SetWorkFolderFrom(path);
    }
    host_.ShowReplaced(WholeDocument | Status);
    return !failure;
}

void DocumentFiles::ReleaseFile() {
    locks_.Hold(std::nullopt);
    readOnly_ = false;
}

bool DocumentFiles::NeedsSaveAs() const {
    return readOnly_ || document_.Imported() || !IsDocumentFilePath(document_.Path());
}

// Writing over a file someone else holds asks first, naming the holder; saving over the
// document's own file asks too when someone else saved it since. The file written becomes the
// locked one.
bool DocumentFiles::WriteDocument(const std::string& path) {
    host_.StoreTyping();
    const std::filesystem::path file = PathFromUtf8(path);
    DocumentLockHolder::ForWrite lock = locks_.LockForWrite(file);
    if (!lock.mayWrite) {
        return false;
    }
    if (path == document_.Path() && document_.ChangedOnDisk() &&
        questions_.ShowMessage(ChangedOnDiskQuestion(PathText(file)), MessageButtons::YesNo,
                               MessageAnswer::No) != MessageAnswer::Yes) {
        locks_.Release(lock.made);
        return false;
    }
    if (const auto failure = WriteFWB(document_.GetBook(), file)) {
        questions_.ShowMessage(*failure);
        locks_.Release(lock.made);
        return false;
    }
    if (lock.made) {
        locks_.Hold(std::move(lock.made));
    }
    document_.SetDiskStamp(ReadFileStamp(file));
    return true;
}

// A failed write leaves the document marked changed.
bool DocumentFiles::Save() {
    if (!WriteDocument(document_.Path())) {
        return false;
    }
    document_.MarkSaved(document_.Path());
    RemoveRecovery(true); // older than the document now
    NoteSaved();
    host_.Notify(History | Status);
    return true;
}

// A failed write is shown and leaves the document as it was: still changed, under its old
// name, and the dialogs still start where they did.
bool DocumentFiles::SaveAs(const std::string& path) {
    if (!WriteDocument(path)) {
        return false;
    }
    readOnly_ = false; // a copy of the user's own now
    SetWorkFolderFrom(path);
    RemoveRecovery(); // under the old name
    document_.MarkSaved(DocPathFor(path));
    RemoveRecovery(true);
    ownsRecovery_ = false;
    AddToRecentFiles(path);
    NoteSaved();
    host_.Notify(History | DocumentName | RecentList | Status);
    return true;
}

void DocumentFiles::NoteSaved() {
    host_.SetStatusNote("Saved at " + Clock().TimeOfDay() + ".");
}

std::string DocumentFiles::ProposedSaveName() {
    host_.StoreTyping();
    return document_.Path().empty()
               ? Cp1252ToUtf8(waybill::ProposedSaveName({}, document_.GetBook().JobNumber))
               : document_.Path();
}

std::string DocumentFiles::WorkFolder() const {
    return setup_.paths != nullptr ? setup_.paths->WorkFolder : std::string();
}

void DocumentFiles::SetWorkFolderFrom(std::string_view path) {
    if (setup_.paths != nullptr) {
        setup_.paths->WorkFolder = FolderOf(path);
    }
}

std::string DocumentFiles::StartFolder(FileDialogKind kind) const {
    static const PathSettings none;
    return DialogStartFolder(
        kind, setup_.paths != nullptr ? *setup_.paths : none,
        {document_.Path(), setup_.programFolder, setup_.documentsFolder, setup_.homeFolder});
}

void DocumentFiles::AddToRecentFiles(const std::string& path) {
    recent_ = AddToMRU(recent_, path);
}

} // namespace waybill
