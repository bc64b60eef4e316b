#pragma once

#include "app/AppSettings.h"
#include "app/CommandEnabling.h"
#include "app/PageOrder.h"
#include "app/RecentFiles.h"
#include "app/SessionClock.h"
#include "app/StartFolder.h"
#include "catalog/Finishes.h"
#include "compare/Comparison.h"
#include "export/ExportFailure.h"
#include "find/TextSearch.h"
#include "model/Document.h"
#include "page/AttribDefs.h"
#include "page/BlockLibrary.h"
#include "page/GridSetup.h"
#include "page/PageChanges.h"
#include "page/PageView.h"
#include "page/Typing.h"
#include "platform/DocumentLock.h"
#include "platform/Questions.h"
#include "refdb/ReferenceDatabase.h"
#include "tensile/MemberConfig.h"
#include "tensile/MemberPage.h"
#include "tensile/PunchMembers.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace waybill {

// What changed, as the flags of the session's one notice.
using SessionChanges = unsigned;
namespace SessionChange {
inline constexpr SessionChanges PageShown = 1u << 0;     // the shown page was rendered anew
inline constexpr SessionChanges PageTexts = 1u << 1;     // its cells or title block changed
inline constexpr SessionChanges PageDrawing = 1u << 2;   // its attribute value lines changed
inline constexpr SessionChanges PageList = 1u << 3;      // pages, the current page, the clipboard
inline constexpr SessionChanges Header = 1u << 4;        // document-level fields, numbering
inline constexpr SessionChanges History = 1u << 5;       // Undo and Redo, the changed state
inline constexpr SessionChanges DocumentName = 1u << 6;  // the document's path
inline constexpr SessionChanges RecentList = 1u << 7;    // the recent-files list
inline constexpr SessionChanges Status = 1u << 8;        // the note for the status bar
inline constexpr SessionChanges Compared = 1u << 9;      // the changes since the comparison base
inline constexpr SessionChanges WholeDocument = ~Status; // all but the note
} // namespace SessionChange

// What the run gives the session. Everything but the questions may be left out: a command of
// the command line has no settings, recovery copies, default document or drawings.
struct SessionSetup {
    const ReferenceDatabase* database = nullptr; // none: every grid is missing
    BlockAttribDefs* attribDefs = nullptr;
    // The path settings of the run, shared with Configure and the exports: the default
    // document (DefFwb) and the folder file dialogs start in (WorkFolder).
    PathSettings* paths = nullptr;
    SettingsStore* settings = nullptr;          // the recent files and the autosave interval
    std::filesystem::path blocksFolder = {};    // empty: drawings are not looked for
    std::filesystem::path redLineDocument = {}; // "Red-line.fwb" in the program folder
    std::filesystem::path recoveryFolder = {};  // empty: no recovery copies
    const SessionClock* clock = nullptr;        // none: SystemClock
    LockSystem* locks = nullptr;                // none: documents are not locked
    std::string programFolder = {};             // UTF-8; the punch templates are there
    std::string documentsFolder = {};           // UTF-8; where file dialogs start at last,
    std::string homeFolder = {};                // UTF-8; or here when it is not there
};

// The editing of one open document, without a window: the one place where the document
// changes, so the editor and the command line cannot differ.
//
// It owns the Document (book, path, history), the default document with the positions of its
// page kinds, and the shown page's working copy (View): the current page rendered for the page
// area the window gives. Every change of the document is one named step of the history (its
// name reads "Undo <name>" in the Edit menu):
// - typing on the shown page comes through CommitTyping: the page's cell rules refuse what
//   they keep the user out of, the rules that follow a committed cell (part numbers, the
//   short-length mark) add their changes, and the view is composed into the page as one step;
// - the catalogue's rules, the member editor and the attribute editor describe their changes
//   as PageChanges (RecordPageChanges);
// - page commands change the book (RecordDocumentEdit), after which the current page is shown.
// Before any command reads or changes the document, the typing still waiting in the window's
// boxes is committed as its own step (StoreTyping), so no command works on a stale page.
//
// The session reports what changed through one listener, called with SessionChange flags;
// the window refreshes from there. Messages and questions go through Questions.
//
// The file policy lives here too: New, Open (with the legacy import and the page positions),
// the question before a changed document is dropped, Save and Save As (with the guard against
// overwriting someone else's save), the work folder, the recent files, and the recovery copies
// of changed documents (written by Autosave, offered at start-up and when their document is
// opened). The File menu's commands (FileOpen...) ask their file dialogs through Questions;
// the functions they call (Open...) take the chosen paths (UTF-8).
//
// With a LockSystem the session holds a lock file on the open document from its opening or
// first save until it is closed or replaced (SessionLocks.cpp). A document someone else holds
// is opened read-only, anyway, or not at all, as the user answers; a read-only document takes
// no change, Save is Save As for it, and it gets no recovery copies.
class EditSession : public TypingTarget {
  public:
    EditSession(SessionSetup setup, Questions& questions);
    ~EditSession() override;
    EditSession(const EditSession&) = delete;
    EditSession& operator=(const EditSession&) = delete;

    using Listener = std::function<void(SessionChanges)>;
    void SetListener(Listener listener) { listener_ = std::move(listener); }
    // The window's boxes, where typing waits until it is committed (null: none).
    void SetPendingTyping(PendingTyping* pending) { pending_ = pending; }
    // The page area grids are laid out for; the next render uses it.
    void SetPageArea(const PageAreaMetrics& area) { area_ = area; }

    // --- The document and the shown page
    const Document& Doc() const { return document_; }
    const Book& Waybill() const { return document_.GetBook(); }
    const Book& DefWaybill() const { return defWaybill_; }
    const PageView& View() const { return view_; }
    // A page of the document is rendered into View (false for a document without pages, and
    // after LoadBook until a page is shown).
    bool IsPageShown() const { return shown_; }
    // The shown page's kind as it was rendered: its CAD number in lower case up to the "-".
    const std::string& CadBase() const { return cadBase_; }
    BlockLibrary& Blocks() { return blocks_; }
    // The enabling of the page, file, option and history commands (the edit commands' copy
    // and paste are the window's).
    CommandEnabling Enabling() const;
    bool IsStarted() const { return started_; }
    const std::string& StatusNote() const { return statusNote_; }
    // The document was opened read-only, someone else holding it.
    bool IsReadOnly() const { return readOnly_; }

    // --- A run of the editor
    // Reads the recent files, starts a new document, reads the default document, then opens
    // `path` (UTF-8; empty: none). The recovery copies wait for OfferStartRecovery.
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
    // Seconds between recovery copies; 0: none.
    int AutosaveSeconds() const;

    // --- Showing pages
    // Makes page `pageNumber` current (a number outside the pages: the current page stays)
    // and shows it.
    void ShowPage(int pageNumber);

    // --- The record path
    // Commits the typing waiting in the window's boxes as its own step.
    void StoreTyping();
    TypingOutcome CommitTyping(const TypedEdit& edit) override;
    // The changes to the shown page as one step; false (nothing recorded) when there is no
    // page shown or they change nothing.
    bool RecordPageChanges(std::string_view step, const PageChanges& changes);
    // `change` edits the book (pages added, removed, replaced or moved, header) as one step;
    // then the current page is shown.
    void RecordDocumentEdit(std::string_view step, const std::function<void(Book&)>& change);
    void Undo();
    void Redo();

    // --- Page commands
    void CopyPage();
    void CutPage();
    void PastePage();
    // Asks first (DeletePageQuestion).
    void DeletePage();
    // Copies of the default document's pages `templatePages` (1-based) at `location`.
    void AddTemplatePages(const std::vector<int>& templatePages, PageLocation location);
    // The red-line pages after the current page, or after the last one when `atEnd`. A file
    // that cannot be read is reported and adds nothing.
    void AddRedLinePages(bool atEnd);
    // Generated pages after the current page, each taking its kind's position in the standard
    // order (a kind the default document lacks keeps the page's own).
    void AddDetailPages(std::string_view step, std::vector<Page> pages);
    void SortPages();
    // The numbering options are the document's, so changing one is a step.
    void ToggleNumberPages();
    void ToggleShowPageTotal();

    // --- Rules on the shown page
    // The finish list of the shown page, from its kind and its Finish field.
    const FinishCatalogue& PageFinishes() const;
    // Picking the finish named `name` (letter case ignored) from the shown page's finish list:
    // step "Finish Change". False, with the message shown, when the page's list does not offer
    // it or its rule refuses (a sheet page without the sheet block table).
    bool PickFinish(std::string_view name);
    // The member the shown page configures, if it is a Zee or Cee page with attribute values.
    std::optional<MemberTarget> MemberToConfigure() const;
    // The member editor's OK: step "Member Configuration". False when the shown page is no
    // member page or the encoding gives no part code.
    bool ConfigureMember(const MemberEncoding& encoding);
    // Every page rendered and composed back, as if shown and left unchanged (one step
    // "Recompose"); the render messages are shown.
    void Recompose();

    // --- Replace
    struct ReplaceOutcome {
        int replaced = 0;
        std::vector<FindHit> skipped; // read-only places and replacements the rules refused
    };
    // Replaces the matches at `hit` (found in the document as it stands) as if the user typed
    // the new value: the cell rules refuse what they keep the user out of, the rules that
    // follow a commit run. Its page is shown first; step "Replace".
    ReplaceOutcome Replace(const FindHit& hit, const FindOptions& options,
                           std::string_view replacement);
    // Every match of the document (or of options.page) replaced the same way, page by page,
    // as one step "Replace All"; the current page stays.
    ReplaceOutcome ReplaceAll(const FindOptions& options, std::string_view replacement);
    // What the latest Replace All skipped, while the document is as it left it or edited on
    // from there: a Replace All that skips nothing, Undo, Redo and another document end it.
    const std::vector<FindHit>& SkippedByReplaceAll() const { return replaceSkipped_; }

    // --- Comparing (SessionCompare.cpp)
    // The document read from `path` (UTF-8; a legacy document by its extension) becomes the
    // comparison base, in place of any before; the changes since it follow every edit until
    // StopComparing. False, with the message shown and the comparison as it was, when the
    // file cannot be read.
    bool CompareWith(const std::string& path);
    void StopComparing();
    const Comparison& Compared() const { return comparison_; }

    // --- Files
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
    // A document read elsewhere (a command's input) becomes the open one, unchanged and
    // untitled; no page is shown yet.
    void LoadBook(Book book);
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
    // Where Open and Save As start (UTF-8; empty: where the platform puts them).
    std::string WorkFolder() const;
    // A file the user chose and wrote (an export) moves the work folder to its folder.
    void SetWorkFolderFrom(std::string_view path);
    const RecentFiles& RecentFileList() const { return recent_; }
    // Where a file dialog of `kind` starts (UTF-8; empty: where the platform puts it).
    std::string StartFolder(FileDialogKind kind) const;

    // --- The File menu's commands, with their questions and file dialogs
    // (SessionCommands.cpp). True when the open document may go: unchanged, without pages,
    // saved after the question, or given up.
    bool MayDropDocument();
    // True when a new document replaced the open one.
    bool FileNew();
    void FileOpen();
    void FileOpenRecent(std::size_t index);
    // Save, or Save As when the document has no file of its own to write to.
    void FileSave();
    bool FileSaveAs();
    void FileCompareWith();

    // --- Exports (SessionExports.cpp): each needs a job number and asks to save a changed
    // document first. A stop shows its page and message and sends the user to its field.
    void ExportTable();
    // The punch export's checks before the user selects what to export (also that the
    // punching machine's file is set).
    bool ReadyToExportPunches();
    // The selection merged into the punching machine's file; the status note says what was
    // written. Only after ReadyToExportPunches said yes: that is what sets the file.
    void ExportPunches(PunchSelection selection);
    // Whether an export may write `file` (the table, the machine's file, a PDF): when someone
    // else holds it as a document, only if the user says to write over it (SessionLocks.cpp).
    bool MayExportOver(const std::filesystem::path& file);

    // Writes the recovery copy of a changed document (with the note naming the document), or
    // removes this run's copy of an unchanged one; the status note says what was written.
    void Autosave();
    // Where the open document's recovery copy is kept.
    std::filesystem::path RecoveryPath() const;

  private:
    // Brings the comparison up to date with the document, then tells the listener.
    void Notify(SessionChanges changes);
    const ReferenceDatabase& Database() const;
    // Renders the current page of `book` into the view and shows its messages (`report`).
    void Render(const Book& book, bool report = true);
    void Render() { Render(document_.GetBook()); }
    // Whether the page's cell rules let the user type into line-item cell (row, column).
    bool MayType(int row, int column) const;
    enum class CellCommit { Refused, Unchanged, Written };
    // One typed line-item cell written into the view, then the rules that follow its commit;
    // the message of a value its cell cannot take is added to `invalid`.
    CellCommit CommitCell(const CellChange& cell, std::vector<UserMessage>& invalid);
    // `hit` replaced on the shown page's view, through the same rules as typing.
    CellCommit ReplaceInView(const FindHit& hit, const TextMatcher& matcher,
                             std::string_view replacement, std::vector<UserMessage>& invalid);
    void RecordView(std::string_view step, SessionChanges changes);
    void ShowMessage(const UserMessage& message);
    const SessionClock& Clock() const {
        return setup_.clock != nullptr ? *setup_.clock : systemClock_;
    }
    Book NewBook() const;
    void ReadDefaultDocument();
    // Removes the open document's copy when this run wrote it or took it over, or `always`.
    void RemoveRecovery(bool always = false);
    void OfferRecovery();
    void OfferRecoveryCopies();
    void NoteSaved();
    void TakeRecovery(const std::filesystem::path& recovery);
    std::string DocumentText(const std::string& docPath) const;
    // Nothing when nothing was opened (the user cancelled at the lock question, or chose a
    // lock file); else whether the file was read.
    std::optional<bool> OpenFile(const std::string& path, OpenedFrom from);
    // The file dialogs: a document to read, and an output (its name trimmed). Nothing when
    // cancelled or left blank.
    std::optional<std::string> AskForDocument(std::string title);
    std::optional<std::string> AskWhereToSave(FileQuestion question);
    bool ReadyToExport();
    void ShowExportFailure(const ExportFailure& failure);
    bool WriteDocument(const std::string& path);

    // Locks (SessionLocks.cpp).
    struct OpenLock {
        std::optional<HeldLock> held;
        bool readOnly = false;
        bool cancelled = false;
        std::string note = {}; // for the status bar: why there is no lock
    };
    // The lock for opening `document`, asking when someone else holds it.
    OpenLock LockForOpen(const std::filesystem::path& document);
    // Whether `document` may be written: our lock on it, or one made now (`made`), or the user
    // said to save over someone else's.
    bool MayWriteOver(const std::filesystem::path& document, std::optional<HeldLock>& made);
    // `lock` becomes the document's, the one held before is released.
    void HoldLock(std::optional<HeldLock> lock);
    void ReleaseHeld(const std::optional<HeldLock>& lock);
    void AddToRecentFiles(const std::string& path);

    SessionSetup setup_;
    Questions& questions_;
    SystemClock systemClock_;
    Listener listener_;
    PendingTyping* pending_ = nullptr;
    PageAreaMetrics area_ = kDefaultPageArea;

    Document document_;
    Book defWaybill_;
    LocationIndex defWblIdx_;
    PageView view_;
    bool shown_ = false;
    std::string cadBase_;
    BlockLibrary blocks_;
    RecentFiles recent_;
    std::string statusNote_;
    bool started_ = false;
    enum class StartRecovery { None, OpenedDocument, Copies };
    StartRecovery startRecovery_ = StartRecovery::None;
    std::optional<HeldLock> lock_;
    bool readOnly_ = false;
    // The open document's recovery copy is this run's: written by it or recovered from. A copy
    // the user kept for later is left alone until its document is saved.
    bool ownsRecovery_ = false;
    Comparison comparison_;
    std::vector<FindHit> replaceSkipped_;
};

} // namespace waybill
