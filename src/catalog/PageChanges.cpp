#include "catalog/PageChanges.h"

#include "catalog/GridEdits.h"

namespace waybill {

bool ApplyPageChanges(PageView& view, const PageChanges& changes) {
    bool changed = false;
    for (const TitleBlockChange& change : changes.titleBlock) {
        if (change.field < 0 || change.field >= kTitleBlockFields) {
            continue;
        }
        std::string& text = view.titleBlock[static_cast<std::size_t>(change.field)];
        if (text != change.text) {
            text = change.text;
            changed = true;
        }
    }
    if (!view.grid) {
        return changed;
    }
    GridView& grid = *view.grid;
    for (const CellChange& change : changes.cells) {
        if (change.row < 0 || change.row >= grid.Rows() || change.column < 0 ||
            change.column >= grid.Columns()) {
            continue;
        }
        if (grid.Cell(change.row, change.column) != change.text) {
            grid.SetCell(change.row, change.column, change.text);
            changed = true;
        }
    }
    return changed;
}

PageChanges CellTextChange(const GridView& grid, int row, int column, std::string text) {
    GridEdits edits(grid);
    edits.Set(row, column, std::move(text));
    return {{}, edits.Changes()};
}

bool GridEdits::Contains(int row, int column) const {
    return row >= 0 && row < grid_.Rows() && column >= 0 && column < grid_.Columns();
}

const std::string& GridEdits::Cell(int row, int column) const {
    static const std::string kOutside;
    if (!Contains(row, column)) {
        return kOutside;
    }
    const auto found = written_.find({row, column});
    return found != written_.end() ? found->second : grid_.Cell(row, column);
}

void GridEdits::Set(int row, int column, std::string text) {
    if (!Contains(row, column)) {
        return;
    }
    const auto [where, inserted] = written_.insert_or_assign({row, column}, std::move(text));
    if (inserted) {
        order_.push_back(where->first);
    }
}

std::vector<CellChange> GridEdits::Changes() const {
    std::vector<CellChange> changes;
    for (const auto& cell : order_) {
        const std::string& text = written_.at(cell);
        if (text != grid_.Cell(cell.first, cell.second)) {
            changes.push_back({cell.first, cell.second, text});
        }
    }
    return changes;
}

} // namespace waybill
