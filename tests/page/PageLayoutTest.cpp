#include "page/PageLayout.h"

#include <gtest/gtest.h>

namespace waybill {
namespace {

TEST(FitSheet, KeepsTheSheetProportionsCentred) {
    const SheetGeometry wide = FitSheet(2000, 775);
    EXPECT_DOUBLE_EQ(wide.height, 775);
    EXPECT_DOUBLE_EQ(wide.width, 1025);
    EXPECT_DOUBLE_EQ(wide.left, 487);
    EXPECT_DOUBLE_EQ(wide.top, 0);
    EXPECT_DOUBLE_EQ(wide.horizontalScale, 100);
    EXPECT_DOUBLE_EQ(wide.verticalScale, 100);
    EXPECT_DOUBLE_EQ(wide.titleBlockHeight, 125);
    EXPECT_DOUBLE_EQ(wide.pageAreaHeight, 650);
    EXPECT_DOUBLE_EQ(wide.fontPixels, 14);

    const SheetGeometry tall = FitSheet(1025, 2000);
    EXPECT_DOUBLE_EQ(tall.width, 1025);
    EXPECT_DOUBLE_EQ(tall.height, 775);
    EXPECT_DOUBLE_EQ(tall.top, 612);

    const SheetGeometry none = FitSheet(-5, 0);
    EXPECT_DOUBLE_EQ(none.width, 0);
    EXPECT_DOUBLE_EQ(none.pageAreaHeight, 0);
    EXPECT_GE(none.fontPixels, 1);
}

TEST(TitleBlockSlots, FitTheSheetAndKeepTheirLabels) {
    EXPECT_EQ(kTitleBlockSlots[0].label, "Finish:");
    EXPECT_EQ(kTitleBlockSlots[8].label, "Shipping List For:");
    for (const TitleBlockSlot& slot : kTitleBlockSlots) {
        EXPECT_LT(slot.labelLeft, slot.boxLeft) << slot.label;
        EXPECT_LE(slot.boxLeft + slot.boxWidth, kSheetWidth) << slot.label;
        EXPECT_LE(slot.top + 0.1875, kTitleBlockHeight) << slot.label;
        EXPECT_GE(slot.labelLeft, kRevisionGridWidth) << slot.label;
    }
}

TEST(RescaleGrid, LaysTheGridOutAsForTheNewArea) {
    GridLayout grid;
    grid.rows = 26;
    grid.columns = 3;
    grid.top = 200;
    grid.width = 1025;
    grid.height = 450;
    grid.columnWidths = {100, 300, 625};
    const PageAreaMetrics from{1025, 650, 100, 100, 1};
    const PageAreaMetrics to{1537, 975, 150, 150, 0.5};
    RescaleGrid(grid, from, to);
    EXPECT_DOUBLE_EQ(grid.top, 300);
    EXPECT_DOUBLE_EQ(grid.width, 1537);
    EXPECT_DOUBLE_EQ(grid.height, 675);
    ASSERT_EQ(grid.columnWidths.size(), 3u);
    EXPECT_DOUBLE_EQ(grid.columnWidths[0], 150);
    EXPECT_DOUBLE_EQ(grid.columnWidths[1], 450);
    EXPECT_DOUBLE_EQ(grid.columnWidths[2], 937); // the last takes what is left
    ASSERT_EQ(grid.rowHeights.size(), 26u);
    double sum = 0;
    for (double h : grid.rowHeights) {
        sum += h;
    }
    EXPECT_NEAR(sum, 675, 0.5);
}

} // namespace
} // namespace waybill
