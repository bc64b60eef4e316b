#include "page/CellRules.h"
#include "ShippedData.h"
#include "units/Text.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>

namespace waybill::testdata {
namespace {

std::vector<std::string> AllGridNames() {
    std::vector<std::string> names;
    const auto grids = Database().ReadTable("Grids");
    for (std::size_t row = 0; grids && row < grids->RowCount(); ++row) {
        names.push_back(grids->Text(row, "GridName"));
    }
    return names;
}

bool HasLabel(const std::vector<std::string>& labels, std::initializer_list<const char*> any) {
    return std::any_of(labels.begin(), labels.end(), [&](const std::string& label) {
        return std::any_of(any.begin(), any.end(),
                           [&](const char* wanted) { return EqualsNoCase(label, wanted); });
    });
}

TEST(Grids, EveryGridOnAPageIsDefinedWithItsColumnsAndHoldsItsRows) {
    for (const auto& page : ShippedPages()) {
        for (const auto& use : page.grids) {
            const std::string context = page.cadNumber + " on grid " + use.name;
            const auto grid = Database().FindGrid(use.name);
            ASSERT_TRUE(grid) << context;
            const auto columns = Database().ReadTable(use.name);
            ASSERT_TRUE(columns) << context << ": no column table";
            EXPECT_GE(columns->RowCount(), std::size_t(grid->Columns)) << context;
            EXPECT_LE(use.rowsFilled, grid->Rows) << context;
            for (const auto& values : use.rowLines) {
                EXPECT_EQ(values.size(), std::size_t(grid->Columns)) << context;
            }
        }
    }
}

// The screen divides the page area below the grid's top among its rows; the printout steps
// rows by 0.25 inch and ends the columns at the sheet's right edge. A grid that agrees with
// both looks the same on screen and on paper and stops at the title block. The export needs
// a quantity, a component and a part column in every grid.
TEST(Grids, EveryGridFillsThePageAreaAboveTheTitleBlockAndCanBeExported) {
    for (const auto& name : AllGridNames()) {
        const auto grid = Database().FindGrid(name);
        const auto columns = Database().ReadTable(name);
        ASSERT_TRUE(grid && columns) << name;
        EXPECT_GT(grid->Rows, 0) << name;
        EXPECT_FLOAT_EQ(grid->RowHeight, 0.25f) << name;
        EXPECT_NEAR(grid->Top + (grid->Rows + 1) * grid->RowHeight, kPageAreaHeight, 1e-4) << name;
        double width = 0;
        for (std::size_t row = 0; row < std::size_t(grid->Columns) && row < columns->RowCount();
             ++row) {
            width += columns->Number(row, "Width");
            EXPECT_EQ(columns->Integer(row, "ColumnIDX"), std::int64_t(row + 1))
                << name << " column " << row;
        }
        EXPECT_NEAR(width, kSheetWidth, 1e-4) << name;
        const auto labels = ColumnLabels(name);
        EXPECT_TRUE(HasLabel(labels, {"QTY", "QTY."})) << name;
        EXPECT_TRUE(HasLabel(labels, {"COMP. ID"})) << name;
        EXPECT_TRUE(HasLabel(labels, {"PART NUMBER", "PART MARK", "MARK"})) << name;
    }
}

// The cell, part-number, punch and export rules read fixed columns of each kind of page.
TEST(Grids, ColumnsSitWhereThePageRulesReadThem) {
    for (const auto& page : ShippedPages()) {
        for (const auto& use : page.grids) {
            const auto labels = ColumnLabels(use.name);
            ASSERT_FALSE(labels.empty()) << use.name;
            const std::string context = page.cadNumber + " on grid " + use.name;
            auto label = [&](std::size_t column) {
                return column < labels.size() ? labels[column] : std::string("(none)");
            };
            // Under a header the cell rules do not reach, every cell is simply typed into.
            auto ruled = [&](int column) {
                const std::string header = label(column);
                return DecideCellEdit(page.cadBase, {1, column, header, ""}).action !=
                       CellAction::Edit;
            };
            switch (PageKindOf(page.cadBase)) {
            case PageKind::Cable:
                EXPECT_EQ(label(3), "SHIP. LEN.") << context;
                EXPECT_EQ(label(4), "CAB.xCUTLEN.") << context;
                EXPECT_EQ(labels.size(), 9u) << context;
                break;
            case PageKind::Member: {
                const std::vector<std::string> expected = {
                    "COMP. ID", "PART MARK", "QTY", "LENGTH", "LP", "A",          "A",
                    "A",        "A",         "A",   "A",      "TP", "PART NUMBER"};
                EXPECT_EQ(labels, expected) << context;
                break;
            }
            case PageKind::Sheet:
                EXPECT_EQ(labels.back(), "PART NUMBER") << context;
                ASSERT_TRUE(use.firstRow) << context;
                ASSERT_GE(use.firstRow->size(), 2u) << context;
                EXPECT_NE((*use.firstRow)[use.firstRow->size() - 2].find('('), std::string::npos)
                    << context << ": row 1 of the panel description";
                break;
            case PageKind::Steel:
                EXPECT_EQ(label(4), "DESCRIPTION") << context;
                EXPECT_EQ(label(5), "PART NUMBER") << context;
                break;
            case PageKind::Clip1:
            case PageKind::Clip2:
                EXPECT_EQ(labels.size(), 6u) << context;
                EXPECT_EQ(labels.back(), "PART NUMBER") << context;
                for (int column : {1, 2, 4}) {
                    EXPECT_TRUE(ruled(column)) << context << " " << column;
                }
                break;
            case PageKind::Tensile:
                EXPECT_EQ(labels.size(), 7u) << context;
                EXPECT_TRUE(ruled(5)) << context;
                EXPECT_EQ(labels.back(), "PART NUMBER") << context;
                if ((page.cadBase >= "tenza" && page.cadBase <= "tenzf99") ||
                    (page.cadBase >= "tenca" && page.cadBase <= "tencf99")) {
                    EXPECT_EQ(label(4), "LENGTH") << context;
                }
                break;
            case PageKind::Other:
                if (page.cadBase == "rods01") {
                    EXPECT_EQ(label(5), "PART NUMBER") << context;
                }
                if (page.cadBase == "angl05") {
                    EXPECT_EQ(labels.back(), "PART NUMBER") << context;
                }
                break;
            }
        }
    }
}

// Every sheet page has its part-number base, the second page of a four-sheet panel its
// sibling's.
TEST(SheetParts, HoldsTheSheetBlockTable) {
    const auto table = Database().ReadTable("SheetParts");
    ASSERT_TRUE(table);
    std::map<std::string, std::string> bases;
    for (std::size_t row = 0; row < table->RowCount(); ++row) {
        const std::string block = ToLower(table->Text(row, "BlockName"));
        EXPECT_FALSE(Trim(table->Text(row, "BasePart")).empty()) << block;
        EXPECT_TRUE(bases.emplace(block, table->Text(row, "BasePart")).second) << block << " twice";
    }
    for (const auto& [block, base] : bases) {
        if (block.size() > 2 && block.compare(block.size() - 2, 2, "_2") == 0) {
            const auto sibling = bases.find(block.substr(0, block.size() - 2) + "x4");
            ASSERT_NE(sibling, bases.end()) << block;
            EXPECT_EQ(base, sibling->second) << block;
        }
    }
    for (const auto& page : ShippedPages()) {
        if (PageKindOf(page.cadBase) == PageKind::Sheet) {
            EXPECT_TRUE(bases.count(page.cadBase)) << page.cadNumber;
        }
    }
}

} // namespace
} // namespace waybill::testdata
