// The edit session's file policy: new, open, save, the question before a changed document
// is dropped, the work folder, the recent files and the recovery copies.
#include "app/AppMessages.h"
#include "app/DocumentName.h"
#include "app/EditSession.h"
#include "app/Recovery.h"
#include "model/FwbFile.h"
#include "model/LegacyImport.h"
#include "model/ReadDocument.h"

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

void EditSession::Start(const std::string& path) {
    if (setup_.settings != nullptr) {
        recent_ = ReadRecentFiles(*setup_.settings);
    }
    document_.Reset(NewBook(), {}, false);
    // The default document is read before the document named at start, so the pages of that
    // document get their positions like any other opened document.
    started_ = true;
    ReadDefaultDocument();
    startRecovery_ = StartRecovery::None;
    if (path.empty()) {
        ShowPage(0);
        startRecovery_ = StartRecovery::Copies;
    } else if (OpenFile(path, OpenedFrom::CommandLine).has_value()) { // read or not, not cancelled
        startRecovery_ = StartRecovery::OpenedDocument;
    }
    Notify(WholeDocument | Status);
}

void EditSession::OfferStartRecovery() {
    const StartRecovery pending = std::exchange(startRecovery_, StartRecovery::None);
    if (pending == StartRecovery::OpenedDocument) {
        OfferRecovery();
    } else if (pending == StartRecovery::Copies) {
        OfferRecoveryCopies();
    }
}

void EditSession::Close() {
    RemoveRecovery();
    HoldLock(std::nullopt);
    if (setup_.settings != nullptr) {
        WriteRecentFiles(*setup_.settings, recent_);
    }
}

int EditSession::AutosaveSeconds() const {
    return setup_.settings != nullptr && !setup_.recoveryFolder.empty()
               ? ReadAutosaveSeconds(*setup_.settings)
               : 0;
}

void EditSession::ReadDefaultDocument() {
    defWaybill_ = Book{};
    if (setup_.paths != nullptr) {
        if (const auto failure = ReadFWB(PathFromUtf8(setup_.paths->DefFwb), defWaybill_)) {
            ShowMessage(*failure);
        }
    }
    defWblIdx_ = MakeLocationIndex(defWaybill_);
}

EditSession::DropAnswer EditSession::AskToDrop() {
    StoreTyping();
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

Book EditSession::NewBook() const {
    Book book;
    book.CurDate = ShortDate(Clock().Today());
    book.NumberPgs = document_.GetBook().NumberPgs;
    book.ShowPgTot = document_.GetBook().ShowPgTot;
    return book;
}

// The document dropped takes its recovery copy along.
void EditSession::New() {
    RemoveRecovery();
    ownsRecovery_ = false;
    HoldLock(std::nullopt);
    readOnly_ = false;
    replaceSkipped_.clear();
    document_.Reset(NewBook(), {}, false);
    Render();
    Notify(WholeDocument);
}

bool EditSession::Open(const std::string& path, OpenedFrom from) {
    const std::optional<bool> read = OpenFile(path, from);
    if (!read) {
        return false;
    }
    OfferRecovery();
    return *read;
}

// The lock is settled before anything is read, so Cancel (nothing) leaves the open document
// untouched. A legacy document is only read: Save As names the file it is written to.
std::optional<bool> EditSession::OpenFile(const std::string& path, OpenedFrom from) {
    const std::filesystem::path file = PathFromUtf8(path);
    if (const auto lockFile = LockFileInsteadMessage(file)) {
        ShowMessage(*lockFile); // nothing to open, nor to lock
        return std::nullopt;
    }
    const std::string docPath = DocPathFor(path);
    const bool imported = IsLegacyDocumentPath(file);
    OpenLock lock = imported ? OpenLock{} : LockForOpen(PathFromUtf8(docPath));
    if (lock.cancelled) {
        return std::nullopt;
    }
    RemoveRecovery();
    ownsRecovery_ = false;
    HoldLock(std::move(lock.held));
    readOnly_ = lock.readOnly;
    statusNote_ = lock.note;
    Book book = NewBook();
    const auto failure = ReadDocument(file, book);
    if (failure) {
        ShowMessage(*failure);
    }
    SetLocIdx(book, defWblIdx_);
    replaceSkipped_.clear();
    document_.Reset(std::move(book), docPath, imported);
    document_.SetDiskStamp(ReadFileStamp(PathFromUtf8(docPath)));
    document_.GotoPage(1);
    AddToRecentFiles(path);
    if (!failure && from == OpenedFrom::Dialog) {
        SetWorkFolderFrom(path);
    }
    Render();
    Notify(WholeDocument | Status);
    return !failure;
}

void EditSession::LoadBook(Book book) {
    HoldLock(std::nullopt);
    readOnly_ = false;
    replaceSkipped_.clear();
    document_.Reset(std::move(book), {}, false);
    view_ = PageView{};
    shown_ = false;
    cadBase_.clear();
    Notify(WholeDocument);
}

bool EditSession::NeedsSaveAs() const {
    return readOnly_ || document_.Imported() || !IsDocumentFilePath(document_.Path());
}

// Writing over a file someone else holds asks first, naming the holder; saving over the
// document's own file asks too when someone else saved it since. The file written becomes the
// locked one.
bool EditSession::WriteDocument(const std::string& path) {
    StoreTyping();
    const std::filesystem::path file = PathFromUtf8(path);
    std::optional<HeldLock> made;
    if (!MayWriteOver(file, made)) {
        return false;
    }
    if (path == document_.Path() && document_.ChangedOnDisk() &&
        questions_.ShowMessage(ChangedOnDiskQuestion(PathText(file)), MessageButtons::YesNo,
                               MessageAnswer::No) != MessageAnswer::Yes) {
        ReleaseHeld(made);
        return false;
    }
    if (const auto failure = WriteFWB(document_.GetBook(), file)) {
        ShowMessage(*failure);
        ReleaseHeld(made);
        return false;
    }
    if (made) {
        HoldLock(std::move(made));
    }
    document_.SetDiskStamp(ReadFileStamp(file));
    return true;
}

// A failed write leaves the document marked changed.
bool EditSession::Save() {
    if (!WriteDocument(document_.Path())) {
        return false;
    }
    document_.MarkSaved(document_.Path());
    RemoveRecovery(true); // older than the document now
    NoteSaved();
    Notify(History | Status);
    return true;
}

// A failed write is shown and leaves the document as it was: still changed, under its old
// name, and the dialogs still start where they did.
bool EditSession::SaveAs(const std::string& path) {
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
    Notify(History | DocumentName | RecentList | Status);
    return true;
}

std::string EditSession::ProposedSaveName() {
    StoreTyping();
    return document_.Path().empty()
               ? Cp1252ToUtf8(waybill::ProposedSaveName({}, view_.titleBlock[TblkJobNumber]))
               : document_.Path();
}

std::string EditSession::WorkFolder() const {
    return setup_.paths != nullptr ? setup_.paths->WorkFolder : std::string();
}

void EditSession::SetWorkFolderFrom(std::string_view path) {
    if (setup_.paths != nullptr) {
        setup_.paths->WorkFolder = FolderOf(path);
    }
}

void EditSession::AddToRecentFiles(const std::string& path) {
    recent_ = AddToMRU(recent_, path);
}

std::filesystem::path EditSession::RecoveryPath() const {
    return setup_.recoveryFolder / PathFromUtf8(RecoveryFileName(document_.Path()));
}

void EditSession::RemoveRecovery(bool always) {
    if (!setup_.recoveryFolder.empty() && (always || ownsRecovery_)) {
        RemoveRecoveryCopy(RecoveryPath());
    }
}

void EditSession::NoteSaved() {
    statusNote_ = "Saved at " + Clock().TimeOfDay() + ".";
}

// Never written over the document itself, and atomically, so a crash while writing leaves
// the previous copy.
void EditSession::Autosave() {
    if (setup_.recoveryFolder.empty() || readOnly_) {
        return;
    }
    if (!document_.FileChanged() || document_.GetBook().PageCount() == 0) {
        RemoveRecovery();
        return;
    }
    std::error_code error;
    std::filesystem::create_directories(setup_.recoveryFolder, error);
    const std::filesystem::path recovery = RecoveryPath();
    ownsRecovery_ = true;
    statusNote_ =
        WriteFWB(document_.GetBook(), recovery) || !WriteRecoveryNote(recovery, document_.Path())
            ? "The recovery copy could not be written."
            : "Recovery copy saved at " + Clock().TimeOfDay() + ".";
    Notify(Status);
}

std::string EditSession::DocumentText(const std::string& docPath) const {
    return docPath.empty() ? std::string("Untitled") : PathText(PathFromUtf8(docPath));
}

// A recovery copy newer than the document's file is offered: Yes opens it changed, under the
// document's own path, so Save writes the user's file; No keeps it for later.
// A read-only document takes no copy, so one of an earlier run is neither offered nor deleted.
void EditSession::OfferRecovery() {
    if (setup_.recoveryFolder.empty() || readOnly_) {
        return;
    }
    const std::filesystem::path recovery = RecoveryPath();
    if (!RecoveryIsNewer(recovery, PathFromUtf8(document_.Path()))) {
        return;
    }
    std::error_code error;
    const std::string time = Clock().FileTime(std::filesystem::last_write_time(recovery, error));
    if (questions_.ShowMessage(RecoveryQuestion(DocumentText(document_.Path()), time),
                               MessageButtons::YesNo, MessageAnswer::Yes) == MessageAnswer::Yes) {
        TakeRecovery(recovery);
    }
}

void EditSession::OfferRecoveryCopies() {
    if (setup_.recoveryFolder.empty()) {
        return;
    }
    enum Button { Open, Keep, Delete };
    for (std::vector<RecoveryCopy> copies = FindRecoveryCopies(setup_.recoveryFolder);
         !copies.empty(); copies = FindRecoveryCopies(setup_.recoveryFolder)) {
        ListQuestion question{RecoveryListQuestion(), {}, {"Open", "Keep", "Delete"}};
        for (const RecoveryCopy& copy : copies) {
            std::error_code error;
            question.entries.push_back(RecoveryListEntry(
                DocumentText(copy.documentPath),
                Clock().FileTime(std::filesystem::last_write_time(copy.copy, error))));
        }
        const std::optional<ListAnswer> answer = questions_.AskAboutList(question);
        if (!answer || answer->button == Keep || answer->entry < 0 ||
            answer->entry >= static_cast<int>(copies.size())) {
            return;
        }
        const RecoveryCopy& chosen = copies[static_cast<std::size_t>(answer->entry)];
        if (answer->button == Delete) {
            RemoveRecoveryCopy(chosen.copy);
            continue;
        }
        // The document as it is on disk first, so Save guards its file like any other.
        std::error_code error;
        if (!chosen.documentPath.empty() &&
            std::filesystem::is_regular_file(PathFromUtf8(chosen.documentPath), error)) {
            OpenFile(chosen.documentPath, OpenedFrom::CommandLine);
        } else {
            document_.Reset(NewBook(), chosen.documentPath, false);
        }
        TakeRecovery(chosen.copy);
        return;
    }
}

// The copy's pages become the document's, changed, under the document's own path.
void EditSession::TakeRecovery(const std::filesystem::path& recovery) {
    Book book;
    if (const auto failure = ReadFWB(recovery, book)) {
        ShowMessage(RecoveryFailedMessage(failure->text));
        return;
    }
    SetLocIdx(book, defWblIdx_);
    const std::string path = document_.Path();
    const bool imported = document_.Imported();
    auto stamp = document_.DiskStamp();
    document_.Reset(std::move(book), path, imported);
    document_.SetDiskStamp(std::move(stamp));
    document_.MarkUnsaved();
    document_.GotoPage(1);
    ownsRecovery_ = true;
    Render();
    Notify(WholeDocument);
}

} // namespace waybill
