#pragma once

// The inside of PageWidget, shared by its display and its editing halves.

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
#include <vector>

namespace waybill {

// A sheet part drawn white with a black frame, like the printed sheet, with an outline around
// each of its controls that changed since the comparison base.
class SheetPart : public QWidget {
  public:
    using QWidget::QWidget;

    void SetOutlined(std::vector<const QWidget*> controls);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::vector<const QWidget*> outlined_;
};

// Which grid a cell belongs to: the line-item grid or the revision grid.
enum GridIndex : int { LineItems = 0, Revisions = 1 };

struct PageWidget::Impl {
    Impl(PageWidget& owner, DialogService& dialogService);

    // Display (PageWidget.cpp).
    void Layout();
    void LayoutTitleBlock();
    void LayoutPageArea();
    void UpdateControls();
    void SetTitleText(int index, const std::string& text);
    // The change marks onto the title-block boxes and the attribute texts.
    void ShowChangeMarks();

    // Editing (PageCellEditing.cpp).
    void OpenCellBox(int gridIndex, const std::string& startText);
    void PlaceCellBox();
    // Closes the open cell box: its text when it changed the cell (other than in letter case).
    std::optional<TypedEdit> CloseCellBox();
    void CommitCellBox();
    void CellBoxExit(CellBoxExit how);
    void CloseCellBoxUnchanged();
    const std::string& CellText(int gridIndex, int row, int column) const;
    CellGrid* GridOf(int gridIndex) const;
    // The change that puts texts into cells of one grid.
    static PageChanges GridChanges(int gridIndex, std::vector<CellChange> cells);
    TypingOutcome Commit(const TypedEdit& edit);
    // Empties the selected cells, the grid's clip text on the clipboard first, as step `step`.
    void DeleteSelection(int gridIndex, const char* step);
    QWidget* FocusedControl() const;
    QLineEdit* FocusedTextBox() const;
    int FocusedGrid() const; // -1 when no grid has the focus
    void CopyGridSelection(int gridIndex);
    // The title-block box's text when it differs from the page's field.
    std::optional<TypedEdit> TitleBoxEdit(int index) const;
    void CommitTitleBox(int index);
    void FocusLineItems();

    PageWidget& self;
    DialogService& dialogs;
    const ReferenceDatabase* database = nullptr;
    BlockAttribDefs* attribDefs = nullptr;
    BlockLibrary* blocks = nullptr;
    TypingTarget* typing = nullptr;

    const PageView* view;
    std::string cadBase;
    // How many pages have been shown, so a cell to be typed again is not looked for on
    // another page.
    int showings = 0;
    // The grid as the render laid it out, and the page area it was laid out for: the screen
    // layout is always derived from it, so resizing never accumulates rounding.
    std::optional<GridLayout> renderedGrid;
    PageAreaMetrics renderedArea;
    double renderedPictureHeight = 0;
    std::vector<BlockLayer> layers; // drawings of the page's blocks, texts placed by Layout
    PageChangeMarks marks;

    SheetGeometry sheet;
    // Until the widget is first laid out (when it is shown or fitted), the default window's.
    PageAreaMetrics area = kDefaultPageArea;
    QSize laidOutSize; // the widget's size when the sheet was last laid out
    QFont pageFont;

    SheetPart* pageArea = nullptr;
    BlockPicture* picture = nullptr;
    CellGrid* grid = nullptr;
    SheetPart* titleBlock = nullptr;
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

    bool settingTitle = false;
    bool readOnly = false; // the page is shown, never typed into
    // The clipboard holds text. Reading it asks the clipboard's owner, so it is read once the
    // window is up and again when the clipboard changes, not at every enabling.
    bool clipboardHasText = false;
    bool numberPages = true;
    bool showTotal = true;
    bool pageVisible = false;
    bool titleVisible = false;
};

} // namespace waybill
