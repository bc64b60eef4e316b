// Cell editing on the page (PageWidgetImpl.h): the in-place cell box, the page-kind rules that
// decide how a cell opens, the title-block boxes' commit and the Edit menu. What is typed goes
// to the session.

#include "page/gui/PageWidgetImpl.h"
#include "platform/gui/DialogService.h"
#include "units/Parsers.h"

#include <QClipboard>
#include <QGuiApplication>

namespace waybill {
namespace {

// What the status bar says about values a paste left out (empty when none were).
QString PasteSkippedText(int skipped) {
    if (skipped == 0) {
        return {};
    }
    return skipped == 1 ? QStringLiteral("1 pasted value was left out: its cell may not be "
                                         "typed into.")
                        : QStringLiteral("%1 pasted values were left out: their cells may not "
                                         "be typed into.")
                              .arg(skipped);
}

} // namespace

CellGrid* PageWidget::Impl::GridOf(int gridIndex) const {
    return gridIndex == Revisions ? revision : grid;
}

const std::string& PageWidget::Impl::CellText(int gridIndex, int row, int column) const {
    static const std::string kNone;
    if (gridIndex == Revisions) {
        if (column < 0 || column >= kRevisionColumns || row < 0 || row > kRevisionRows) {
            return kNone;
        }
        return row == 0 ? kRevisionHeaders[static_cast<std::size_t>(column)]
                        : view->revision[static_cast<std::size_t>(row - 1)]
                                        [static_cast<std::size_t>(column)];
    }
    if (!view->grid || row < 0 || row >= view->grid->Rows() || column < 0 ||
        column >= view->grid->Columns()) {
        return kNone;
    }
    return view->grid->Cell(row, column);
}

PageChanges PageWidget::Impl::GridChanges(int gridIndex, std::vector<CellChange> cells) {
    PageChanges changes;
    (gridIndex == Revisions ? changes.revision : changes.cells) = std::move(cells);
    return changes;
}

// Nothing decides here what the page takes: the session applies the page's rules, and a
// committed text its cell cannot take comes back to be typed again.
TypingOutcome PageWidget::Impl::Commit(const TypedEdit& edit) {
    if (typing == nullptr) {
        return {};
    }
    const TypingOutcome outcome = typing->CommitTyping(edit);
    if (outcome.retype) {
        self.Retype(*outcome.retype);
    }
    return outcome;
}

void PageWidget::Retype(CellPosition cell) {
    Impl& d = *impl_;
    const int showing = d.showings;
    const std::string text = d.CellText(LineItems, cell.row, cell.column);
    QMetaObject::invokeMethod(
        this,
        [this, showing, cell, text] {
            Impl& d = *impl_;
            if (d.showings == showing && d.CellText(LineItems, cell.row, cell.column) == text) {
                d.grid->setFocus();
                BeginCellEdit(cell.row, cell.column, {});
            }
        },
        Qt::QueuedConnection);
}

void PageWidget::FocusTitleField(TitleBlockField field) {
    TitleBlockBox(field)->setFocus();
}

void PageWidget::BeginCellEdit(int row, int column, const std::string& startText) {
    Impl& d = *impl_;
    if (!d.view->grid || row < 1 || row >= d.view->grid->Rows() || column < 0 ||
        column >= d.view->grid->Columns()) {
        return;
    }
    d.grid->SetCurrent(row, column);
    if (d.readOnly) {
        return;
    }
    const CellDecision decision =
        DecideCellEdit(d.cadBase, CellRequestAt(*d.view->grid, row, column));
    if (decision.message) {
        d.dialogs.ShowMessage(*decision.message);
    }
    switch (decision.action) {
    case CellAction::Edit:
        d.OpenCellBox(LineItems, startText);
        break;
    case CellAction::Refuse:
        d.grid->setFocus();
        break;
    case CellAction::FinishMessage:
        d.boxes[TblkFinish]->setFocus();
        break;
    case CellAction::Redirect:
        if (decision.redirectColumn != column) {
            BeginCellEdit(row, decision.redirectColumn, {});
        }
        break;
    case CellAction::HandOver:
        emit CellHandedOver(*decision.handOver, row, column);
        break;
    case CellAction::Nothing:
        break;
    }
}

void PageWidget::SetReadOnly(bool readOnly) {
    Impl& d = *impl_;
    if (readOnly) {
        d.CloseCellBoxUnchanged();
    }
    d.readOnly = readOnly;
    for (int i = 0; i < kTitleBlockFields; ++i) {
        if (i != TblkSheetNumber && i != TblkSheetTotal && i != TblkFinish) {
            d.boxes[static_cast<std::size_t>(i)]->setReadOnly(readOnly);
        }
    }
    emit EditStateChanged();
}

void PageWidget::Impl::OpenCellBox(int gridIndex, const std::string& startText) {
    if (readOnly) {
        return;
    }
    if (boxGrid >= 0) {
        CommitCellBox();
    }
    CellGrid* g = GridOf(gridIndex);
    const QRectF cell = g->CellRect(g->Row(), g->Column());
    if (cell.isEmpty()) {
        return;
    }
    boxGrid = gridIndex;
    editRow = g->Row();
    editColumn = g->Column();

    PlaceCellBox();
    const Qt::Alignment align = GridAlignment(g->ColumnAlignmentCode(editColumn));
    box->setAlignment((align & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter);
    if (!startText.empty()) {
        box->setText(FromCp1252(startText));
        box->deselect();
        box->end(false);
    } else {
        box->setText(FromCp1252(CellText(gridIndex, editRow, editColumn)));
        box->selectAll();
    }
    box->show();
    box->raise();
    box->setFocus();
    emit self.EditStateChanged();
}

void PageWidget::Impl::PlaceCellBox() {
    const CellGrid* g = GridOf(boxGrid);
    // Inside the cell's lines, so the grid still shows which cell is being edited.
    const QRect cell = g->CellRect(editRow, editColumn).toAlignedRect().adjusted(1, 1, -1, -1);
    box->setGeometry(QRect(g->mapTo(&self, cell.topLeft()), cell.size()));
    box->setFont(pageFont);
}

std::optional<TypedEdit> PageWidget::Impl::CloseCellBox() {
    if (boxGrid < 0) {
        return std::nullopt;
    }
    const int gridIndex = boxGrid;
    boxGrid = -1; // closed before the hide below moves the focus
    const std::string text = PipeListValue(ToCp1252(box->text()));
    box->hide();
    if (!CellTextChanged(CellText(gridIndex, editRow, editColumn), text)) {
        return std::nullopt;
    }
    return TypedEdit{"Cell Edit", GridChanges(gridIndex, {{editRow, editColumn, text}})};
}

void PageWidget::Impl::CommitCellBox() {
    if (const auto typed = CloseCellBox()) {
        Commit(*typed);
    }
    emit self.EditStateChanged();
}

void PageWidget::Impl::CloseCellBoxUnchanged() {
    boxGrid = -1;
    box->hide();
}

void PageWidget::Impl::CellBoxExit(waybill::CellBoxExit how) {
    if (boxGrid < 0) {
        return;
    }
    CellGrid* g = GridOf(boxGrid);
    if (how == CellBoxExit::Escape) {
        box->setText(FromCp1252(CellText(boxGrid, editRow, editColumn)));
    }
    const int row = editRow;
    const int column = editColumn;
    CommitCellBox();
    g->setFocus();
    switch (how) {
    case CellBoxExit::Left:
        g->SetCurrent(row, column - 1);
        break;
    case CellBoxExit::Right:
        g->SetCurrent(row, column + 1);
        break;
    case CellBoxExit::Up:
        g->SetCurrent(row - 1, column);
        break;
    case CellBoxExit::Down:
        g->SetCurrent(row + 1, column);
        break;
    case CellBoxExit::Enter:
    case CellBoxExit::Escape:
        break;
    }
}

std::optional<TypedEdit> PageWidget::Impl::TitleBoxEdit(int index) const {
    const auto i = static_cast<std::size_t>(index);
    const std::string text = ToCp1252(boxes[i]->text());
    if (text == view->titleBlock[i]) {
        return std::nullopt;
    }
    return TypedEdit{"Title Block Edit", {{{static_cast<TitleBlockField>(index), text}}}};
}

void PageWidget::Impl::CommitTitleBox(int index) {
    if (const auto typed = TitleBoxEdit(index)) {
        Commit(*typed);
    }
}

std::optional<TypedEdit> PageWidget::TakeTyping() {
    Impl& d = *impl_;
    if (d.boxGrid >= 0) {
        return d.CloseCellBox();
    }
    for (int i = 0; i < kTitleBlockFields; ++i) {
        if (d.FocusedControl() == d.boxes[static_cast<std::size_t>(i)]) {
            return d.TitleBoxEdit(i);
        }
    }
    return std::nullopt;
}

bool PageWidget::HasPendingEdit() const {
    const Impl& d = *impl_;
    if (d.boxGrid >= 0) {
        return true;
    }
    for (int i = 0; i < kTitleBlockFields; ++i) {
        if (d.FocusedControl() == d.boxes[static_cast<std::size_t>(i)] && d.TitleBoxEdit(i)) {
            return true;
        }
    }
    return false;
}

QWidget* PageWidget::Impl::FocusedControl() const {
    QWidget* focus = self.window()->focusWidget();
    return focus != nullptr && self.isAncestorOf(focus) && focus->isVisible() ? focus : nullptr;
}

QLineEdit* PageWidget::Impl::FocusedTextBox() const {
    QWidget* focus = FocusedControl();
    if (focus == box) {
        return box;
    }
    for (QLineEdit* edit : boxes) {
        if (focus == edit) {
            return edit;
        }
    }
    return nullptr;
}

int PageWidget::Impl::FocusedGrid() const {
    QWidget* focus = FocusedControl();
    if (focus == grid && view->grid) {
        return LineItems;
    }
    return focus == revision ? Revisions : -1;
}

bool PageWidget::CanCopy() const {
    const Impl& d = *impl_;
    if (const QLineEdit* edit = d.FocusedTextBox()) {
        return edit->hasSelectedText();
    }
    const int g = d.FocusedGrid();
    if (g < 0) {
        return false;
    }
    // Whichever way the selection was dragged, it can be copied when it holds any text.
    const CellRange range = d.GridOf(g)->Selection();
    for (int r = range.top; r <= range.bottom; ++r) {
        for (int c = range.left; c <= range.right; ++c) {
            if (!d.CellText(g, r, c).empty()) {
                return true;
            }
        }
    }
    return false;
}

bool PageWidget::CanPaste() const {
    return !impl_->readOnly && impl_->clipboardHasText;
}

void PageWidget::Impl::CopyGridSelection(int gridIndex) {
    const CellGrid* g = GridOf(gridIndex);
    const CellRange range = g->Selection();
    std::vector<std::vector<std::string>> rows;
    for (int r = range.top; r <= range.bottom; ++r) {
        std::vector<std::string>& row = rows.emplace_back();
        for (int c = range.left; c <= range.right; ++c) {
            row.push_back(CellText(gridIndex, r, c));
        }
    }
    QGuiApplication::clipboard()->setText(FromCp1252(JoinClipText(rows)));
}

void PageWidget::Copy() {
    Impl& d = *impl_;
    if (QLineEdit* edit = d.FocusedTextBox()) {
        edit->copy();
    } else if (const int g = d.FocusedGrid(); g >= 0) {
        d.CopyGridSelection(g);
    }
    emit EditStateChanged();
}

void PageWidget::Cut() {
    Impl& d = *impl_;
    if (d.readOnly) {
        return;
    }
    if (QLineEdit* edit = d.FocusedTextBox()) {
        edit->cut();
        emit EditStateChanged();
        return;
    }
    const int g = d.FocusedGrid();
    if (g >= 0 && CanCopy()) {
        d.DeleteSelection(g, "Cut");
    }
    emit EditStateChanged();
}

void PageWidget::Impl::DeleteSelection(int gridIndex, const char* step) {
    // The grid puts what it deletes on the clipboard first.
    CopyGridSelection(gridIndex);
    const CellRange range = GridOf(gridIndex)->Selection();
    std::vector<CellChange> cells;
    for (int r = range.top; r <= range.bottom; ++r) {
        for (int c = range.left; c <= range.right; ++c) {
            if (r >= 1 && !CellText(gridIndex, r, c).empty()) {
                cells.push_back({r, c, {}});
            }
        }
    }
    Commit({step, GridChanges(gridIndex, std::move(cells))});
}

void PageWidget::Delete() {
    Impl& d = *impl_;
    if (d.readOnly) {
        return;
    }
    if (QLineEdit* edit = d.FocusedTextBox()) {
        if (edit->hasSelectedText()) {
            edit->del();
        }
        emit EditStateChanged();
        return;
    }
    // An empty selection has nothing to delete and leaves the clipboard alone.
    const int g = d.FocusedGrid();
    if (g >= 0 && CanCopy()) {
        d.DeleteSelection(g, "Delete");
    }
    emit EditStateChanged();
}

void PageWidget::Paste() {
    Impl& d = *impl_;
    if (!CanPaste()) {
        return;
    }
    if (QLineEdit* edit = d.FocusedTextBox()) {
        edit->paste();
        emit EditStateChanged();
        return;
    }
    const int g = d.FocusedGrid();
    if (g < 0) {
        return;
    }
    CellGrid* cells = d.GridOf(g);
    const CellRange selection = cells->Selection();
    if (selection.bottom != selection.top || selection.right != selection.left) {
        return; // a paste starts from one cell
    }
    const PastePlan plan = PlanPaste(ToCp1252(QGuiApplication::clipboard()->text()), cells->Row(),
                                     cells->Column(), cells->Rows() - 1, cells->Columns() - 1);
    std::vector<CellChange> pasted;
    for (const PastedCell& cell : plan.cells) {
        pasted.push_back({cell.row, cell.column, cell.text});
    }
    if (plan.bottom >= plan.top) {
        cells->SetSelection({plan.top, plan.left, plan.bottom, plan.right});
    }
    const TypingOutcome outcome = d.Commit({"Paste", d.GridChanges(g, std::move(pasted))});
    emit StatusMessage(PasteSkippedText(outcome.skipped));
    emit EditStateChanged();
}

} // namespace waybill
