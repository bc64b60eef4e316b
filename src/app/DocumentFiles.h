#pragma once

#include "app/AppSettings.h"
#include "app/DocumentLockHolder.h"
#include "app/RecentFiles.h"
#include "app/SessionChanges.h"
#include "app/SessionClock.h"
#include "app/StartFolder.h"
#include "model/Document.h"
#include "platform/Questions.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace waybill {

class LocationIndex;

// What the run gives the document's files. Everything may be left out: a command of the
// command line has no settings, recovery copies or locks.
struct FileSetup {
    // The path settings of the run, shared with Configure and the exports: the folders the
    // file dialogs start in (WorkFolder, ExportFolder).
    PathSettings* paths = nullptr;
    SettingsStore* settings = nullptr;         // the recent files, autosave, StaleLockHours
    std::filesystem::path recoveryFolder = {}; // empty: no recovery copies
    const SessionClock* clock = nullptr;       // none: SystemClock
    LockSystem* locks = nullptr;               // none: documents are not locked
    std::string programFolder = {};            // UTF-8; never offered to a file dialog
    std::string documentsFolder = {};          // UTF-8; where file dialogs start at last,
    std::string homeFolder = {};               // UTF-8; or here when it is not there
};

// The open document's life on disk, beside the editing of it (EditSession): New, Open (with
// the legacy import), the question before a changed document is dropped, Save and Save As
// (with the guard against writing over someone else's save), the document's lock file
// (DocumentLockHolder), the recovery copies of changed documents (written by Autosave, offered
// at start-up and when their document is opened), the recent files and the work folder, and
// the File menu's commands with their questions and file dialogs.
//
// The files read into and write out of a Document they do not own; the session that owns it
// is their Host. They ask it to commit the typing still waiting before they read, write or
// drop the document, to show a document that replaced the one before, and to tell the window
// what changed. Messages, questions and file dialogs go through Questions.
//
// A document someone else holds is opened read-only, anyway, or not at all, as the user
// answers; a read-only document takes no change (the session refuses it), Save is Save As for
// it, and it gets no recovery copies.
//
// The methods are implemented in DocumentFiles.cpp (the run, new, open, save, folders),
// DocumentRecovery.cpp and DocumentFileCommands.cpp.
class DocumentFiles {
  public:
    // What the files need of the editing of the document.
    class Host {
      public:
        // Commits the typing still waiting in the window's boxes as its own step.
        virtual void StoreTyping() = 0;
        // The document was replaced (new, opened, recovered): its current page is shown anew,
        // what belonged to the one before is forgotten, and `changes` are told.
        virtual void ShowReplaced(SessionChanges changes) = 0;
        // Tells the window `changes`.
        virtual void Notify(SessionChanges changes) = 0;
        // The status bar's note, told with the next Status.
        virtual void SetStatusNote(std::string note) = 0;

      protected:
        ~Host() = default;
    };

    // `positions` are the page kinds' places in the default document, which every document
    // read takes; the host reads them before Start.
    DocumentFiles(FileSetup setup, Questions& questions, Document& document,
                  const LocationIndex& positions, Host& host);

    // --- A run of the editor
    // Reads the recent files, starts a new document, then opens `path` (UTF-8; empty: none).
    // The recovery copies wait for OfferStartRecovery.
    void Start(const std::string& path);
    // The recovery question of the start, asked once the window shows the document: for the
    // document opened at start, its own newer copy; when none was named, every copy newer
    // than its document in one list (Open recovers one, Keep leaves them, Delete removes one
    // and asks again). Later calls ask nothing.
    void OfferStartRecovery();
    // The end of the run: the recovery copy this run wrote or recovered from goes (the
    // document was saved, is unchanged or was dropped), the document's lock is released, the
    // recent files are stored.
    void Close();
    bool IsStarted() const { return started_; }
    // Seconds between recovery copies; 0: none.
    int AutosaveSeconds() const;
    // The document was opened read-only, someone else holding it.
    bool IsReadOnly() const { return readOnly_; }

    // --- The document's file
    enum class DropAnswer {
        Drop,      // the document may go (unchanged, without pages, or the user said No)
        Keep,      // Cancel
        SaveFirst, // Yes: the caller runs Save As, and drops the document only if it saved
    };
    // Asks before a changed document is dropped (FileChangedQuestion).
    DropAnswer AskToDrop();
    // A new, empty document: today's date, the numbering options of the document before.
    void New();
    enum class OpenedFrom { Dialog, RecentFiles, CommandLine };
    // Replaces the document by the file at `path` (UTF-8; a legacy document by its
    // extension), shows page 1 and offers a newer recovery copy. A file that fails to read
    // leaves what was read under the chosen name; false then. Only a file chosen in the
    // dialog moves the work folder. A document someone else holds asks first; Cancel keeps
    // the open document as it is (false), as does a lock file chosen in place of a document.
    bool Open(const std::string& path, OpenedFrom from);
    // The document is about to be replaced by one read elsewhere (a command's input): it has
    // no file to guard any more, so its lock goes and it is editable.
    void ReleaseFile();
    // Save has no file to write to: a new document, one imported from the legacy format, or one
    // opened read-only.
    bool NeedsSaveAs() const;
    // Writes the document to its file; false (reported) when it was not written.
    bool Save();
    // Writes the document to `path` (UTF-8) and names it so; false when it was not written,
    // and the document stays as it was.
    bool SaveAs(const std::string& path);
    // The name Save As proposes (UTF-8): the document's path, else the job number's file name.
    std::string ProposedSaveName();
    // Whether an export may write `file` (the table, the machine's file, a PDF): when someone
    // else holds it as a document, only if the user says to write over it.
    bool MayExportOver(const std::filesystem::path& file) { return locks_.MayExportOver(file); }

    // --- Folders and the recent files
    // Where Open and Save As start (UTF-8; empty: where the platform puts them).
    std::string WorkFolder() const;
    // A file the user chose and wrote (an export) moves the work folder to its folder.
    void SetWorkFolderFrom(std::string_view path);
    const RecentFiles& RecentFileList() const { return recent_; }
    // Where a file dialog of `kind` starts (UTF-8; empty: where the platform puts it).
    std::string StartFolder(FileDialogKind kind) const;

    // --- The File menu's commands, with their questions and file dialogs
    // (DocumentFileCommands.cpp). True when the open document may go: unchanged, without
    // pages, saved after the question, or given up.
    bool MayDropDocument();
    // True when a new document replaced the open one.
    bool FileNew();
    void FileOpen();
    void FileOpenRecent(std::size_t index);
    // Save, or Save As when the document has no file of its own to write to.
    void FileSave();
    bool FileSaveAs();
    // The file dialogs: a document to read (titled `title`), and an output (its name
    // trimmed). Nothing when cancelled or left blank.
    std::optional<std::string> AskForDocument(std::string title);
    std::optional<std::string> AskWhereToSave(FileQuestion question);

    // --- Recovery copies (DocumentRecovery.cpp)
    // Writes the recovery copy of a changed document (with the note naming the document), or
    // removes this run's copy of an unchanged one; the status note says what was written.
    void Autosave();
    // Where the open document's recovery copy is kept.
    std::filesystem::path RecoveryPath() const;

  private:
    const SessionClock& Clock() const {
        return setup_.clock != nullptr ? *setup_.clock : systemClock_;
    }
    Book NewBook() const;
    // Nothing when nothing was opened (the user cancelled at the lock question, or chose a
    // lock file); else whether the file was read.
    std::optional<bool> OpenFile(const std::string& path, OpenedFrom from);
    bool WriteDocument(const std::string& path);
    void AddToRecentFiles(const std::string& path);
    void NoteSaved();
    // Removes the open document's copy when this run wrote it or took it over, or `always`.
    void RemoveRecovery(bool always = false);
    void OfferRecovery();
    void OfferRecoveryCopies();
    void TakeRecovery(const std::filesystem::path& recovery);

    FileSetup setup_;
    Questions& questions_;
    Document& document_;
    const LocationIndex& positions_;
    Host& host_;
    SystemClock systemClock_;
    DocumentLockHolder locks_;
    RecentFiles recent_;
    bool started_ = false;
    bool readOnly_ = false;
    enum class StartRecovery { None, OpenedDocument, Copies };
    StartRecovery startRecovery_ = StartRecovery::None;
    // The open document's recovery copy is this run's: written by it or recovered from. A copy
    // the user kept for later is left alone until its document is saved.
    bool ownsRecovery_ = false;
};

} // namespace waybill
