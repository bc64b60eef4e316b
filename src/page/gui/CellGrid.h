#pragma once

#include "page/GridSetup.h"

#include <functional>
#include <optional>
#include <QWidget>
#include <string>
#include <vector>

namespace waybill {

// A block of cells, corners included.
struct CellRange {
    int top = 0;
    int left = 0;
    int bottom = -1;
    int right = -1;

    bool Empty() const { return bottom < top || right < left; }
    bool Contains(int row, int column) const {
        return row >= top && row <= bottom && column >= left && column <= right;
    }
};

// GridCellAlignment as Qt flags.
Qt::Alignment GridAlignment(int code, const QString& text = {});

// A grid drawn like the sheet's line-item and revision tables: a fixed header row 0, cells
// with per-column width and alignment and per-row height, a current cell and a selection in
// the data rows. Cell texts are read through a callback (Windows-1252 bytes), so the grid
// never holds a copy of the page.
class CellGrid : public QWidget {
    Q_OBJECT

  public:
    using TextSource = std::function<const std::string&(int row, int column)>;
    // Whether a data cell changed since the comparison base.
    using ChangeSource = std::function<bool(int row, int column)>;

    explicit CellGrid(QWidget* parent = nullptr);

    void SetTextSource(TextSource source);
    // The cells to shade as changed (empty: none).
    void SetChangeSource(ChangeSource source);
    // Sizes in widget units; the widget takes their sums as its size. `alignments` holds one
    // code per column (missing: left). The shaded column (-1 for none) reads as not editable.
    void SetShape(std::vector<double> columnWidths, std::vector<double> rowHeights,
                  std::vector<int> alignments, int shadedColumn);
    void SetCellFont(const QFont& font);

    int Rows() const { return static_cast<int>(rowHeights_.size()); }
    int Columns() const { return static_cast<int>(columnWidths_.size()); }
    int Row() const { return row_; }
    int Column() const { return column_; }
    CellRange Selection() const;
    // Moves the current cell into the data rows and collapses the selection onto it.
    void SetCurrent(int row, int column);
    void SetSelection(const CellRange& range);
    // Frames the current cell in the highlight colour while the focus is elsewhere (the find
    // bar's hit), until the current cell moves or the grid is shaped anew.
    void MarkCurrentFound();
    QRectF CellRect(int row, int column) const;
    int ColumnAlignmentCode(int column) const;

  signals:
    void CellDoubleClicked(int row, int column);
    // A key that starts an edit of the current cell: empty for Space and Enter, else the one
    // character typed (Windows-1252).
    void EditKeyTyped(const std::string& startText);
    void CurrentChanged();
    // The Delete key: the selection is to be emptied, as by Edit > Delete.
    void DeleteKey();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    // The cell under a point, clamped into the grid; row -1 when there are no cells.
    std::pair<int, int> CellAt(QPointF point) const;
    void MoveTo(int row, int column, bool extend);
    static std::vector<double> Edges(const std::vector<double>& sizes);

    TextSource source_;
    ChangeSource changed_;
    std::vector<double> columnWidths_;
    std::vector<double> rowHeights_;
    std::vector<double> columnEdges_; // left edge of each column, then the right edge
    std::vector<double> rowEdges_;
    std::vector<int> alignments_;
    int shadedColumn_ = -1;
    int row_ = 1;
    int column_ = 0;
    std::optional<std::pair<int, int>> found_;
    int anchorRow_ = 1;
    int anchorColumn_ = 0;
};

} // namespace waybill
