#pragma once

#include "page/PageView.h"

#include <compare>
#include <string>
#include <utility>
#include <vector>

namespace waybill {

// What of one page is marked as changed since a comparison base: the places the screen
// shades and the rows and fields the printed sheet marks. Every list is sorted.
struct PageChangeMarks {
    struct BlockValue {
        std::string block; // as the page names it
        int occurrence = 0;
        int attribute = 0;

        auto operator<=>(const BlockValue&) const = default;
    };

    std::vector<std::pair<int, int>> cells; // line-item (row, column), rows from 1
    std::vector<int> rows;                  // rows added or with a changed cell
    std::vector<int> addedRows;
    std::vector<int> fields;                        // title-block field indexes
    std::vector<std::pair<int, int>> revisionCells; // (row 1..4, column)
    std::vector<BlockValue> values;

    bool Empty() const {
        return rows.empty() && fields.empty() && revisionCells.empty() && values.empty();
    }
    bool Cell(int row, int column) const;
    bool Row(int row) const;
    bool RowAdded(int row) const;
    bool Field(int field) const;
    bool RevisionCell(int row, int column) const;
    bool Value(const std::string& block, int occurrence, int attribute) const;
};

// The newest revision of a revision table, for the delta beside a changed field: the highest
// whole-number Rev, else the last Rev written, else empty.
std::string NewestRevision(const RevisionTable& revision);

} // namespace waybill
