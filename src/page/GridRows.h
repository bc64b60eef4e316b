#pragma once

#include "model/Page.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace waybill {

// Row numbers are 16-bit: no grid reaches past this row.
constexpr int kMaxGridRow = 32767;

// What one trimmed line after a "GRID:" line stands for: `count` rows, each with the values
// of `valueLine`, or with none when it is empty (a blank run, or an empty line for one row).
struct GridLineRows {
    int count = 1;
    std::string_view valueLine;
};
// Nothing for a line the grammar rejects: a count too large for a row number, or a leading
// digit without "|".
std::optional<GridLineRows> ReadGridLine(std::string_view line);

// The rows that the lines after a "GRID:" line stand for, numbered from 1 as the editor fills
// them: a blank run gives that many empty rows, a repeated-row line that many equal rows, a
// row line one row.
class GridRows {
  public:
    // Reads lines[begin..] up to the next keyword line. A line the grammar rejects (a count too
    // large for a row number, a leading digit without "|") is passed over, as the editor passes
    // it over. Rows past the grid definition's row count are read like any other: the file
    // holds them, so they are line items.
    GridRows(const PageLines& lines, std::size_t begin);

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
