#include "catalog/FinishRules.h"

#include "catalog/AfterCommit.h"
#include "catalog/Finishes.h"
#include "catalog/ShortLength.h"
#include "catalog/TestPages.h"
#include "model/Page.h"
#include "units/Text.h"

#include <gtest/gtest.h>

namespace waybill {
namespace {

using test::Applied;
using test::Changes;
using test::Column;
using test::MakePage;

// The view after picking `finish` from its finish list (sheet pages take their base part
// numbers from `sheetParts`).
PageView Picked(const PageView& view, const std::string& finish,
                const std::optional<SheetPartTable>& sheetParts = {}) {
    return Applied(view, Changes(PickFinish(view, sheetParts, finish)));
}

// A page of one kind with part numbers in `partColumn` (and other columns the rules read, such
// as member lengths), and the part numbers that picking each finish listed gives.
struct FinishCase {
    const char* cadNumber;
    const char* finish; // the page's finish before the picks
    int columns;
    int partColumn;
    std::vector<std::string> partNumbers;
    std::vector<std::pair<int, std::vector<std::string>>> otherColumns;
    std::vector<std::pair<std::string, std::vector<std::string>>> expected;
};

PageView MakeCasePage(const FinishCase& c) {
    PageView view =
        MakePage(c.cadNumber, c.finish, static_cast<int>(c.partNumbers.size()) + 1, c.columns);
    for (std::size_t i = 0; i < c.partNumbers.size(); ++i) {
        const int row = static_cast<int>(i) + 1;
        view.grid->SetCell(row, c.partColumn, c.partNumbers[i]);
        for (const auto& [column, texts] : c.otherColumns) {
            view.grid->SetCell(row, column, texts[i]);
        }
    }
    return view;
}

// A finish change rewrites only the finish code, where each kind of part number keeps it: a
// size or type letter that reads G, P or B is never cut, and whatever finish was picked
// before, picking a finish gives the same part numbers as picking it alone.
TEST(AddEndFinish, EachPageKindKeepsItsFinishCodeInItsOwnPlace) {
    const std::vector<std::string> lengths{"5'", "5'", "5'"};
    const FinishCase cases[] = {
        // Clips: "59A", the size letter, the number, the finish code in the 8th character
        // (appended to a shorter number, as the size and finish dialog does).
        {"clp02_1-01",
         "Red-Oxide",
         6,
         5,
         {"59AB101P", " 59AB101 ", "59A_101P", "59AK147 ", "59AK12", "", "54misc9G", "59AB12G"},
         {},
         {{"Black",
           {"59AB101 ", "59AB101 ", "59A_101 ", "59AK147 ", "59AK12 ", "", "54misc9G", "59AB12 "}},
          {"Red-Oxide",
           {"59AB101P", "59AB101P", "59A_101P", "59AK147P", "59AK12P", "", "54misc9G", "59AB12P"}},
          {"Hot Dip Galv.",
           {"59AB101G", "59AB101G", "59A_101G", "59AK147G", "59AK12G", "", "54misc9G",
            "59AB12G"}}}},
        {"clp02_2-01",
         "Hot Dip Galv.",
         6,
         5,
         {"59AD123G", "59AB147", "59AB147PX"},
         {},
         {{"Black", {"59AD123 ", "59AB147 ", "59AB147 X"}},
          {"Red-Oxide", {"59AD123P", "59AB147P", "59AB147PX"}}}},
        // Hi-tensile members: the code follows the member's gauge, before any short-length mark.
        {"zee00-01",
         "Red-Oxide",
         13,
         12,
         {"528Z14P", "528Z14GP", "5284C12B"},
         {{3, lengths}},
         {{"Gray", {"528Z14GP", "528Z14GP", "5284C12GP"}},
          {"Black", {"528Z14B", "528Z14B", "5284C12B"}},
          {"Red-Oxide", {"528Z14P", "528Z14P", "5284C12P"}}}},
        {"teng-01",
         "Black",
         7,
         6,
         {"528Z14B", "", "528Z14"},
         {{4, lengths}},
         {{"Red-Oxide", {"528Z14P", "", "528Z14P"}}, {"Gray", {"528Z14GP", "", "528Z14GP"}}}},
        {"eav00-01", "Red-Oxide", 13, 12, {"528E14P"}, {}, {{"Unpainted", {"528E14B"}}}},
        // Formed angles: the code ends the part number.
        {"angl05-01",
         "Red-Oxide",
         6,
         5,
         {"53FA23P", "53BA3", "53FA24GP"},
         {},
         {{"Pre-Galvanized", {"53FA23G", "53BA3G", "53FA24G"}},
          {"Gray", {"53FA23GP", "53BA3GP", "53FA24GP"}},
          {"", {"53FA23", "53BA3", "53FA24"}}}},
        // Rods: the fifth character; cables: a "G" before the first "_".
        {"rods01-01",
         "Hot Dip Galv.",
         6,
         5,
         {"55BRG058", "55br_75", "55BRX1", "54BRG1"},
         {},
         {{"Red-Oxide", {"55BRP058", "55BRP75", "55BRX1", "54BRG1"}},
          {"Hot Dip Galv.", {"55BRG058", "55BRG75", "55BRX1", "54BRG1"}}}},
        {"cable02-01",
         "Hot Dip Galv.",
         9,
         8,
         {"43BCA038G_1015", "43BCA038_010"},
         {{7, {"GALV.", "ZINC"}}},
         {{"Zinc", {"43BCA038_1015", "43BCA038_010"}},
          {"Hot Dip Galv.", {"43BCA038G_1015", "43BCA038G_010"}}}},
        // Sheets: the block's base part number and the code, whatever was there.
        {"shtap-01",
         "Galvalume Plus",
         6,
         5,
         {"", "", "51APM", "51APBY"},
         {},
         {{"SMP Burgundy", {"", "", "51APBY", "51APBY"}},
          {"KYN Polar White", {"", "", "51APW", "51APW"}}}},
        // Pages whose part numbers carry no finish.
        {"bu_steel-01",
         "Red-Oxide",
         6,
         5,
         {"54COL", "54MISC"},
         {},
         {{"Black", {"54COL", "54MISC"}}}},
        {"ehdr-01", "Red-Oxide", 7, 6, {"53HDRP"}, {}, {{"Gray", {"53HDRP"}}}},
    };
    const SheetPartTable sheetParts(
        std::vector<std::pair<std::string, std::string>>{{"shtap", "51AP"}});
    for (const FinishCase& c : cases) {
        const PageView start = MakeCasePage(c);
        const FinishCatalogue& offered =
            SetPageFinishes(CadBase(c.cadNumber), start.titleBlock[TblkFinish]);
        for (const auto& [finish, expected] : c.expected) {
            const PageView alone = Picked(start, finish, sheetParts);
            EXPECT_EQ(Column(alone, c.partColumn), expected) << c.cadNumber << " " << finish;
            EXPECT_EQ(alone.titleBlock[TblkFinish], finish);
            for (const clsFinish& before : offered.Entries()) {
                const PageView after =
                    Picked(Picked(start, before.LongName, sheetParts), finish, sheetParts);
                EXPECT_EQ(Column(after, c.partColumn), expected)
                    << c.cadNumber << " " << before.LongName << ", then " << finish;
                EXPECT_EQ(
                    Column(Picked(Picked(alone, before.LongName, sheetParts), finish, sheetParts),
                           c.partColumn),
                    expected)
                    << c.cadNumber << " " << finish << ", " << before.LongName << ", " << finish;
            }
        }
    }
}

// Finishes that stand for no single finish change the Finish field alone.
TEST(AddEndFinish, NoSingleFinishLeavesPartNumbersAlone) {
    const std::pair<const char*, const char*> cases[] = {
        {"clp02_1-01", "Varies"},
        {"rods01-01", "As Noted"},
        {"cable01-01", "As Noted"},
        {"angl05-01", "As Noted"},
    };
    for (const auto& [cadNumber, finish] : cases) {
        PageView view = MakePage(cadNumber, "Red-Oxide", 2, 9);
        for (int column = 5; column <= 8; ++column) {
            view.grid->SetCell(1, column, column == 7 ? "ZINC" : "55BRP_100P");
        }
        const PageChanges changes = Changes(PickFinish(view, {}, finish));
        EXPECT_TRUE(changes.cells.empty()) << cadNumber;
        EXPECT_EQ(changes.titleBlock, (std::vector<TitleBlockChange>{{TblkFinish, finish}}));
    }
    // A finish the clip list lacks takes the old code off and puts none on.
    PageView clips = MakePage("clp02_1-01", "Red-Oxide", 2, 6);
    clips.grid->SetCell(1, 5, "59AB101P");
    EXPECT_EQ(Column(Applied(clips, AddEndFinish(*clips.grid, "clp02_1", "Gray")), 5)[0],
              "59AB101");
}

// The short-length mark comes from one rule on one set of pages, whether a length is typed or
// a finish is picked: the Zee and Cee member pages and the Zee and Cee purlin lists. Elsewhere
// a finish change keeps a mark the part number already has.
TEST(ShortLength, LengthCommitAndFinishPickMarkTheSamePages) {
    struct Case {
        const char* cadNumber;
        int columns;
        int lengthColumn;
        bool marked;
    };
    const Case cases[] = {
        {"zee00-01", 13, 3, true}, {"CEE00-01", 13, 3, true},  {"eav00-01", 13, 3, false},
        {"tenza-01", 7, 4, true},  {"tenzf99-01", 7, 4, true}, {"tenzg-01", 7, 4, false},
        {"tenca-01", 7, 4, true},  {"tencf99-01", 7, 4, true}, {"tencg-01", 7, 4, false},
        {"teng-01", 7, 4, false},  {"tene-01", 7, 4, false},   {"ten-01", 7, 4, false},
    };
    for (const Case& c : cases) {
        PageView view = MakePage(c.cadNumber, "Black", 3, c.columns);
        const int part = c.columns - 1;
        view.grid->SetCell(1, c.lengthColumn, "4'");
        view.grid->SetCell(1, part, "528Z14B");
        view.grid->SetCell(2, c.lengthColumn, "6'");
        view.grid->SetCell(2, part, "528Z14BSL");
        const PageView picked = Picked(view, "Red-Oxide");
        for (int row = 1; row <= 2; ++row) {
            const PageView committed =
                Applied(view, AfterCellCommit(view, row, c.lengthColumn).changes);
            const bool markedByCommit = EndsWithNoCase(committed.grid->Cell(row, part), "SL");
            const bool markedByPick = EndsWithNoCase(picked.grid->Cell(row, part), "SL");
            EXPECT_EQ(markedByCommit, c.marked == (row == 1)) << c.cadNumber << " row " << row;
            EXPECT_EQ(markedByPick, markedByCommit) << c.cadNumber << " row " << row;
        }
    }
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
    EXPECT_EQ(Column(Picked(ZeePage(), "Gray"), 12),
              (std::vector<std::string>{"528Z14GPSL", "528Z14GP", "528Z14GP", "", "528Z14GPSL"}));
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
}

TEST(CableFinishRule, RowsWithAPartNumberTakeTheFinishWord) {
    PageView cables = MakePage("cable02-01", "Hot Dip Galv.", 3, 9);
    cables.grid->SetCell(1, 8, "43BCA038G_1015");
    cables.grid->SetCell(1, 7, "GALV.");
    cables.grid->SetCell(2, 7, "GALV."); // no part number: not touched
    const PageView zinc = Picked(cables, "Zinc");
    EXPECT_EQ(Column(zinc, 7), (std::vector<std::string>{"ZINC", "GALV."}));
    EXPECT_EQ(Column(Picked(zinc, "Hot Dip Galv."), 7),
              (std::vector<std::string>{"GALV.", "GALV."}));

    // A part number without "_" has nowhere to take the marker.
    cables.grid->SetCell(1, 8, "43BCA038");
    EXPECT_TRUE(SetCableFinishCode(*cables.grid, 1).Empty());
}

TEST(PickFinish, ThePagesOwnFinishAgainIsNoChange) {
    PageView noGrid;
    noGrid.titleBlock[TblkFinish] = "Gray";
    EXPECT_TRUE(Changes(PickFinish(noGrid, {}, "Gray")).Empty());
}

} // namespace
} // namespace waybill
