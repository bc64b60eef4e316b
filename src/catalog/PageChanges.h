#pragma once

#include "page/PageView.h"

#include <string>
#include <vector>

namespace waybill {

// One line-item cell a rule rewrites.
struct CellChange {
    int row = 0;
    int column = 0;
    std::string text;

    bool operator==(const CellChange&) const = default;
};

// One title-block field a rule rewrites.
struct TitleBlockChange {
    TitleBlockField field = TblkFinish;
    std::string text;

    bool operator==(const TitleBlockChange&) const = default;
};

// What a finish or part-number rule does to the shown page. Rules only describe the change;
// the window applies it in one place (ApplyPageChanges), so the page data, the changed flag
// and the history see every rule the same way. Rules list only texts that really change.
struct PageChanges {
    std::vector<TitleBlockChange> titleBlock;
    std::vector<CellChange> cells;

    bool Empty() const { return titleBlock.empty() && cells.empty(); }
    bool operator==(const PageChanges&) const = default;
};

// Writes the changes into the view, title block first, then the cells in order. Cells
// outside the grid (or on a page without one) are skipped. True when any text changed.
bool ApplyPageChanges(PageView& view, const PageChanges& changes);

// The change that puts `text` into one cell: empty when the cell already holds it or lies
// outside the grid.
PageChanges CellTextChange(const GridView& grid, int row, int column, std::string text);

} // namespace waybill
