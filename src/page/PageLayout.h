#pragma once

#include "page/GridSetup.h"
#include "page/PageView.h"

#include <array>
#include <string_view>

namespace waybill {

// The sheet on screen: 10.25 x 7.75 sheet inches, the page area above the title block
// (1.25 sheet inches high). Units are the window's.
constexpr double kSheetWidth = 10.25;
constexpr double kSheetHeight = 7.75;
constexpr double kTitleBlockHeight = 1.25;
constexpr double kRevisionGridWidth = 1.5;
// The revision grid's "Rev." column; its "Date" column; "By" takes the rest.
constexpr double kRevisionColumnWidth = 0.34;
constexpr double kRevisionDateWidth = 0.82;

struct SheetGeometry {
    double left = 0; // the sheet inside the widget
    double top = 0;
    double width = 0;
    double height = 0;
    double horizontalScale = 0; // window units per sheet inch
    double verticalScale = 0;
    double titleBlockHeight = 0;
    double pageAreaHeight = 0;
    // The size of the page's texts, in window units: 7/600 of the window's outer height in
    // points, which for a window around the sheet is about 0.135 sheet inch.
    double fontPixels = 0;

    PageAreaMetrics PageArea(double unitsPerPixel) const;
};

// The largest sheet of the sheet's proportions that fits the area, centred, on whole units.
SheetGeometry FitSheet(double areaWidth, double areaHeight);

// Where a title-block field sits, in sheet inches from the title block's top-left corner.
struct TitleBlockSlot {
    std::string_view label;
    double labelLeft;
    double top;
    double boxLeft;
    double boxWidth;
};

extern const std::array<TitleBlockSlot, 11> kTitleBlockSlots;

// A rectangle on whole window units.
struct UnitRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    bool operator==(const UnitRect&) const = default;
};

// The title block's controls for a sheet's scales, in window units from the title block's
// top-left corner: each field's label (up to its box) and box, one row high but ending above
// the title block's bottom frame line, and the widths of the revision grid's three columns
// (the date column wide enough for "12.07.2025", the last taking what the others leave).
struct TitleBlockBoxes {
    std::array<UnitRect, kTitleBlockFields> labels;
    std::array<UnitRect, kTitleBlockFields> boxes;
    std::array<double, kRevisionColumns> revisionColumns{};
};

TitleBlockBoxes LayoutTitleBlockBoxes(double horizontalScale, double verticalScale,
                                      double titleBlockHeight);

// Fits a grid laid out for one page area to another, as SetupGrid would lay it out there:
// the top and the column widths scale (the last column takes what the others leave) and
// the rows divide the new height.
void RescaleGrid(GridLayout& grid, const PageAreaMetrics& from, const PageAreaMetrics& to);

} // namespace waybill
