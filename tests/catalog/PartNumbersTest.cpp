#include "catalog/AfterCommit.h"
#include "catalog/CableParts.h"
#include "catalog/CellLists.h"
#include "catalog/FinishRules.h"
#include "catalog/MemberTypes.h"
#include "catalog/SheetParts.h"
#include "catalog/TestPages.h"
#include "page/CellRules.h"
#include "support/TestDatabase.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <optional>
#include <variant>

namespace waybill {
namespace {

using test::Applied;
using test::Changes;
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
    test::TestDatabase database;
    database.AddTable("SheetParts", {"BlockName", "BasePart"},
                      {{std::string("shtap"), std::string("51AP")},
                       {std::string("SHTAP_2"), std::string("51APX4")}});
    const auto table = SheetPartTable::Read(database);
    ASSERT_TRUE(table);
    EXPECT_EQ(table->BasePart("shtAP_2"), "51APX4");

    const PageView view = SheetPage("shtap-01");
    const PageView ash = Applied(view, Changes(PickFinish(view, table, "SMP Ash Gray")));
    EXPECT_EQ(ash.titleBlock[TblkFinish], "SMP Ash Gray");
    EXPECT_EQ(Column(ash, 5), (std::vector<std::string>{"", "keep", "51APAY", "51APAY"}));
    EXPECT_EQ(ash.grid->Cell(1, 4), "SMP Ash Gray (26GA APEX SPAN WALL PANELS)");

    // An unknown block leaves the finish code alone; a description without "(" is kept.
    PageView odd = SheetPage("shtzz-01");
    odd.grid->SetCell(1, 4, "WALL PANELS");
    const PageView oddAsh = Applied(odd, Changes(PickFinish(odd, table, "KYN Deep Blue")));
    EXPECT_EQ(Column(oddAsh, 5)[2], "DB");
    EXPECT_EQ(oddAsh.grid->Cell(1, 4), "WALL PANELS");
}

// Without the sheet block table a sheet page's finish cannot be changed: the pick is refused
// with the report of the missing table. Pages of other kinds do not need the table.
TEST(SheetPartNumbers, AMissingTableRefusesTheSheetPagesPick) {
    test::TestDatabase without;
    const auto table = SheetPartTable::Read(without);
    EXPECT_FALSE(table);
    const auto refused = PickFinish(SheetPage("shtap-01"), table, "SMP Ash Gray");
    ASSERT_TRUE(std::holds_alternative<UserMessage>(refused));
    EXPECT_EQ(std::get<UserMessage>(refused), SheetPartsMissingMessage());
    EXPECT_NE(SheetPartsMissingMessage().text.find("SheetParts"), std::string::npos);
    EXPECT_TRUE(std::holds_alternative<PageChanges>(
        PickFinish(MakePage("angl05-01", "Red-Oxide", 2, 6), table, "Gray")));
}

TEST(CellLists, ListsByHandOverAndTheirPicks) {
    EXPECT_EQ(CellListFor(CellHandOver::MemberTypes, "bu_steel")->items,
              (std::vector<std::string>{"54COL", "54MISC", "54RAF"}));
    EXPECT_EQ(CellListFor(CellHandOver::MemberTypes, "hr_steel")->items.size(), 9u);
    EXPECT_EQ(CellListFor(CellHandOver::PunchCodes, "zee00")->kind, CellListKind::PunchCodes);
    EXPECT_EQ(CellListFor(CellHandOver::ClipCell, "clp02_1"), std::nullopt);
    const CellList punchCodes = *CellListFor(CellHandOver::PunchCodes, "zee00");
    EXPECT_EQ(CellListPreselection(punchCodes, "np"), 6u);
    EXPECT_EQ(CellListPreselection(punchCodes, ""), std::nullopt);

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

std::vector<std::string> Row(const PageView& view, int row) {
    std::vector<std::string> texts;
    for (int column = 0; column < view.grid->Columns(); ++column) {
        texts.push_back(view.grid->Cell(row, column));
    }
    return texts;
}

PageView CablePage(const std::string& cadNumber, const std::string& finish,
                   const std::string& length) {
    PageView view = MakePage(cadNumber, finish, 3, 9);
    view.grid->SetCell(1, 3, length);
    return view;
}

TEST(CablePartNumber, ShippingLengthFillsTheRow) {
    const PageView view = CablePage("cable01-01", "Hot Dip Galv.", "20'-0");
    const PageView filled = Applied(view, AfterCellCommit(view, 1, 3).changes);
    EXPECT_EQ(filled.grid->Cell(1, 3), "20'-0");
    EXPECT_EQ(filled.grid->Cell(1, 4), "\xD0\"\xE8 x 18'-1");
    EXPECT_EQ(filled.grid->Cell(1, 5), "\xD0");
    EXPECT_EQ(filled.grid->Cell(1, 6), "\xD8\"\xE8");
    EXPECT_EQ(filled.grid->Cell(1, 7), "GALV.");
    EXPECT_EQ(filled.grid->Cell(1, 8), "43BCA014G_2025");

    // A kept finish word wins over the page finish; the cut length keeps its fraction.
    PageView zinc = CablePage("cable02-01", "Hot Dip Galv.", "119.6");
    zinc.grid->SetCell(1, 7, "ZINC");
    const PageView zincRow = Applied(zinc, SetCablePartNumber(zinc, 1).changes);
    EXPECT_EQ(zincRow.grid->Cell(1, 3), "10'-0");
    EXPECT_EQ(zincRow.grid->Cell(1, 4), "\xD4\"\xE8 x 7'-5\xD8");
    EXPECT_EQ(zincRow.grid->Cell(1, 8), "43BCA038_1015");
    EXPECT_EQ(Applied(CablePage("cable04-01", "Zinc", "9'-11 3/8"),
                      SetCablePartNumber(CablePage("cable04-01", "Zinc", "9'-11 3/8"), 1).changes)
                  .grid->Cell(1, 7),
              "ZINC");

    // A typed fraction rounds to whole inches before the cut length and the length band.
    const PageView fraction = CablePage("cable01-01", "Zinc", "9'-11 3/4");
    const PageView rounded = Applied(fraction, SetCablePartNumber(fraction, 1).changes);
    EXPECT_EQ(rounded.grid->Cell(1, 3), "10'-0");
    EXPECT_EQ(rounded.grid->Cell(1, 4), "\xD0\"\xE8 x 8'-1");
    EXPECT_EQ(rounded.grid->Cell(1, 8), "43BCA014_1015");

    EXPECT_EQ(CableLengthCode(119), "010");
    EXPECT_EQ(CableLengthCode(120), "1015");
    EXPECT_EQ(CableLengthCode(479), "3540");
    EXPECT_EQ(CableLengthCode(480), "4045");
}

// A shipping length that leaves no cut length once the fittings are taken off is no length of
// the row: its cut length and part number are taken away, and nothing else changes.
TEST(CablePartNumber, ALengthWithinTheFittingsIsInvalid) {
    struct Case {
        const char* cadNumber;
        const char* length;
        const char* shortest; // empty: the length is valid
    };
    const Case cases[] = {
        {"cable01-01", "1'-0", "2'-0"},  {"cable01-01", "0'-0 1/2", "2'-0"},
        {"cable01-01", "1'-11", "2'-0"}, {"cable01-01", "1'-11 1/2", ""}, // rounds to 2'-0
        {"cable02-01", "2'-6", "2'-7"},  {"cable02-01", "2'-7", ""},
        {"cable03-01", "3'-0", "3'-1"},  {"cable03-01", "3'-1", ""},
        {"cable04-01", "2'-4", "2'-5"},  {"cable04-01", "2'-5", ""},
    };
    for (const Case& c : cases) {
        PageView view = CablePage(c.cadNumber, "Hot Dip Galv.", c.length);
        for (int column = 4; column <= 8; ++column) {
            view.grid->SetCell(1, column, "old");
        }
        const CommitFollowUp followUp = AfterCellCommit(view, 1, 3);
        const PageView after = Applied(view, followUp.changes);
        if (*c.shortest == '\0') {
            EXPECT_EQ(followUp.invalid, std::nullopt) << c.cadNumber << " " << c.length;
            EXPECT_EQ(after.grid->Cell(1, 8).rfind("43BCA", 0), 0u)
                << c.cadNumber << " " << c.length;
            continue;
        }
        EXPECT_EQ(followUp.invalid, InvalidLengthMessage(c.shortest))
            << c.cadNumber << " " << c.length;
        EXPECT_EQ(Row(after, 1),
                  (std::vector<std::string>{"", "", "", c.length, "", "old", "old", "old", ""}))
            << c.cadNumber << " " << c.length;
    }
    // A length too long to count in whole inches is as invalid, with no shortest to name.
    EXPECT_EQ(AfterCellCommit(CablePage("cable01-01", "Zinc", "178956970'-11"), 1, 3).invalid,
              InvalidLengthMessage(""));
}

// The cable finish words are spelled one way in the list and the rules, and the list opens on
// the word a row holds, also as older documents spelled it.
TEST(CableFinishWords, TheListOffersTheWordsTheRulesWrite) {
    const std::vector<std::string>& list = CableFinishWordList();
    for (const char* finish : {"Hot Dip Galv.", "Zinc"}) {
        const PageView filled =
            Applied(CablePage("cable01-01", finish, "20'"),
                    AfterCellCommit(CablePage("cable01-01", finish, "20'"), 1, 3).changes);
        const std::string& word = filled.grid->Cell(1, 7);
        EXPECT_NE(std::find(list.begin(), list.end(), word), list.end()) << word;
        const PageView picked = Applied(filled, Changes(PickFinish(filled, {}, finish)));
        EXPECT_NE(std::find(list.begin(), list.end(), picked.grid->Cell(1, 7)), list.end());
    }
    const std::pair<const char*, std::optional<std::size_t>> stored[] = {
        {"ZINC", 0u},
        {"zinc", 0u},
        {"GALV.", 1u},
        {"GALV", 1u},
        {"galv.", 1u},
        {"", std::nullopt},
        {"GALV..", std::nullopt},
    };
    const CellList words = *CellListFor(CellHandOver::CableFinishWords, "cable01");
    for (const auto& [word, index] : stored) {
        EXPECT_EQ(CellListPreselection(words, word), index) << word;
    }
}

TEST(CablePartNumber, NoLengthEmptiesTheRowAndOtherCellsSetNothingOff) {
    PageView view = CablePage("cable03-01", "Hot Dip Galv.", "abc");
    for (int column = 4; column <= 8; ++column) {
        view.grid->SetCell(1, column, "old");
    }
    const PageView emptied = Applied(view, AfterCellCommit(view, 1, 3).changes);
    for (int column = 3; column <= 8; ++column) {
        EXPECT_EQ(emptied.grid->Cell(1, column), "") << column;
    }
    EXPECT_TRUE(AfterCellCommit(view, 1, 2).changes.Empty());
    // A block between the cable names that is no known cable is left alone.
    EXPECT_TRUE(SetCablePartNumber(CablePage("cable02x-01", "", "20'"), 1).changes.Empty());

    // Only the row of the edited length changes on member pages.
    PageView member = MakePage("cee00-01", "Red-Oxide", 3, 13);
    for (int row = 1; row <= 2; ++row) {
        member.grid->SetCell(row, 3, "3'");
        member.grid->SetCell(row, 12, "528C14P");
    }
    EXPECT_EQ(AfterCellCommit(member, 2, 3).changes.cells,
              (std::vector<CellChange>{{2, 12, "528C14PSL"}}));
    EXPECT_TRUE(AfterCellCommit(member, 2, 4).changes.Empty());
    EXPECT_TRUE(AfterCellCommit(MakePage("teng-01", "", 3, 7), 1, 4).changes.Empty());
}

} // namespace
} // namespace waybill
