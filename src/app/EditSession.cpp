// The edit session (EditSession.h): the shown page and the record path. Page commands are in
// SessionPages.cpp, the rules on the shown page in SessionRules.cpp, the document's files in
// DocumentFiles.h.
#include "app/EditSession.h"

#include "catalog/AfterCommit.h"
#include "model/FwbFile.h"
#include "model/Page.h"
#include "page/CellRules.h"
#include "page/PageData.h"
#include "platform/Cp1252.h"
#include "units/Text.h"

#include <set>

namespace waybill {

using namespace SessionChange;
namespace {

// What renders a page when the run has no database: every grid is missing.
class NoDatabase : public ReferenceDatabase {
  public:
    std::optional<GridDefinition> FindGrid(std::string_view) const override { return {}; }
    std::optional<TableRows> ReadTable(std::string_view) const override { return {}; }
    bool HasTable(std::string_view) const override { return false; }
};

} // namespace

EditSession::EditSession(SessionSetup setup, Questions& questions)
    : setup_(std::move(setup)), questions_(questions), comparison_(Database()),
      files_(setup_.files, questions, document_, defWblIdx_, *this) {
    if (!setup_.blocksFolder.empty()) {
        blocks_.SetFolder(setup_.blocksFolder);
    }
}

// The default document is read before the document named at start, so the pages of that
// document get their positions like any other opened document.
void EditSession::Start(const std::string& path) {
    ReadDefaultDocument();
    files_.Start(path);
}

void EditSession::ReadDefaultDocument() {
    defWaybill_ = Book{};
    if (setup_.files.paths != nullptr) {
        if (const auto failure = ReadFWB(PathFromUtf8(setup_.files.paths->DefFwb), defWaybill_)) {
            ShowMessage(*failure);
        }
    }
    defWblIdx_ = MakeLocationIndex(defWaybill_);
}

void EditSession::LoadBook(Book book) {
    files_.ReleaseFile();
    replaceSkipped_.clear();
    document_.Reset(std::move(book), {}, false);
    view_ = PageView{};
    shown_ = false;
    cadBase_.clear();
    Notify(WholeDocument);
}

void EditSession::ShowReplaced(SessionChanges changes) {
    replaceSkipped_.clear(); // listed for the document before
    Render();
    Notify(changes);
}

const ReferenceDatabase& EditSession::Database() const {
    static const NoDatabase noDatabase;
    return setup_.database != nullptr ? *setup_.database : noDatabase;
}

void EditSession::Notify(SessionChanges changes) {
    if ((changes & ~(Status | SessionChange::Compared)) != 0 &&
        comparison_.Update(document_.GetBook())) {
        changes |= SessionChange::Compared;
    }
    if (listener_ && changes != 0) {
        listener_(changes);
    }
}

void EditSession::ShowMessage(const UserMessage& message) {
    questions_.ShowMessage(message);
}

CommandEnabling EditSession::Enabling() const {
    const Book& book = document_.GetBook();
    const bool readOnly = files_.IsReadOnly();
    CommandEnabling enabling =
        ComputeEnabling(book.PageCount(), book.CurPage(), book.HasPageBuf(), files_.IsStarted());
    enabling.sort = !IsSorted(book);
    enabling.undo = document_.CanUndo();
    enabling.redo = document_.CanRedo();
    enabling.editing = !readOnly;
    enabling.pageEdits = enabling.pageCommands && !readOnly;
    enabling.save = enabling.documentCommands && !readOnly;
    enabling.comparing = comparison_.Active();
    if (readOnly) {
        enabling.addPage = enabling.pastePage = enabling.sort = false;
        enabling.undo = enabling.redo = false;
    }
    return enabling;
}

void EditSession::Render(const Book& book, bool report) {
    if (book.PageCount() == 0) {
        view_ = PageView{};
        SetTblkInfo(view_, book);
        shown_ = false;
        cadBase_.clear();
        return;
    }
    SetTblkInfo(view_, book);
    RenderPageData(view_, book, book.CurPage(), {Database(), area_, setup_.attribDefs});
    shown_ = true;
    cadBase_ = waybill::CadBase(view_.titleBlock[TblkCadNumber]);
    if (!report) {
        return;
    }
    std::vector<UserMessage> messages = view_.messages;
    // Each drawing is read once for the run; a missing one is reported once per showing.
    if (!blocks_.Folder().empty()) {
        std::set<std::string> reported; // lower case
        for (const PageBlock& block : view_.blocks) {
            if (!blocks_.Find(block.name) && reported.insert(ToLower(block.name)).second) {
                messages.push_back(MissingBlockMessage(block.name));
            }
        }
    }
    for (const UserMessage& message : messages) {
        ShowMessage(message);
    }
}

void EditSession::ShowPage(int pageNumber) {
    StoreTyping();
    document_.GotoPage(pageNumber); // a page outside the book leaves the shown one
    Render();
    Notify(PageShown | PageList);
}

void EditSession::StoreTyping() {
    if (pending_ == nullptr) {
        return;
    }
    if (const auto typed = pending_->TakeTyping()) {
        if (const auto retype = CommitTyping(*typed).retype) {
            pending_->Retype(*retype);
        }
    }
}

bool EditSession::MayType(int row, int column) const {
    if (!view_.grid || row < 1 || row >= view_.grid->Rows() || column < 0 ||
        column >= view_.grid->Columns()) {
        return false;
    }
    return DecideCellEdit(cadBase_, CellRequestAt(*view_.grid, row, column)).action ==
           CellAction::Edit;
}

EditSession::CellCommit EditSession::CommitCell(const CellChange& cell,
                                                std::vector<UserMessage>& invalid) {
    if (!MayType(cell.row, cell.column)) {
        return CellCommit::Refused;
    }
    if (!ApplyPageChanges(view_, {{}, {cell}})) {
        return CellCommit::Unchanged;
    }
    const CommitFollowUp followUp = AfterCellCommit(view_, cell.row, cell.column);
    ApplyPageChanges(view_, followUp.changes);
    if (followUp.invalid) {
        invalid.push_back(*followUp.invalid);
    }
    return CellCommit::Written;
}

// Each line-item cell is written, then the rules that follow its commit run, before the next
// cell: a paste behaves as the same values typed one after another.
TypingOutcome EditSession::CommitTyping(const TypedEdit& edit) {
    TypingOutcome outcome;
    if (!shown_ || files_.IsReadOnly()) {
        return outcome;
    }
    const PageChanges& typed = edit.changes;
    bool changed =
        ApplyPageChanges(view_, {typed.titleBlock, {}, typed.revision, typed.attributes});
    std::vector<UserMessage> invalid;
    for (const CellChange& cell : typed.cells) {
        const std::size_t messages = invalid.size();
        switch (CommitCell(cell, invalid)) {
        case CellCommit::Refused:
            outcome.skipped += cell.text.empty() ? 0 : 1;
            break;
        case CellCommit::Written:
            changed = true;
            break;
        case CellCommit::Unchanged:
            break;
        }
        if (invalid.size() != messages) {
            outcome.retype = CellPosition{cell.row, cell.column};
        }
    }
    if (changed) {
        RecordView(edit.step, typed.attributes.empty() ? PageTexts : PageTexts | PageDrawing);
    }
    for (const UserMessage& message : invalid) {
        ShowMessage(message);
    }
    return outcome;
}

void EditSession::RecordView(std::string_view step, SessionChanges changes) {
    Book header;
    header.CopyHeaderFrom(document_.GetBook());
    document_.Record(step, [this](Book& book) { ComposePageData(view_, book); });
    Notify(changes | History | (header.SameHeader(document_.GetBook()) ? 0u : Header));
}

bool EditSession::RecordPageChanges(std::string_view step, const PageChanges& changes) {
    StoreTyping();
    if (!shown_ || files_.IsReadOnly() || !ApplyPageChanges(view_, changes)) {
        return false;
    }
    RecordView(step, changes.attributes.empty() ? PageTexts : PageTexts | PageDrawing);
    return true;
}

void EditSession::RecordDocumentEdit(std::string_view step,
                                     const std::function<void(Book&)>& change) {
    StoreTyping();
    if (files_.IsReadOnly()) {
        return;
    }
    document_.Record(step, change);
    Render();
    Notify(PageShown | PageList | Header | History);
}

void EditSession::Undo() {
    StoreTyping(); // what is being typed becomes the step undone
    if (document_.Undo()) {
        replaceSkipped_.clear(); // listed for the document as the run left it
        Render();
        Notify(PageShown | PageList | Header | History);
    }
}

void EditSession::Redo() {
    StoreTyping();
    if (document_.Redo()) {
        replaceSkipped_.clear();
        Render();
        Notify(PageShown | PageList | Header | History);
    }
}

} // namespace waybill
