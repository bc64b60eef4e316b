#pragma once

#include "model/Page.h"

#include <cstddef>
#include <string>
#include <vector>

namespace waybill {

// Row numbers are 16-bit: no grid reaches past this row.
constexpr int kMaxGridRow = 32767;

// The rows that the lines after a "GRID:" line stand for, numbered from 1 as the editor fills
// them: a blank run gives that many empty rows, a repeated-row line that many equal rows, a
// row line one row.
class GridRows {
  public:
    // Reads lines[begin..] up to the next keyword line. A line the grammar rejects (a count too
    // large for a row number, a leading digit without "|") or one that would fill a row past
    // `lastRow` is passed over, as the editor passes it over.
    GridRows(const PageLines& lines, std::size_t begin, int lastRow = kMaxGridRow);

    int Count() const { return static_cast<int>(rowLine_.size()); }
    // The values of row 1..Count(); no values for an empty row or one outside the grid.
    const std::vector<std::string>& Values(int row) const;
    // The index of the first line after the grid's lines.
    std::size_t End() const { return end_; }

  private:
    std::vector<std::vector<std::string>> lines_; // the distinct row lines, split
    std::vector<int> rowLine_;                    // per row: index into lines_, or -1 when empty
    std::size_t end_ = 0;
};

} // namespace waybill
