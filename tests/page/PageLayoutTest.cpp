#include "page/PageLayout.h"

#include <gtest/gtest.h>
#include <numeric>

namespace waybill {
namespace {

TEST(FitSheet, KeepsTheSheetProportionsCentred) {
    const SheetGeometry wide = FitSheet(2000, 775);
    EXPECT_DOUBLE_EQ(wide.width, 1025);
    EXPECT_DOUBLE_EQ(wide.height, 775);
    EXPECT_DOUBLE_EQ(wide.left, 487);
    EXPECT_DOUBLE_EQ(wide.top, 0);
    EXPECT_DOUBLE_EQ(wide.verticalScale, 100);
    EXPECT_DOUBLE_EQ(wide.titleBlockHeight, 125);
    EXPECT_DOUBLE_EQ(wide.pageAreaHeight, 650);
    EXPECT_DOUBLE_EQ(wide.fontPixels, 14);

    const SheetGeometry tall = FitSheet(1025, 2000);
    EXPECT_DOUBLE_EQ(tall.height, 775);
    EXPECT_DOUBLE_EQ(tall.top, 612);

    const SheetGeometry none = FitSheet(-5, 0);
    EXPECT_DOUBLE_EQ(none.width, 0);
    EXPECT_DOUBLE_EQ(none.pageAreaHeight, 0);
    EXPECT_GE(none.fontPixels, 1);
}

TEST(TitleBlockSlots, FitTheTitleBlockRightOfTheRevisions) {
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
    grid.top = 200;
    grid.columnWidths = {100, 300, 625};
    const PageAreaMetrics from{1025, 650, 100, 100, 1};
    const PageAreaMetrics to{1537, 975, 150, 150, 0.5};
    RescaleGrid(grid, from, to);
    EXPECT_DOUBLE_EQ(grid.top, 300);
    EXPECT_DOUBLE_EQ(grid.width, 1537);
    EXPECT_DOUBLE_EQ(grid.height, 675);
    // The last column takes what the others leave.
    EXPECT_EQ(grid.columnWidths, (std::vector<double>{150, 450, 937}));
    ASSERT_EQ(grid.rowHeights.size(), 26u);
    EXPECT_NEAR(std::accumulate(grid.rowHeights.begin(), grid.rowHeights.end(), 0.0), 675, 0.5);
}

} // namespace
} // namespace waybill
