#pragma once

// The inside of PageWidget, shared by its display and its editing halves.

#include "page/BlockLibrary.h"
#include "page/gui/BlockPicture.h"
#include "page/gui/CellBox.h"
#include "page/gui/CellGrid.h"
#include "page/gui/PageWidget.h"
#include "page/PageLayout.h"
#include "platform/gui/QtText.h"

#include <array>
#include <optional>
#include <QLabel>
#include <QLineEdit>
#include <string>

namespace waybill {

// Which grid a cell belongs to: the line-item grid or the revision grid.
enum GridIndex : int { LineItems = 0, Revisions = 1 };

struct PageWidget::Impl {
    Impl(PageWidget& owner, DialogService& dialogService);

    // Display (PageWidget.cpp).
    void Layout();
    void LayoutTitleBlock();
    void LayoutPageArea();
    std::vector<AttributeText> PlaceTexts(const PageBlock& block, const Metafile& drawing,
                                          const QSizeF& picture) const;
    void UpdateControls();
    void SetTitleText(int index, const std::string& text);

    // Editing (PageCellEditing.cpp).
    void OpenCellBox(int gridIndex, const std::string& startText);
    void PlaceCellBox();
    void CommitCellBox();
    void CellBoxFocusLost();
    void CellBoxExit(CellBoxExit how);
    void CloseCellBoxUnchanged();
    std::string& CellText(int gridIndex, int row, int column);
    const std::string& CellText(int gridIndex, int row, int column) const;
    CellGrid* GridOf(int gridIndex) const;
    bool MayChangeCell(int gridIndex, int row, int column) const;
    // Letter case counts except for the cell box's commit.
    bool StoreCell(int gridIndex, int row, int column, const std::string& text,
                   bool ignoreCase = false);
    // Empties every selected cell the user could type into; true when one changed.
    bool DeleteSelection(int gridIndex);
    QWidget* FocusedControl() const;
    QLineEdit* FocusedTextBox() const;
    int FocusedGrid() const; // -1 when no grid has the focus
    void CopyGridSelection(int gridIndex);
    void CommitTitleBox(int index);
    void FocusLineItems();

    PageWidget& self;
    DialogService& dialogs;
    const ReferenceDatabase* database = nullptr;
    BlockAttribDefs* attribDefs = nullptr;
    BlockLibrary blocks;

    PageView view;
    std::string cadBase;
    // The grid as the last render laid it out, and the page area it was laid out for: the
    // screen layout is always derived from it, so resizing never accumulates rounding.
    std::optional<GridLayout> renderedGrid;
    PageAreaMetrics renderedArea;
    double renderedPictureHeight = 0;
    std::vector<BlockLayer> layers; // drawings of the page's blocks, texts placed by Layout

    SheetGeometry sheet;
    PageAreaMetrics area;
    QFont pageFont;

    QWidget* pageArea = nullptr;
    BlockPicture* picture = nullptr;
    CellGrid* grid = nullptr;
    QWidget* titleBlock = nullptr;
    CellGrid* revision = nullptr;
    std::array<QLabel*, kTitleBlockFields> labels{};
    std::array<QLineEdit*, kTitleBlockFields> boxes{};
    CellBox* box = nullptr;

    // The open cell box: which grid and cell it edits (-1: closed). A commit closes the box
    // before anything else, so the loss of focus that follows a commit finds nothing to
    // commit: the box's state serves as the skip-next-commit flag.
    int boxGrid = -1;
    int editRow = 0;
    int editColumn = 0;

    // Title-block text as it was when its box got the focus.
    std::array<std::string, kTitleBlockFields> remembered;
    bool settingTitle = false;
    bool numberPages = true;
    bool showTotal = true;
    bool pageVisible = false;
    bool titleVisible = false;
};

} // namespace waybill
