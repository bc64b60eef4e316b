#include "page/PageChanges.h"

#include <gtest/gtest.h>

namespace waybill {
namespace {

// A page with a 3 x 2 grid (header row included) and two appearances of one attribute block
// around a plain block.
PageView Page() {
    PageView view;
    view.titleBlock[TblkFinish] = "Red-Oxide";
    GridView grid;
    grid.layout.rows = 3;
    grid.layout.columns = 2;
    grid.cells = {"A", "B", "x", "", "", ""};
    view.grid = std::move(grid);
    view.blocks = {{"cap", "|1|"}, {"frame", std::nullopt}, {"CAP", "|2|"}};
    view.BlockAttribValues.Add("cap", "|1|");
    view.BlockAttribValues.Add("CAP", "|2|");
    return view;
}

TEST(PageChanges, WhatLiesOutsideThePageOrIsThereAlreadyChangesNothing) {
    PageView view = Page();
    const PageView before = view;
    EXPECT_FALSE(
        ApplyPageChanges(view, {{{TblkFinish, "Red-Oxide"}},
                                {{1, 0, "x"}, {9, 0, "y"}, {-1, 0, "z"}, {1, 2, "w"}},
                                {{0, 0, "Rev."}, {5, 0, "r"}, {1, 3, "r"}},
                                {{"cap", 0, "|1|"}, {"cap", 2, "|9|"}, {"lost", 0, "|x|"}}}));
    EXPECT_EQ(view.grid->cells, before.grid->cells);
    EXPECT_EQ(view.revision, before.revision);
    EXPECT_EQ(view.BlockAttribValues.Entries()[1].valueLine, "|2|");
    EXPECT_TRUE(CellTextChange(*view.grid, 1, 0, "x").Empty());
    EXPECT_TRUE(CellTextChange(*view.grid, 3, 0, "y").Empty());

    PageView noGrid;
    EXPECT_TRUE(ApplyPageChanges(noGrid, {{{TblkFinish, "Gray"}}, {{1, 1, "x"}}}));
    EXPECT_EQ(noGrid.titleBlock[TblkFinish], "Gray");
}

TEST(PageChanges, EveryPartOfThePageIsWrittenAndTheDrawingFollowsItsValueLine) {
    PageView view = Page();
    const PageChanges changes{
        {{TblkDescription, "ROOF"}}, {{2, 1, "y"}}, {{4, 2, "JD"}}, {{"cap", 1, "|9|"}}};
    EXPECT_EQ(CellTextChange(*view.grid, 2, 1, "y").cells, changes.cells);
    EXPECT_TRUE(ApplyPageChanges(view, changes));
    EXPECT_EQ(view.titleBlock[TblkDescription], "ROOF");
    EXPECT_EQ(view.grid->Cell(2, 1), "y");
    EXPECT_EQ(view.revision[3][2], "JD");
    // The second appearance of the block, whatever the case of its name.
    EXPECT_EQ(view.BlockAttribValues.Entries()[0].valueLine, "|1|");
    EXPECT_EQ(view.BlockAttribValues.Entries()[1].valueLine, "|9|");
    EXPECT_EQ(view.blocks[0].valueLine, "|1|");
    EXPECT_FALSE(view.blocks[1].valueLine);
    EXPECT_EQ(view.blocks[2].valueLine, "|9|");
}

} // namespace
} // namespace waybill
