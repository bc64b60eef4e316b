#include "page/PageLayout.h"

#include <algorithm>
#include <cmath>

namespace waybill {

const std::array<TitleBlockSlot, 11> kTitleBlockSlots = {{
    {"Finish:", 1.5625, 0.0625, 2.0625, 1.875},
    {"Detail By:", 4.0625, 0.0625, 4.75, 1.6875},
    {"Issue:", 1.5625, 0.3125, 2.0625, 1.875},
    {"Checked By:", 4.0625, 0.3125, 5.0, 1.4375},
    {"Date:", 1.5625, 0.5625, 2.0625, 1.875},
    {"CAD #:", 4.0625, 0.5625, 4.5625, 1.875},
    {"Customer:", 1.5625, 0.8125, 2.375, 5.0625},
    {"Job Number:", 7.6625, 0.8125, 8.625, 1.5},
    {"Shipping List For:", 1.5625, 1.0625, 2.875, 4.5625},
    {"Sheet No.:", 7.6625, 1.0625, 8.375, 0.75},
    {"of", 9.125, 1.0625, 9.375, 0.75},
}};

TitleBlockBoxes LayoutTitleBlockBoxes(double horizontalScale, double verticalScale,
                                      double titleBlockHeight) {
    const double h = horizontalScale;
    const double v = verticalScale;
    TitleBlockBoxes boxes;
    // A row is 0.1875 inch high in a band of 0.25 (the revision grid's row). At their
    // stated tops the last row would end on the title block's bottom frame line, which then
    // cuts its texts' descenders: every row moves up 1/32 inch, to the middle of its band.
    constexpr double kRowHeight = 0.1875;
    constexpr double kRaise = 0.03125;
    const int rowHeight = std::max(1, static_cast<int>(std::floor(v * kRowHeight)));
    for (std::size_t i = 0; i < kTitleBlockSlots.size(); ++i) {
        const TitleBlockSlot& slot = kTitleBlockSlots[i];
        const int top = static_cast<int>(std::round((slot.top - kRaise) * v));
        const int labelLeft = static_cast<int>(std::round(slot.labelLeft * h));
        const int boxLeft = static_cast<int>(std::round(slot.boxLeft * h));
        // The last row ends above the title block's frame line, which it would otherwise cover.
        const int height =
            std::max(1, std::min(rowHeight, static_cast<int>(titleBlockHeight) - 2 - top));
        boxes.labels[i] = {labelLeft, top, std::max(1, boxLeft - labelLeft), height};
        boxes.boxes[i] = {boxLeft, top,
                          std::max(1, static_cast<int>(std::round(slot.boxWidth * h))), height};
    }
    // "Rev." and "By" hold a few characters, "Date" ten ("12.07.2025"), which at the page's
    // font size (0.135 sheet inch) take about 0.68 sheet inch.
    const double width = std::round(h * kRevisionGridWidth);
    const double rev = std::round(h * kRevisionColumnWidth);
    const double date = std::round(h * kRevisionDateWidth);
    boxes.revisionColumns = {rev, date, width - rev - date};
    return boxes;
}

PageAreaMetrics SheetGeometry::PageArea(double unitsPerPixel) const {
    return {width, pageAreaHeight, horizontalScale, verticalScale, unitsPerPixel};
}

SheetGeometry FitSheet(double areaWidth, double areaHeight) {
    SheetGeometry g;
    double width = std::max(0.0, areaWidth);
    double height = std::max(0.0, areaHeight);
    if (width * kSheetHeight > height * kSheetWidth) {
        width = height * kSheetWidth / kSheetHeight;
    } else {
        height = width * kSheetHeight / kSheetWidth;
    }
    g.width = std::floor(width);
    g.height = std::floor(height);
    g.left = std::floor((areaWidth - g.width) / 2);
    g.top = std::floor((areaHeight - g.height) / 2);
    g.horizontalScale = g.width / kSheetWidth;
    g.verticalScale = g.height / kSheetHeight;
    g.titleBlockHeight = std::round(g.verticalScale * kTitleBlockHeight);
    g.pageAreaHeight = g.height - g.titleBlockHeight;
    g.fontPixels = std::max(7.0, std::round(g.verticalScale * 0.135));
    return g;
}

void RescaleGrid(GridLayout& grid, const PageAreaMetrics& from, const PageAreaMetrics& to) {
    const double horizontal = from.innerWidth > 0 ? to.innerWidth / from.innerWidth : 1;
    const double vertical = from.verticalScale > 0 ? to.verticalScale / from.verticalScale : 1;
    grid.top = grid.top * vertical;
    grid.width = to.innerWidth;
    grid.height = to.innerHeight - grid.top;
    double used = 0;
    for (std::size_t c = 0; c < grid.columnWidths.size(); ++c) {
        if (c + 1 == grid.columnWidths.size()) {
            grid.columnWidths[c] = std::nearbyint(grid.width - used);
        } else {
            grid.columnWidths[c] = std::nearbyint(grid.columnWidths[c] * horizontal);
            used += grid.columnWidths[c];
        }
    }
    grid.rowHeights = ResizeRows(grid.height, grid.rows, to.unitsPerPixel);
}

} // namespace waybill
