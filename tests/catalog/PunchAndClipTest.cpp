#include "catalog/ClipParts.h"
#include "catalog/PunchSelection.h"
#include "catalog/TestPages.h"

#include <gtest/gtest.h>

namespace waybill {
namespace {

using test::MakePage;

TEST(PunchSelection, CellTextSplitsIntoLabelAndCode) {
    EXPECT_EQ(ParsePunchCell("3/4 ROD (punch=e)"), (PunchCellParts{"3/4 ROD", "e"}));
    EXPECT_EQ(PunchCatalogueIndex("e"), 6u);
    EXPECT_EQ(PunchCellText("3/4 ROD", "E"), "3/4 ROD (punch=E)");
    EXPECT_EQ(ParsePunchCell(" 3/4 ROD "), (PunchCellParts{"3/4 ROD", ""}));
    EXPECT_EQ(ParsePunchCell("A (punch= no punch"), (PunchCellParts{"A", "no punch"}));
    EXPECT_EQ(ParsePunchCell("A (x) punch=B"), (PunchCellParts{"A", "B"}));
    EXPECT_EQ(ParsePunchCell("A (B)"), (PunchCellParts{"A", ""}));
    EXPECT_EQ(PunchCatalogueIndex("no punch"), 0u);
    EXPECT_EQ(PunchCatalogueIndex("X"), std::nullopt);
    EXPECT_EQ(PunchCatalogueIndex(""), std::nullopt);
    EXPECT_EQ(PunchCellText("", "NO PUNCH"), " (punch=NO PUNCH)");
    EXPECT_EQ(PunchCatalogue().size(), 20u);
}

TEST(ClipParts, DialogStartFromThePartNumber) {
    const ClipDialogStart plain = StartClipSelection("59AB147P");
    EXPECT_EQ(plain.sizeLetter, "B");
    EXPECT_EQ(plain.sizeIndex, 0u);
    EXPECT_EQ(plain.finishIndex, 0u);
    EXPECT_TRUE(plain.sizeEnabled);
    EXPECT_EQ(StartClipSelection("59AD147 ").finishIndex, 2u); // Black's code is a blank
    EXPECT_EQ(StartClipSelection("59AA147G").sizeIndex, std::nullopt);
    EXPECT_EQ(StartClipSelection("59AE147G").sizeIndex, std::nullopt);
    EXPECT_EQ(StartClipSelection("59Ac147G").sizeIndex, std::nullopt); // lower case: no size

    const ClipDialogStart k = StartClipSelection("59Ak14");
    EXPECT_FALSE(k.sizeEnabled);
    EXPECT_EQ(k.finishCode, "");
    EXPECT_EQ(k.finishIndex, std::nullopt);
    EXPECT_TRUE(ClipChoiceComplete(false, false, true));
    EXPECT_FALSE(ClipChoiceComplete(true, false, true));
    EXPECT_FALSE(ClipChoiceComplete(false, true, false));
    EXPECT_EQ(StartClipSelection("59").sizeLetter, "");

    EXPECT_EQ(ClipFinishItems()[0], "Red-Oxide  (P)");
    EXPECT_EQ(ClipChoiceFromItems(plain, 3u, 2), (ClipChoice{"E", " "}));
    EXPECT_EQ(ClipChoiceFromItems(k, 1u, 1), (ClipChoice{"k", "G"}));
}

TEST(ClipParts, ChoiceIsWrittenIntoPartNumberAndMark) {
    EXPECT_EQ(ApplyClipChoice({"59AB147P", "CB47"}, {"C", "G"}), (ClipTexts{"59AC147G", "CC47"}));
    EXPECT_EQ(ApplyClipChoice({"59AB147", "CB47"}, {"D", "P"}), (ClipTexts{"59AD147P", "CD47"}));
    EXPECT_EQ(ApplyClipChoice({"59AB147PX", "CB47"}, {"D", " "}),
              (ClipTexts{"59AD147PX ", "CD47"}));
    // Too short for the size letter: both are left as they are.
    EXPECT_EQ(ApplyClipChoice({"59A", "CB47"}, {"C", "G"}), (ClipTexts{"59A", "CB47"}));
    EXPECT_EQ(ApplyClipChoice({"59AB147P", "C"}, {"C", "G"}), (ClipTexts{"59AB147P", "C"}));
}

TEST(ClipParts, PrefixesAreFixedOnTheWholePageWhenTheEditedRowLacksOne) {
    PageView view = MakePage("clp02_1-01", "Red-Oxide", 4, 6);
    view.grid->SetCell(1, 5, "AB147P");
    view.grid->SetCell(1, 1, "CB47");
    view.grid->SetCell(2, 5, "59AB123G");
    view.grid->SetCell(2, 1, "CB12");
    view.grid->SetCell(3, 5, "AK1");
    EXPECT_EQ(ClipTextsForEdit(*view.grid, 1), (ClipTexts{"59AB147P", "CB47"}));
    EXPECT_EQ(EditClipCell(*view.grid, 1, {"C", "G"}).cells,
              (std::vector<CellChange>{{1, 5, "59AC147G"}, {3, 5, "59AK1"}, {1, 1, "CC47"}}));
    // A row that already has its prefix leaves the others alone.
    EXPECT_EQ(EditClipCell(*view.grid, 2, {"D", "P"}).cells,
              (std::vector<CellChange>{{2, 1, "CD12"}, {2, 5, "59AD123P"}}));
    EXPECT_EQ(FixClipPrefixes(*view.grid).cells,
              (std::vector<CellChange>{{1, 5, "59AB147P"}, {3, 5, "59AK1"}}));
}

} // namespace
} // namespace waybill
