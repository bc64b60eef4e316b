#pragma once

#include "page/PageView.h"

#include <cstddef>
#include <string>
#include <vector>

namespace waybill {

// One grid cell a change rewrites: a line-item cell, or a revision-table cell (rows 1 to 4,
// row 0 being the table's headers).
struct CellChange {
    int row = 0;
    int column = 0;
    std::string text;

    bool operator==(const CellChange&) const = default;
};

// One title-block field a change rewrites.
struct TitleBlockChange {
    TitleBlockField field = TblkFinish;
    std::string text;

    bool operator==(const TitleBlockChange&) const = default;
};

// A new value line for one attribute entry of the shown page: the `occurrence`-th (0-based)
// entry of `block` in BlockAttribValues.
struct AttribValueChange {
    std::string block;
    std::size_t occurrence = 0;
    std::string valueLine;

    bool operator==(const AttribValueChange&) const = default;
};

// What an edit does to the shown page: typing, a paste, a rule of the finish and part-number
// catalogue, the member editor, the attribute editor. Edits only describe the change; the
// edit session applies it in one place (ApplyPageChanges) and records it, so the page data,
// the changed state and the history see every edit the same way. Rules list only texts that
// really change.
struct PageChanges {
    std::vector<TitleBlockChange> titleBlock = {};
    std::vector<CellChange> cells = {};    // the line-item grid
    std::vector<CellChange> revision = {}; // the revision table
    std::vector<AttribValueChange> attributes = {};

    bool Empty() const {
        return titleBlock.empty() && cells.empty() && revision.empty() && attributes.empty();
    }
    bool operator==(const PageChanges&) const = default;
};

// Writes the changes into the view: title block, line-item cells, revision cells, attribute
// value lines (into BlockAttribValues and the page's attribute blocks, so the drawing shows
// them), each in order. What lies outside the page (a cell outside the grid,
// a block entry the page lacks) is skipped. True when any text changed.
bool ApplyPageChanges(PageView& view, const PageChanges& changes);

// The change that puts `text` into one line-item cell: empty when the cell already holds it
// or lies outside the grid.
PageChanges CellTextChange(const GridView& grid, int row, int column, std::string text);

} // namespace waybill
