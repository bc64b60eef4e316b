#pragma once

#include "catalog/CellLists.h"
#include "catalog/gui/DropDownList.h"

#include <string>

namespace waybill {

// The grid-cell drop-down: the member types, cable finish words or punch codes offered for
// one line-item cell. It remembers which list it shows (`CellListKind`) and which cell it
// covers, so a pick names both.
class cmbGridCell : public DropDownList {
    Q_OBJECT

  public:
    explicit cmbGridCell(QWidget* parent = nullptr);

    // Opens `list` over the cell at (row, column), whose rectangle is `cellRect` in the
    // parent's coordinates, on the entry equal to the cell's text.
    void ShowCellList(const CellList& list, int row, int column, const std::string& cellText,
                      const QRect& cellRect);

    CellListKind Kind() const { return kind_; }
    int Row() const { return row_; }
    int Column() const { return column_; }

    // The change a pick makes to the grid it was opened on (PickCellListItem).
    PageChanges PickChanges(const GridView& grid, const std::string& item) const;

  signals:
    // The user picked `item` (Windows-1252) for the covered cell.
    void Picked(waybill::CellListKind kind, int row, int column, const std::string& item);

  private:
    CellListKind kind_ = CellListKind::Inert;
    int row_ = 0;
    int column_ = 0;
    std::vector<std::string> items_;
};

} // namespace waybill
