// Finishes and part numbers on the shown page (WindowCommands.h): the finish list over the
// Finish box, the lists and dialogs line-item cells hand over to. Each pick goes to the session,
// which records it as one step.
#include "app/EditSession.h"
#include "app/gui/WindowCommands.h"
#include "catalog/CellLists.h"
#include "catalog/ClipParts.h"
#include "catalog/gui/cmbFinish.h"
#include "catalog/gui/cmbGridCell.h"
#include "catalog/gui/dlgFinishSelect.h"
#include "catalog/gui/dlgSelectPunch.h"
#include "page/gui/CellGrid.h"
#include "page/gui/PageWidget.h"
#include "platform/gui/DialogService.h"

#include <QLineEdit>
#include <QMainWindow>

namespace waybill {

CatalogCommands::CatalogCommands(WindowParts parts) : w_(std::move(parts)) {
    PageWidget* page = &w_.page;
    QObject::connect(page, &PageWidget::FinishBoxClicked, page, [this] { ShowFinishList(); });
    QObject::connect(
        page, &PageWidget::CellHandedOver, page,
        [this](CellHandOver kind, int row, int column) { HandOverCell(kind, row, column); });
}

cmbFinish& CatalogCommands::FinishList() {
    if (finishList_ != nullptr) {
        return *finishList_;
    }
    PageWidget* page = &w_.page;
    finishList_ = new cmbFinish(w_.dialogs, page);
    QObject::connect(finishList_, &cmbFinish::FinishPicked, page,
                     [this](const std::string& longName) {
                         w_.session.PickFinish(longName);
                         w_.page.TitleBlockBox(TblkFinish)->setFocus();
                     });
    QObject::connect(finishList_, &DropDownList::Escaped, page,
                     [this] { w_.page.TitleBlockBox(TblkFinish)->setFocus(); });
    return *finishList_;
}

cmbGridCell& CatalogCommands::CellList() {
    if (cellList_ != nullptr) {
        return *cellList_;
    }
    PageWidget* page = &w_.page;
    cellList_ = new cmbGridCell(page);
    QObject::connect(cellList_, &cmbGridCell::Picked, page,
                     [this](CellListKind kind, int row, int column, const std::string& item) {
                         w_.session.PickFromCellList(kind, row, column, item);
                         ReturnToGrid();
                     });
    QObject::connect(cellList_, &DropDownList::Escaped, page, [this] { ReturnToGrid(); });
    return *cellList_;
}

void CatalogCommands::ShowFinishList() {
    const QLineEdit* box = w_.page.TitleBlockBox(TblkFinish);
    if (!w_.session.IsPageShown() || !box->isVisible()) {
        return;
    }
    FinishList().ShowCmbFinish(&w_.session.PageFinishes(), w_.session.View().titleBlock[TblkFinish],
                               w_.page.FinishBoxRect(), box->font().pointSizeF());
}

void CatalogCommands::HandOverCell(CellHandOver kind, int row, int column) {
    w_.session.StoreTyping(); // a cell box still open elsewhere is stored first
    const auto& grid = w_.session.View().grid;
    if (!grid) {
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
    if (const auto list = CellListFor(kind, w_.session.CadBase())) {
        CellList().ShowCellList(*list, row, column, grid->Cell(row, column),
                                w_.page.CellRect(row, column));
    }
}

void CatalogCommands::EditClipRow(int row, int column) {
    if (const auto texts = w_.session.ClipToEdit(row)) {
        dlgFinishSelect dialog(&w_.window);
        if (const auto choice =
                dialog.GetClip(*texts, w_.page.ScreenCellRect(row, column), w_.runModal)) {
            w_.session.EditClip(row, *choice);
        }
    }
    ReturnToGrid();
}

void CatalogCommands::SelectPunchPattern(int row, int column) {
    dlgSelectPunch dialog(&w_.window);
    const auto text = dialog.StartSelectPunch(w_.session.View().grid->Cell(row, column),
                                              w_.page.ScreenCellRect(row, column), w_.runModal);
    if (text) {
        w_.session.SelectPunch(row, column, *text);
    }
    ReturnToGrid();
}

void CatalogCommands::ReturnToGrid() {
    w_.page.LineItemGrid()->setFocus();
}

} // namespace waybill
