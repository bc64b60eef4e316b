#include "page/PageChanges.h"

#include "page/GridEdits.h"
#include "units/Text.h"

namespace waybill {

namespace {

bool SetText(std::string& text, const std::string& changed) {
    if (text == changed) {
        return false;
    }
    text = changed;
    return true;
}

bool ApplyAttribute(PageView& view, const AttribValueChange& change) {
    const AttribValueList::Entry* entry =
        view.BlockAttribValues.Find(change.block, change.occurrence);
    if (entry == nullptr || entry->valueLine == change.valueLine) {
        return false;
    }
    view.BlockAttribValues.Replace(change.block, change.valueLine, change.occurrence);
    // The entries follow the attribute blocks that carry a value line, in page order.
    std::size_t seen = 0;
    for (PageBlock& block : view.blocks) {
        if (block.valueLine && EqualsNoCase(block.name, change.block) &&
            seen++ == change.occurrence) {
            block.valueLine = change.valueLine;
            break;
        }
    }
    return true;
}

} // namespace

bool ApplyPageChanges(PageView& view, const PageChanges& changes) {
    bool changed = false;
    for (const TitleBlockChange& change : changes.titleBlock) {
        if (change.field >= 0 && change.field < kTitleBlockFields) {
            changed =
                SetText(view.titleBlock[static_cast<std::size_t>(change.field)], change.text) ||
                changed;
        }
    }
    if (view.grid) {
        GridView& grid = *view.grid;
        for (const CellChange& change : changes.cells) {
            if (change.row >= 0 && change.row < grid.Rows() && change.column >= 0 &&
                change.column < grid.Columns() &&
                grid.Cell(change.row, change.column) != change.text) {
                grid.SetCell(change.row, change.column, change.text);
                changed = true;
            }
        }
    }
    for (const CellChange& change : changes.revision) {
        if (change.row >= 1 && change.row <= kRevisionRows && change.column >= 0 &&
            change.column < kRevisionColumns) {
            changed = SetText(view.revision[static_cast<std::size_t>(change.row - 1)]
                                           [static_cast<std::size_t>(change.column)],
                              change.text) ||
                      changed;
        }
    }
    for (const AttribValueChange& change : changes.attributes) {
        changed = ApplyAttribute(view, change) || changed;
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
