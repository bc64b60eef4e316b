#pragma once

#include "platform/UserMessage.h"
#include "refdb/ReferenceDatabase.h"

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace waybill {

// The page area a grid is laid out in. Units are the window's (device-independent pixels
// on screen); the scales are window units per sheet inch.
struct PageAreaMetrics {
    double innerWidth = 0;
    double innerHeight = 0;
    double horizontalScale = 0;
    double verticalScale = 0;
    // Window units per device pixel: rows are whole pixels high.
    double unitsPerPixel = 1;
};

// The page area of the editor's default window. Any area gives the same page data, so work
// without a window uses this one.
inline constexpr PageAreaMetrics kDefaultPageArea{1024, 774, 1024 / 10.25, 774 / 7.75, 1};

// The line-item grid as laid out from its definition: row 0 is the header row.
struct GridLayout {
    std::string name;
    int columns = 0;
    int rows = 0; // header row included
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    std::vector<double> columnWidths; // the last may be zero or negative when space runs out
    std::vector<int> alignments;
    std::vector<std::string> headers;
    std::vector<double> rowHeights;
    // The last column is "COMP. ID": it is shaded and cannot be edited.
    bool compIdShaded = false;
};

UserMessage GridNotFoundMessage(std::string_view gridName);
UserMessage GridOutOfBoundsMessage(std::string_view gridName);

// The sizes a grid definition may have. The shipped grids stay far inside them; beyond
// them a damaged or hostile database could exhaust memory or overflow the layout.
inline constexpr int kMaxGridColumns = 100;
inline constexpr int kMaxGridRows = 1000;     // data rows, the header row not counted
inline constexpr double kMaxGridInches = 100; // a column width or the row height
// True when the columns, rows and row height are within those bounds and "Left" and "Top"
// are numbers.
bool GridDefinitionInBounds(const GridDefinition& definition);

enum class CellHorizontal { Left, Centre, Right };
enum class CellVertical { Top, Middle, Bottom };
struct CellAlignment {
    CellHorizontal horizontal = CellHorizontal::Left;
    CellVertical vertical = CellVertical::Middle;

    bool operator==(const CellAlignment&) const = default;
};

// Where a cell's text goes by its column's alignment code (the grid control's codes): 0-8
// are left, centre and right (code / 3), each at the top, middle or bottom of the cell
// (code % 3); 9 is "general" (numbers to the right, other text to the left, in the middle);
// any other code is left and middle. `text` (Windows-1252) matters only for code 9.
CellAlignment GridCellAlignment(int code, std::string_view text = {});

// Lays out the named grid (name trimmed by the caller) from its definition and column table.
// A missing definition, a missing column table or one with fewer rows than columns gives the
// "not found" message instead; a definition or a column width outside the bounds above gives
// the "out of bounds" message.
std::variant<GridLayout, UserMessage> SetupGrid(const ReferenceDatabase& database,
                                                std::string_view gridName,
                                                const PageAreaMetrics& area);

// Divides `height` among `rowCount` rows of whole pixels so that they fill it to within one
// pixel: every row gets the truncated share, and the rows 0, step, 2*step... get one pixel
// more (or less) until the remainder is used.
std::vector<double> ResizeRows(double height, int rowCount, double unitsPerPixel);

// A page may hold rows beyond its grid definition's: the laid-out grid then gets `rows` rows
// (the header row included), which share its height as ResizeRows shares it. Fewer rows than
// it has change nothing.
void GrowGridRows(GridLayout& layout, int rows, double unitsPerPixel);

} // namespace waybill
