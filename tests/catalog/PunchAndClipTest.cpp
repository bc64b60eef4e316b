#include "catalog/ClipParts.h"
#include "catalog/PunchSelection.h"
#include "catalog/TestPages.h"

#include <gtest/gtest.h>
#include <tuple>

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
}

TEST(ClipParts, DialogStartFromThePartNumber) {
    const ClipDialogStart plain = StartClipSelection("59AB147P");
    EXPECT_EQ(plain.sizeLetter, "B");
    EXPECT_EQ(plain.sizeIndex, 1u);
    EXPECT_EQ(plain.finishIndex, 0u);
    EXPECT_TRUE(plain.sizeEnabled);
    EXPECT_EQ(StartClipSelection("59AD147 ").finishIndex, 2u); // Black's code is a blank

    const ClipDialogStart k = StartClipSelection("59Ak14");
    EXPECT_FALSE(k.sizeEnabled);
    EXPECT_EQ(k.finishCode, "");
    EXPECT_EQ(k.finishIndex, std::nullopt);
    EXPECT_TRUE(ClipChoiceComplete(false, false, true));
    EXPECT_FALSE(ClipChoiceComplete(true, false, true));
    EXPECT_FALSE(ClipChoiceComplete(false, true, false));
    EXPECT_EQ(StartClipSelection("59").sizeLetter, "");

    EXPECT_EQ(ClipChoiceFromItems(plain, 4u, 2), (ClipChoice{"E", " "}));
    EXPECT_EQ(ClipChoiceFromItems(k, 1u, 1), (ClipChoice{"k", "G"}));
}

// Every size letter opens the dialog on its size; other letters (lower case too) on none.
TEST(ClipParts, TheSizeLetterPreselectsItsSize) {
    const std::pair<const char*, const char*> cases[] = {
        {"59AA147G", " 6   (A)"}, {"59AB147G", " 8   (B)"}, {"59AC147G", "10  (C)"},
        {"59AD147G", "12  (D)"},  {"59AE147G", "14  (E)"},  {"59AF147G", ""},
        {"59AK147G", ""},         {"59A_101P", ""},         {"59Ac147G", ""},
    };
    for (const auto& [partNo, size] : cases) {
        const auto index = StartClipSelection(partNo).sizeIndex;
        EXPECT_EQ(index ? std::string(kClipSizeItems.at(*index)) : std::string(), size) << partNo;
    }
}

// A row whose part number has no size letter yet, or whose mark has no room for one, cannot
// take a size: the dialog is not opened and the user is told why.
TEST(ClipParts, ARowWithoutRoomForTheSizeLetterIsRefused) {
    const std::string part =
        "The part number is too short to hold the size letter (its 4th character).";
    const std::string mark =
        "The part mark is too short to hold the size letter (its 2nd character).";
    const std::tuple<const char*, const char*, std::string> cases[] = {
        {"59AB147P", "CB47", ""}, {"59AB", "CB", ""},     {"59A", "CB47", part}, {"", "CB47", part},
        {"59AB147P", "C", mark},  {"59AB147P", "", mark}, {"59", "", part},
    };
    for (const auto& [partNo, markText, expected] : cases) {
        const auto refusal = ClipEditRefusal({partNo, markText});
        EXPECT_EQ(refusal ? refusal->text : "", expected) << partNo << " " << markText;
        EXPECT_TRUE(!refusal || (refusal->caption == "Note" && refusal->icon == MessageIcon::None));
    }
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
