#pragma once

#include "app/CommandEnabling.h"
#include "app/DocumentFiles.h"
#include "app/PageOrder.h"
#include "compare/Comparison.h"
#include "find/TextSearch.h"
#include "page/BlockLibrary.h"
#include "page/GridSetup.h"
#include "page/PageChanges.h"
#include "page/PageView.h"
#include "page/Typing.h"
#include "tensile/MemberPage.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace waybill {

class BlockAttribDefs;
class FinishCatalogue;
class ReferenceDatabase;
struct ClipChoice;
struct ClipTexts;
struct ExportFailure;
enum class CellListKind;
enum class PunchSelection;

// What the run gives the session. Everything but the questions may be left out: a command of
// the command line has no settings, recovery copies, default document or drawings.
struct SessionSetup {
    const ReferenceDatabase* database = nullptr; // none: every grid is missing
    BlockAttribDefs* attribDefs = nullptr;
    std::filesystem::path blocksFolder = {};    // empty: drawings are not looked for
    std::filesystem::path redLineDocument = {}; // "Red-line.fwb" in the program folder
    // The document's files, with the paths the session reads too: the default document
    // (paths->DefFwb), the punching machine's file (paths->PunchExport) and the punch
    // templates in the program folder.
    FileSetup files = {};
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
//   as PageChanges, recorded by the session's methods for them (RecordPageChanges);
// - page commands change the book (RecordDocumentEdit), after which the current page is shown.
// Before any command reads or changes the document, the typing still waiting in the window's
// boxes is committed as its own step (StoreTyping), so no command works on a stale page.
//
// The session reports what changed through one listener, called with SessionChange flags;
// the window refreshes from there. Messages and questions go through Questions.
//
// The document's life on disk (open, save, locks, recovery copies, the recent files, the File
// menu) is its DocumentFiles (Files()), which read into and write out of the session's
// Document; a read-only document, someone else holding it, takes no change here.
//
// The methods are implemented in EditSession.cpp (the record path), SessionPages.cpp (page
// commands), SessionRules.cpp (rules on the shown page), SessionReplace.cpp,
// SessionCompare.cpp and SessionExports.cpp.
class EditSession : public TypingTarget, private DocumentFiles::Host {
  public:
    EditSession(SessionSetup setup, Questions& questions);
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
    const std::string& StatusNote() const { return statusNote_; }
    // The document's files: open, save, locks, recovery copies, the File menu's commands.
    DocumentFiles& Files() { return files_; }
    const DocumentFiles& Files() const { return files_; }

    // --- A run of the editor, or the document of a command
    // Reads the default document, then starts the run's files (DocumentFiles::Start) with
    // the document at `path` (UTF-8; empty: none).
    void Start(const std::string& path);
    // A document read elsewhere (a command's input) becomes the open one, unchanged and
    // untitled; no page is shown yet.
    void LoadBook(Book book);

    // --- Showing pages
    // Makes page `pageNumber` current (a number outside the pages: the current page stays)
    // and shows it.
    void ShowPage(int pageNumber);

    // --- The record path
    // Commits the typing waiting in the window's boxes as its own step.
    void StoreTyping() override;
    TypingOutcome CommitTyping(const TypedEdit& edit) override;
    // The changes to the shown page as one step; false (nothing recorded) when there is no
    // page shown or they change nothing.
    bool RecordPageChanges(std::string_view step, const PageChanges& changes);
    // `change` edits the book (pages added, removed, replaced or moved, header) as one step;
    // then the current page is shown.
    void RecordDocumentEdit(std::string_view step, const std::function<void(Book&)>& change);
    void Undo();
    void Redo();

    // --- Page commands (SessionPages.cpp)
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
    // Every page rendered and composed back, as if shown and left unchanged (one step
    // "Recompose"); the render messages are shown.
    void Recompose();

    // --- Rules on the shown page (SessionRules.cpp): each is one step; false when the shown
    // page does not take it or nothing changes.
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
    // `item` picked in the drop-down list that line-item cell (row, column) handed over, a
    // list of `kind`: step "Cell Edit".
    bool PickFromCellList(CellListKind kind, int row, int column, std::string_view item);
    // The texts the clip's size and finish dialog opens on for line-item row `row`; nothing,
    // with the reason shown, when the row has no place for the size letter.
    std::optional<ClipTexts> ClipToEdit(int row);
    // The size and finish dialog's choice written into row `row`: step "Size and Finish".
    bool EditClip(int row, const ClipChoice& choice);
    // The punch pattern chosen in Select Punch for line-item cell (row, column): step "Punch
    // Selection".
    bool SelectPunch(int row, int column, std::string pattern);
    // The attribute editor's OK, the value lines it changed: step "Edit Attributes". False,
    // recording nothing, when one is the block the member editor configures, which keeps its
    // values consistent with its part code.
    bool EditAttributes(const std::vector<AttribValueChange>& values);

    // --- Replace (SessionReplace.cpp)
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
    // File > Compare With: the base chosen in the file dialog.
    void FileCompareWith();
    void StopComparing();
    const Comparison& Compared() const { return comparison_; }

    // --- Exports (SessionExports.cpp): each needs a job number and asks to save a changed
    // document first. A stop shows its page and message and sends the user to its field.
    void ExportTable();
    // The punch export's checks before the user selects what to export (also that the
    // punching machine's file is set).
    bool ReadyToExportPunches();
    // The selection merged into the punching machine's file; the status note says what was
    // written. Only after ReadyToExportPunches said yes: that is what sets the file.
    void ExportPunches(PunchSelection selection);

  private:
    // DocumentFiles::Host: a replaced document is shown from its current page.
    void ShowReplaced(SessionChanges changes) override;
    // Brings the comparison up to date with the document, then tells the listener.
    void Notify(SessionChanges changes) override;
    void SetStatusNote(std::string note) override { statusNote_ = std::move(note); }

    const ReferenceDatabase& Database() const;
    void ReadDefaultDocument();
    // Renders the current page of `book` into the view and shows its messages (`report`).
    void Render(const Book& book, bool report = true);
    void Render() { Render(document_.GetBook()); }
    // Whether the page's cell rules let the user type into line-item cell (row, column).
    bool MayType(int row, int column) const;
    // The block of the member the shown page configures is `block`: the member editor's alone.
    bool IsMemberBlock(std::string_view block) const;
    enum class CellCommit { Refused, Unchanged, Written };
    // One typed line-item cell written into the view, then the rules that follow its commit;
    // the message of a value its cell cannot take is added to `invalid`.
    CellCommit CommitCell(const CellChange& cell, std::vector<UserMessage>& invalid);
    // `hit` replaced on the shown page's view, through the same rules as typing.
    CellCommit ReplaceInView(const FindHit& hit, const TextMatcher& matcher,
                             std::string_view replacement, std::vector<UserMessage>& invalid);
    void RecordView(std::string_view step, SessionChanges changes);
    void ShowMessage(const UserMessage& message);
    bool ReadyToExport();
    void ShowExportFailure(const ExportFailure& failure);

    SessionSetup setup_;
    Questions& questions_;
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
    std::string statusNote_;
    Comparison comparison_;
    std::vector<FindHit> replaceSkipped_;
    DocumentFiles files_;
};

} // namespace waybill
