#include "catalog/FinishRules.h"

#include "catalog/ShortLength.h"
#include "catalog/TestPages.h"

#include <gtest/gtest.h>

namespace waybill {
namespace {

using test::Applied;
using test::Column;
using test::MakePage;

PageView ClipPage(const std::vector<std::string>& partNumbers) {
    PageView view =
        MakePage("clp02_1-01", "Red-Oxide", static_cast<int>(partNumbers.size()) + 1, 6);
    for (std::size_t i = 0; i < partNumbers.size(); ++i) {
        view.grid->SetCell(static_cast<int>(i) + 1, 5, partNumbers[i]);
    }
    return view;
}

TEST(AddEndFinish, CutsAtTheFirstFinishLetterFoundAndAppendsTheCode) {
    const PageView view =
        ClipPage({"59AK147P", " 59AB12G ", "59AK12", "", "54misc9G", "59APB7P", "59AB"});
    const PageView black = Applied(view, PickFinish(view, {}, "Black"));
    EXPECT_EQ(black.titleBlock[TblkFinish], "Black");
    // "G" wins over a later "P"; a number without G, P or B keeps all of itself.
    EXPECT_EQ(Column(black, 5), (std::vector<std::string>{"59AK147 ", "59AB12 ", "59AK12 ", "",
                                                          "54misc9G", "59APB7 ", "59A "}));

    // "Varies" stands for no single finish: nothing but the Finish field changes.
    const PageChanges varies = PickFinish(view, {}, "Varies");
    EXPECT_TRUE(varies.cells.empty());
    ASSERT_EQ(varies.titleBlock.size(), 1u);

    // A finish the clip list lacks strips the old letter and appends nothing.
    EXPECT_EQ(Column(Applied(view, AddEndFinish(*view.grid, "clp02_1", "Gray")), 5)[0], "59AK147");
}

// A Zee member page: length in column 3, part number in the last column.
PageView ZeePage() {
    PageView view = MakePage("zee00-01", "Red-Oxide", 6, 13);
    const char* rows[][2] = {{"4'-11", "528Z14PSL"},
                             {"5'-0", "528Z14P"},
                             {"", "528Z14P"},
                             {"3'", ""},
                             {"2'", "528Z14PSLSL"}};
    for (int r = 0; r < 5; ++r) {
        view.grid->SetCell(r + 1, 3, rows[r][0]);
        view.grid->SetCell(r + 1, 12, rows[r][1]);
    }
    return view;
}

TEST(AddEndFinish, EveryShortMemberKeepsOneShortLengthMark) {
    const PageView view = ZeePage();
    const PageView gray = Applied(view, PickFinish(view, {}, "Gray"));
    // The finish cut drops "SL" from every row; each short row gets it back exactly once.
    EXPECT_EQ(Column(gray, 12),
              (std::vector<std::string>{"528Z14GPSL", "528Z14GP", "528Z14GP", "", "528Z14GPSL"}));
    // On the purlin lists the length is column 4; eave struts have no mark.
    PageView purlins = MakePage("tenza-01", "Red-Oxide", 2, 7);
    purlins.grid->SetCell(1, 4, "40");
    purlins.grid->SetCell(1, 6, "526Z14P");
    EXPECT_EQ(Column(Applied(purlins, PickFinish(purlins, {}, "Black")), 6)[0], "526Z14BSL");
    PageView eave = MakePage("eav00-01", "Red-Oxide", 2, 13);
    eave.grid->SetCell(1, 3, "40");
    eave.grid->SetCell(1, 12, "528E14P");
    EXPECT_EQ(Column(Applied(eave, PickFinish(eave, {}, "Black")), 12)[0], "528E14B");
}

TEST(ShortLength, OneLengthEditChangesOnlyItsRow) {
    const PageView view = ZeePage();
    const PageChanges changes = SetShortLengthSuffix(*view.grid, 2, 3);
    EXPECT_TRUE(changes.Empty()); // 60 inches, no mark to remove
    PageView edited = view;
    edited.grid->SetCell(2, 3, "4'-11");
    EXPECT_EQ(SetShortLengthSuffix(*edited.grid, 2, 3).cells,
              (std::vector<CellChange>{{2, 12, "528Z14PSL"}}));
    edited.grid->SetCell(1, 3, "5'");
    EXPECT_EQ(SetShortLengthSuffix(*edited.grid, 1, 3).cells,
              (std::vector<CellChange>{{1, 12, "528Z14P"}}));
    EXPECT_EQ(WithShortLengthSuffix("528Z14", 59), "528Z14SL");
    EXPECT_EQ(WithShortLengthSuffix("528Z14SL", 59), "528Z14SL");
    EXPECT_EQ(WithShortLengthSuffix("528Z14SL", 0), "528Z14SL"); // no length: left alone
    EXPECT_EQ(WithShortLengthSuffix("", 10), "");
    EXPECT_EQ(ShortLengthColumnForEdit("tenzf99"), 4);
    EXPECT_EQ(ShortLengthColumnForEdit("teng"), std::nullopt);
    EXPECT_EQ(ShortLengthColumnForFinish("teng"), 4);
    EXPECT_EQ(ShortLengthColumnForFinish("cee00"), 3);
}

TEST(RodAndCableRules, FinishLettersFollowTheFinishWords) {
    PageView rods = MakePage("rods01-01", "Red-Oxide", 5, 6);
    const char* parts[] = {"55BRP100", "55br_75", "55BRX100", "54BRG1"};
    for (int r = 0; r < 4; ++r) {
        rods.grid->SetCell(r + 1, 5, parts[r]);
    }
    EXPECT_EQ(Column(Applied(rods, PickFinish(rods, {}, "Hot Dip Galv.")), 5),
              (std::vector<std::string>{"55BRG100", "55BRG75", "55BRX100", "54BRG1"}));
    EXPECT_TRUE(PickFinish(rods, {}, "As Noted").cells.empty());

    PageView cables = MakePage("cable02-01", "Hot Dip Galv.", 4, 9);
    cables.grid->SetCell(1, 8, "43BCA038G_1015");
    cables.grid->SetCell(1, 7, "GALV.");
    cables.grid->SetCell(2, 8, "43BCA038_010");
    cables.grid->SetCell(2, 7, "ZINC");
    cables.grid->SetCell(3, 7, "GALV."); // no part number: not touched
    const PageView zinc = Applied(cables, PickFinish(cables, {}, "Zinc"));
    EXPECT_EQ(Column(zinc, 7), (std::vector<std::string>{"ZINC", "ZINC", "GALV."}));
    EXPECT_EQ(Column(zinc, 8), (std::vector<std::string>{"43BCA038_1015", "43BCA038_010", ""}));
    const PageView galv = Applied(zinc, PickFinish(zinc, {}, "Hot Dip Galv."));
    EXPECT_EQ(Column(galv, 7), (std::vector<std::string>{"GALV.", "GALV.", "GALV."}));
    EXPECT_EQ(Column(galv, 8), (std::vector<std::string>{"43BCA038G_1015", "43BCA038G_010", ""}));
    EXPECT_TRUE(PickFinish(cables, {}, "As Noted").cells.empty());

    // A part number without "_" has nowhere to take the marker.
    cables.grid->SetCell(1, 8, "43BCA038");
    EXPECT_TRUE(SetCableFinishCode(*cables.grid, 1).Empty());
}

TEST(PageChanges, ApplyWritesInsideTheGridAndReportsRealChanges) {
    PageView view = MakePage("std-01", "Red-Oxide", 3, 2);
    view.grid->SetCell(1, 1, "x");
    EXPECT_FALSE(ApplyPageChanges(view, {{{TblkFinish, "Red-Oxide"}}, {{1, 1, "x"}, {9, 0, "y"}}}));
    EXPECT_TRUE(ApplyPageChanges(view, {{}, {{2, 0, "y"}, {-1, 0, "z"}}}));
    EXPECT_EQ(view.grid->Cell(2, 0), "y");
    EXPECT_TRUE(CellTextChange(*view.grid, 2, 0, "y").Empty());
    EXPECT_TRUE(CellTextChange(*view.grid, 3, 0, "y").Empty());

    PageView noGrid;
    EXPECT_TRUE(ApplyPageChanges(noGrid, {{{TblkFinish, "Gray"}}, {{1, 1, "x"}}}));
    EXPECT_EQ(noGrid.titleBlock[TblkFinish], "Gray");
    EXPECT_EQ(PickFinish(noGrid, {}, "Gray").titleBlock.size(), 0u);
}

} // namespace
} // namespace waybill
