#include "page/GridSetup.h"

#include "support/TestDatabase.h"
#include "page/PageLayout.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numeric>

namespace waybill {
namespace {

TEST(SetupGrid, LaysOutFromTheDefinitionAndRescalesToANewArea) {
    test::TestDatabase db;
    db.AddGrid("sht", 4, 20, 0.5f, 1.25f);
    db.AddTable("sht", {"Width", "Align", "Label"},
                {{0.8, std::int64_t{1}, "QTY"},
                 {1.55, std::int64_t{4}, "LENGTH"},
                 {2.0, std::int64_t{7}, FieldValue{}},
                 {9.0, std::int64_t{1}, "PART NUMBER"}});
    const PageAreaMetrics area{1025, 600, 100, 80, 1};
    auto grid = std::get<GridLayout>(SetupGrid(db, "SHT", area));
    EXPECT_EQ(grid.rows, 21);
    EXPECT_DOUBLE_EQ(grid.top, 100);
    EXPECT_DOUBLE_EQ(grid.height, 500);
    EXPECT_EQ(grid.columnWidths, (std::vector<double>{80, 155, 200, 590}));
    EXPECT_EQ(grid.alignments, (std::vector<int>{1, 4, 7, 1}));
    EXPECT_EQ(grid.headers, (std::vector<std::string>{"QTY", "LENGTH", "", "PART NUMBER"}));
    EXPECT_FALSE(grid.compIdShaded);

    RescaleGrid(grid, area, {1537, 900, 150, 120, 0.5});
    EXPECT_DOUBLE_EQ(grid.top, 150);
    EXPECT_DOUBLE_EQ(grid.height, 750);
    EXPECT_EQ(grid.columnWidths, (std::vector<double>{120, 232, 300, 885}));
    EXPECT_NEAR(std::accumulate(grid.rowHeights.begin(), grid.rowHeights.end(), 0.0), 750, 0.5);

    // The last column takes what is left, even when nothing is.
    db.AddTable("sht", {"Width", "Align", "Label"},
                {{6.0, std::int64_t{0}, "A"},
                 {6.0, std::int64_t{0}, "B"},
                 {1.0, std::int64_t{0}, "B"},
                 {1.0, std::int64_t{0}, "comp. id"}});
    grid = std::get<GridLayout>(SetupGrid(db, "sht", {1000, 500, 100, 100, 1}));
    EXPECT_DOUBLE_EQ(grid.columnWidths.back(), -300);
    EXPECT_TRUE(grid.compIdShaded); // the label matches in any letter case
}

TEST(SetupGrid, MissingDefinitionOrColumnsAreReported) {
    test::TestDatabase db;
    db.AddGrid("short", 3, 2);
    db.AddTable("short", {"Width"}, {{1.0}, {1.0}});
    db.AddGrid("tableless", 2, 2);
    db.RemoveTable("tableless");
    for (const char* name : {"unknown", "short", "tableless"}) {
        const auto result = SetupGrid(db, name, {1000, 500, 100, 100, 1});
        ASSERT_TRUE(std::holds_alternative<UserMessage>(result)) << name;
        EXPECT_EQ(std::get<UserMessage>(result).text,
                  "Grid " + std::string(name) + " not found in Grid Definition Table.");
    }
}

TEST(ResizeRows, SpreadsTheRemainderEveryStepFromRowZero) {
    // 21 rows in 220 pixels: 10 each and 10 rows one pixel taller, every second row.
    EXPECT_EQ(ResizeRows(220, 21, 1),
              (std::vector<double>{11, 10, 11, 10, 11, 10, 11, 10, 11, 10, 11,
                                   10, 11, 10, 11, 10, 11, 10, 11, 10, 10}));
    EXPECT_TRUE(ResizeRows(100, 0, 1).empty());
    // A remainder of exactly one pixel goes to row 0, so the rows reach the frame.
    EXPECT_EQ(ResizeRows(10, 3, 1), (std::vector<double>{4, 3, 3}));
    EXPECT_EQ(ResizeRows(8, 3, 1), (std::vector<double>{3, 3, 2}));
    // Device pixels smaller than a unit: rows are whole device pixels.
    EXPECT_DOUBLE_EQ(ResizeRows(10, 4, 0.5)[1], 2.5);
}

// Every sheet a window can show, from the smallest up: the title block's rows are one height,
// and the last ends above the frame line along the title block's bottom edge (its last pixel)
// with a pixel to spare, so nothing of its texts is cut.
TEST(TitleBlockBoxes, RowsAreOneHeightAndClearTheBottomFrameAtEverySize) {
    for (int width = 640; width <= 2560; ++width) {
        const SheetGeometry sheet = FitSheet(width, std::ceil(width * kSheetHeight / kSheetWidth));
        const TitleBlockBoxes boxes = LayoutTitleBlockBoxes(
            sheet.horizontalScale, sheet.verticalScale, sheet.titleBlockHeight);
        const int frame = static_cast<int>(sheet.titleBlockHeight) - 1;
        for (int i = 0; i < kTitleBlockFields; ++i) {
            const UnitRect& box = boxes.boxes[static_cast<std::size_t>(i)];
            EXPECT_EQ(box.height, boxes.boxes[0].height) << width << " field " << i;
            EXPECT_LE(box.top + box.height, frame - 1) << width << " field " << i;
            EXPECT_EQ(boxes.labels[static_cast<std::size_t>(i)].top, box.top);
        }
        const auto& columns = boxes.revisionColumns;
        EXPECT_EQ(columns[0] + columns[1] + columns[2],
                  std::round(sheet.horizontalScale * kRevisionGridWidth));
    }
}

} // namespace
} // namespace waybill
