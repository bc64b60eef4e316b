#include "catalog/AfterCommit.h"
#include "catalog/CableParts.h"
#include "catalog/CellLists.h"
#include "catalog/FinishRules.h"
#include "catalog/MemberTypes.h"
#include "catalog/SheetParts.h"
#include "catalog/TestPages.h"
#include "page/FakeDatabase.h"

#include <gtest/gtest.h>

namespace waybill {
namespace {

using test::Applied;
using test::Column;
using test::MakePage;

PageView SheetPage(const std::string& cadNumber) {
    PageView view = MakePage(cadNumber, "Galvalume Plus", 5, 6);
    view.grid->SetCell(1, 4, "Galvalume Plus (26GA APEX SPAN WALL PANELS)");
    view.grid->SetCell(2, 4, "PANEL LENGTHS ARE OUT TO OUT");
    view.grid->SetCell(2, 5, "keep");
    view.grid->SetCell(3, 5, "51APM");
    return view;
}

TEST(SheetPartNumbers, BaseFromTheDatabaseTableAndFinishInTheDescription) {
    test::FakeDatabase database;
    database.AddTable("SheetParts", {"BlockName", "BasePart"},
                      {{std::string("shtap"), std::string("51AP")},
                       {std::string("SHTAP_2"), std::string("51APX4")}});
    const SheetPartTable table = SheetPartTable::Read(database);
    EXPECT_EQ(table.BasePart("shtAP_2"), "51APX4");

    const PageView view = SheetPage("shtap-01");
    const PageView ash = Applied(view, PickFinish(view, table, "SMP Ash Gray"));
    EXPECT_EQ(ash.titleBlock[TblkFinish], "SMP Ash Gray");
    EXPECT_EQ(Column(ash, 5), (std::vector<std::string>{"", "keep", "51APAY", "51APAY"}));
    EXPECT_EQ(ash.grid->Cell(1, 4), "SMP Ash Gray (26GA APEX SPAN WALL PANELS)");

    // An unknown block leaves the finish code alone; a description without "(" is kept.
    PageView odd = SheetPage("shtzz-01");
    odd.grid->SetCell(1, 4, "WALL PANELS");
    const PageView oddAsh = Applied(odd, PickFinish(odd, table, "KYN Deep Blue"));
    EXPECT_EQ(Column(oddAsh, 5)[2], "DB");
    EXPECT_EQ(oddAsh.grid->Cell(1, 4), "WALL PANELS");

    test::FakeDatabase without;
    EXPECT_TRUE(SheetPartTable::Read(without).Empty());
}

TEST(CellLists, ListsByHandOverAndTheirPicks) {
    EXPECT_EQ(CellListFor(CellHandOver::MemberTypes, "bu_steel")->items,
              (std::vector<std::string>{"54COL", "54MISC", "54RAF"}));
    EXPECT_EQ(CellListFor(CellHandOver::MemberTypes, "hr_steel")->items.size(), 9u);
    EXPECT_EQ(CellListFor(CellHandOver::PunchCodes, "zee00")->kind, CellListKind::PunchCodes);
    EXPECT_EQ(CellListFor(CellHandOver::ClipCell, "clp02_1"), std::nullopt);
    EXPECT_EQ(CellListPreselection(PunchCodeList(), "np"), 6u);
    EXPECT_EQ(CellListPreselection(PunchCodeList(), ""), std::nullopt);

    PageView steel = MakePage("hr_steel-01", "Red-Oxide", 3, 7);
    EXPECT_EQ(PickCellListItem(*steel.grid, CellListKind::MemberTypes, 1, 5, "54TC").cells,
              (std::vector<CellChange>{{1, 5, "54TC"}, {1, 4, "Fabricated Tube Column"}}));
    EXPECT_EQ(PickMemberType(*steel.grid, 2, "54XX").cells,
              (std::vector<CellChange>{{2, 5, "54XX"}}));
    EXPECT_TRUE(PickCellListItem(*steel.grid, CellListKind::Inert, 1, 5, "54TC").Empty());

    PageView member = MakePage("zee00-01", "Red-Oxide", 3, 13);
    EXPECT_EQ(PickPunchCode(*member.grid, 1, 4, "A").cells,
              (std::vector<CellChange>{{1, 4, "A"}, {1, 11, "A"}}));
    EXPECT_EQ(PickPunchCode(*member.grid, 1, 11, "B").cells,
              (std::vector<CellChange>{{1, 11, "B"}, {1, 4, "B"}}));
    member.grid->SetCell(2, 4, "C");
    EXPECT_EQ(PickPunchCode(*member.grid, 2, 11, "B").cells,
              (std::vector<CellChange>{{2, 11, "B"}}));

    PageView cable = MakePage("cable01-01", "Hot Dip Galv.", 2, 9);
    cable.grid->SetCell(1, 8, "43BCA014_010");
    EXPECT_EQ(PickCellListItem(*cable.grid, CellListKind::CableFinishWords, 1, 7, "GALV").cells,
              (std::vector<CellChange>{{1, 7, "GALV"}, {1, 8, "43BCA014G_010"}}));
}

PageView CablePage(const std::string& cadNumber, const std::string& finish,
                   const std::string& length) {
    PageView view = MakePage(cadNumber, finish, 3, 9);
    view.grid->SetCell(1, 3, length);
    return view;
}

TEST(CablePartNumber, ShippingLengthFillsTheRow) {
    const PageView view = CablePage("cable01-01", "Hot Dip Galv.", "20'-0");
    const PageView filled = Applied(view, AfterCellCommit(view, 1, 3));
    EXPECT_EQ(filled.grid->Cell(1, 3), "20'-0");
    EXPECT_EQ(filled.grid->Cell(1, 4), "\xD0\"\xE8 x 18'-1");
    EXPECT_EQ(filled.grid->Cell(1, 5), "\xD0");
    EXPECT_EQ(filled.grid->Cell(1, 6), "\xD8\"\xE8");
    EXPECT_EQ(filled.grid->Cell(1, 7), "GALV.");
    EXPECT_EQ(filled.grid->Cell(1, 8), "43BCA014G_2025");

    // A kept finish word wins over the page finish; the cut length keeps its fraction.
    PageView zinc = CablePage("cable02-01", "Hot Dip Galv.", "119.6");
    zinc.grid->SetCell(1, 7, "ZINC");
    const PageView zincRow = Applied(zinc, SetCablePartNumber(zinc, 1));
    EXPECT_EQ(zincRow.grid->Cell(1, 3), "10'-0");
    EXPECT_EQ(zincRow.grid->Cell(1, 4), "\xD4\"\xE8 x 7'-5\xD8");
    EXPECT_EQ(zincRow.grid->Cell(1, 8), "43BCA038_1015");
    EXPECT_EQ(Applied(CablePage("cable04-01", "Zinc", "9'-11 3/8"),
                      SetCablePartNumber(CablePage("cable04-01", "Zinc", "9'-11 3/8"), 1))
                  .grid->Cell(1, 7),
              "ZINC");

    EXPECT_EQ(CableLengthCode(119), "010");
    EXPECT_EQ(CableLengthCode(120), "1015");
    EXPECT_EQ(CableLengthCode(479), "3540");
    EXPECT_EQ(CableLengthCode(480), "4045");
}

TEST(CablePartNumber, NoLengthEmptiesTheRowAndOtherCellsSetNothingOff) {
    PageView view = CablePage("cable03-01", "Hot Dip Galv.", "abc");
    for (int column = 4; column <= 8; ++column) {
        view.grid->SetCell(1, column, "old");
    }
    const PageView emptied = Applied(view, AfterCellCommit(view, 1, 3));
    for (int column = 3; column <= 8; ++column) {
        EXPECT_EQ(emptied.grid->Cell(1, column), "") << column;
    }
    EXPECT_TRUE(AfterCellCommit(view, 1, 2).Empty());
    // A block between the cable names that is no known cable is left alone.
    EXPECT_TRUE(SetCablePartNumber(CablePage("cable02x-01", "", "20'"), 1).Empty());

    // Only the row of the edited length changes on member pages.
    PageView member = MakePage("cee00-01", "Red-Oxide", 3, 13);
    for (int row = 1; row <= 2; ++row) {
        member.grid->SetCell(row, 3, "3'");
        member.grid->SetCell(row, 12, "528C14P");
    }
    EXPECT_EQ(AfterCellCommit(member, 2, 3).cells, (std::vector<CellChange>{{2, 12, "528C14PSL"}}));
    EXPECT_TRUE(AfterCellCommit(member, 2, 4).Empty());
    EXPECT_TRUE(AfterCellCommit(MakePage("teng-01", "", 3, 7), 1, 4).Empty());
}

} // namespace
} // namespace waybill
