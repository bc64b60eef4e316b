#pragma once

#include "model/Page.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace waybill {

// The page-data grammar, read one way for everything that reads pages: the screen, the
// exports and the printed sheet.

enum class PageKeyword { RevGrid, Grid, Block, AttribBlock };

struct KeywordLine {
    PageKeyword keyword;
    std::string argument; // the text after the first ":", trimmed
};

// The keyword of a page-data line: the text up to and including its first ":", trimmed,
// compared without regard to letter case.
std::optional<KeywordLine> ParseKeywordLine(std::string_view line);

// One part of a page's data: a keyword line and the lines that belong to it, in page order.
// "REVGRID:" and "ATTRIBLK:" own the one line after them unless it is a keyword line, "GRID:"
// every line up to the next keyword line, "BLOCK:" none. Lines that belong to no part (before
// the first keyword line, or after a part's own lines) are no page data.
struct PageItem {
    PageKeyword keyword;
    std::string name;                   // the keyword's argument: a grid or block name
    std::size_t line = 0;               // the keyword line
    std::size_t end = 0;                // the next keyword line, or the end of the page
    const std::string* value = nullptr; // the revision or attribute value line, if any

    // The lines of a "GRID:" part: [line + 1, end).
    std::size_t FirstGridLine() const { return line + 1; }
};

// The parts of a page in order. The items point into `lines`, which must outlive them.
std::vector<PageItem> ReadPageItems(const PageLines& lines);

// The grid a page shows: each "GRID:" line names the grid anew, so the last one counts. The
// rows of the others are kept as stored. Null when the page names no grid.
const PageItem* ShownGridItem(const std::vector<PageItem>& items);

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

// The rows that a grid's lines stand for, numbered from 1 as the editor fills them: a blank
// run gives that many empty rows, a repeated-row line that many equal rows, a row line one
// row. A line the grammar rejects, or one that would reach past kMaxGridRow, is passed over.
// Rows past the grid definition's row count are read like any other: the file holds them.
class GridRows {
  public:
    GridRows(const PageLines& lines, const PageItem& grid);

    int Count() const { return static_cast<int>(rowLine_.size()); }
    // The values of row 1..Count(); no values for an empty row or one outside the grid.
    const std::vector<std::string>& Values(int row) const;

  private:
    std::vector<std::vector<std::string>> lines_; // the distinct row lines, split
    std::vector<int> rowLine_;                    // per row: index into lines_, or -1 when empty
};

} // namespace waybill
