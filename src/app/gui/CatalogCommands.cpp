// Finishes and part numbers on the shown page: the finish list over the Finish box, the
// lists and dialogs line-item cells hand over to, and the recalculations a committed cell
// sets off. Every change goes through RecordPageEdit, so each is one undoable step.

#include "app/gui/frmWaybillMain.h"
#include "app/gui/WaybillMain.h"
#include "catalog/AfterCommit.h"
#include "catalog/ClipParts.h"
#include "catalog/Finishes.h"
#include "catalog/FinishRules.h"
#include "catalog/gui/cmbFinish.h"
#include "catalog/gui/cmbGridCell.h"
#include "catalog/gui/dlgFinishSelect.h"
#include "catalog/gui/dlgSelectPunch.h"
#include "page/gui/CellGrid.h"
#include "page/gui/PageWidget.h"
#include "platform/gui/DialogService.h"

#include <QLineEdit>
#include <QMetaObject>
#include <variant>

namespace waybill {

void frmWaybillMain::ConnectCatalog() {
    finishList_ = new cmbFinish(dialogs_, page_);
    cellList_ = new cmbGridCell(page_);
    connect(page_, &PageWidget::FinishBoxClicked, this, &frmWaybillMain::ShowFinishList);
    connect(finishList_, &cmbFinish::FinishPicked, this, &frmWaybillMain::FinishPicked);
    connect(finishList_, &DropDownList::Escaped, this,
            [this] { page_->TitleBlockBox(TblkFinish)->setFocus(); });
    connect(page_, &PageWidget::CellHandedOver, this, &frmWaybillMain::HandOverCell);
    connect(cellList_, &cmbGridCell::Picked, this, &frmWaybillMain::CellListPicked);
    connect(cellList_, &DropDownList::Escaped, this, &frmWaybillMain::ReturnToGrid);
    connect(page_, &PageWidget::LineItemCellChanged, this, &frmWaybillMain::RecalculateAfterCommit);
}

void frmWaybillMain::BindPageFinishes() {
    pageFinishes_ = document_.GetBook().PageCount() == 0
                        ? nullptr
                        : &SetPageFinishes(page_->CadBase(), page_->View().titleBlock[TblkFinish]);
}

std::optional<SheetPartTable> frmWaybillMain::SheetParts() const {
    return module_.database ? SheetPartTable::Read(*module_.database) : std::nullopt;
}

void frmWaybillMain::RecordPageChanges(const QString& name, const PageChanges& changes) {
    if (changes.Empty()) {
        return;
    }
    RecordPageEdit(name, [&changes](PageView& view) { ApplyPageChanges(view, changes); });
}

void frmWaybillMain::ShowFinishList() {
    const QLineEdit* box = page_->TitleBlockBox(TblkFinish);
    if (document_.GetBook().PageCount() == 0 || !box->isVisible()) {
        return;
    }
    finishList_->ShowCmbFinish(pageFinishes_, page_->View().titleBlock[TblkFinish],
                               QRect(box->mapTo(page_, QPoint(0, 0)), box->size()),
                               box->font().pointSizeF());
}

void frmWaybillMain::FinishPicked(const std::string& longName) {
    const auto picked = PickFinish(page_->View(), SheetParts(), longName);
    if (const auto* message = std::get_if<UserMessage>(&picked)) {
        dialogs_.ShowMessage(*message);
    } else {
        RecordPageChanges(QStringLiteral("Finish Change"), std::get<PageChanges>(picked));
    }
    page_->TitleBlockBox(TblkFinish)->setFocus();
}

void frmWaybillMain::HandOverCell(CellHandOver kind, int row, int column) {
    ChkPgContents(); // a cell box still open elsewhere is stored first
    if (!page_->View().grid) {
        return;
    }
    switch (kind) {
    case CellHandOver::ClipCell:
        EditClipRow(row, column);
        return;
    case CellHandOver::PunchPattern:
        SelectPunchPattern(row, column);
        return;
    case CellHandOver::MemberTypes:
    case CellHandOver::CableFinishWords:
    case CellHandOver::PunchCodes:
        break;
    }
    if (const auto list = CellListFor(kind, page_->CadBase())) {
        cellList_->ShowCellList(*list, row, column, page_->View().grid->Cell(row, column),
                                CellRectIn(page_, row, column));
    }
}

void frmWaybillMain::CellListPicked(CellListKind kind, int row, int column,
                                    const std::string& item) {
    if (page_->View().grid) {
        RecordPageChanges(QStringLiteral("Cell Edit"),
                          PickCellListItem(*page_->View().grid, kind, row, column, item));
    }
    ReturnToGrid();
}

void frmWaybillMain::EditClipRow(int row, int column) {
    const ClipTexts texts = ClipTextsForEdit(*page_->View().grid, row);
    if (const auto refusal = ClipEditRefusal(texts)) {
        dialogs_.ShowMessage(*refusal);
        ReturnToGrid();
        return;
    }
    dlgFinishSelect dialog(this);
    const std::optional<ClipChoice> choice =
        dialog.GetClip(texts, CellRectIn(nullptr, row, column), runModal_);
    if (choice && page_->View().grid) {
        RecordPageChanges(QStringLiteral("Size and Finish"),
                          EditClipCell(*page_->View().grid, row, *choice));
    }
    ReturnToGrid();
}

void frmWaybillMain::SelectPunchPattern(int row, int column) {
    dlgSelectPunch dialog(this);
    const std::optional<std::string> text = dialog.StartSelectPunch(
        page_->View().grid->Cell(row, column), CellRectIn(nullptr, row, column), runModal_);
    if (text && page_->View().grid) {
        RecordPageChanges(QStringLiteral("Punch Selection"),
                          CellTextChange(*page_->View().grid, row, column, *text));
    }
    ReturnToGrid();
}

// Runs inside the commit, before the window records it: the recalculated cells become part
// of the same step, so one Undo takes back the typed text and what it set off. A text its
// cell cannot take is reported, and the cell opened for typing again once the commit is
// over, unless the user has left the page or the cell changed meanwhile.
void frmWaybillMain::RecalculateAfterCommit(int row, int column) {
    const CommitFollowUp followUp = AfterCellCommit(page_->View(), row, column);
    if (ApplyPageChanges(page_->View(), followUp.changes)) {
        page_->LineItemGrid()->update();
    }
    if (!followUp.invalid) {
        return;
    }
    dialogs_.ShowMessage(*followUp.invalid);
    const int pageNumber = document_.GetBook().CurPage();
    const std::string text = page_->View().grid->Cell(row, column);
    QMetaObject::invokeMethod(
        this,
        [this, pageNumber, row, column, text] {
            const PageView& view = page_->View();
            if (document_.GetBook().CurPage() == pageNumber && view.grid &&
                row < view.grid->Rows() && column < view.grid->Columns() &&
                view.grid->Cell(row, column) == text) {
                page_->LineItemGrid()->setFocus();
                page_->BeginCellEdit(row, column, {});
            }
        },
        Qt::QueuedConnection);
}

void frmWaybillMain::ReturnToGrid() {
    page_->LineItemGrid()->setFocus();
}

QRect frmWaybillMain::CellRectIn(const QWidget* widget, int row, int column) const {
    const CellGrid* grid = page_->LineItemGrid();
    const QRect cell = grid->CellRect(row, column).toAlignedRect();
    const QPoint topLeft =
        widget == nullptr ? grid->mapToGlobal(cell.topLeft()) : grid->mapTo(widget, cell.topLeft());
    return {topLeft, cell.size()};
}

} // namespace waybill
