#include "print/PrintScale.h"

#include <gtest/gtest.h>

namespace waybill {
namespace {

TEST(PrintScale, NarrowerAreasCutBothSidesEquallyWiderOnesStretch) {
    // Letter landscape with quarter-inch margins: 10.5 wide (stretched), 8.0 high (stretched).
    EXPECT_EQ(PrintScale(10.5, 8.0), (SheetWindow{0, 0, 10.25, 7.75}));
    // A4 landscape with wide margins: 10.0 x 7.5 shows the middle at full size.
    EXPECT_EQ(PrintScale(10.0, 7.5), (SheetWindow{0.125, 0.125, 10.0, 7.5}));
    // Each direction on its own; the exact size neither cuts nor stretches.
    EXPECT_EQ(PrintScale(10.25, 7.0), (SheetWindow{0, 0.375, 10.25, 7.0}));
    // A surface that reports no size shows the whole sheet rather than dividing by zero.
    EXPECT_EQ(PrintScale(0, -1), (SheetWindow{0, 0, 10.25, 7.75}));
}

TEST(PrintScale, PrinterPensFollowItsResolutionPicturePensArePixels) {
    // 3/128 inch: 14.06 pixels at 600 dpi, truncated; a third and two thirds of it.
    EXPECT_EQ(PrinterPenWidths(600), (PenWidths{4, 8, 14}));
    EXPECT_EQ(PrinterPenWidths(1200), (PenWidths{9, 18, 28}));
    EXPECT_EQ(PrinterPenWidths(300), (PenWidths{2, 4, 7}));
    // A coarse device would get a thin pen of 0 pixels: it still draws one.
    EXPECT_EQ(PrinterPenWidths(96), (PenWidths{1, 1, 2}));
    EXPECT_EQ(PicturePenWidths(), (PenWidths{1, 2, 3}));
    EXPECT_EQ(PicturePenWidths(2), (PenWidths{2, 4, 6}));
}

} // namespace
} // namespace waybill
