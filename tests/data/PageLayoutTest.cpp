#include "metafile/Metafile.h"
#include "ShippedData.h"
#include "units/Parsers.h"
#include "units/Text.h"

#include <gtest/gtest.h>
#include <map>
#include <set>

namespace waybill::testdata {
namespace {

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
    const auto grids = Database().ReadTable("Grids");
    ASSERT_TRUE(grids);
    for (std::size_t index = 0; index < grids->RowCount(); ++index) {
        const std::string name = grids->Text(index, "GridName");
        const auto grid = Database().FindGrid(name);
        const auto columns = Database().ReadTable(name);
        ASSERT_TRUE(grid && columns) << name;
        EXPECT_GT(grid->Rows, 0) << name;
        EXPECT_FLOAT_EQ(grid->RowHeight, 0.25f) << name;
        EXPECT_NEAR(grid->Top + (grid->Rows + 1) * grid->RowHeight, kPageAreaHeight, 1e-4) << name;
        double width = 0;
        std::set<std::string> labels;
        for (std::size_t row = 0; row < std::size_t(grid->Columns) && row < columns->RowCount();
             ++row) {
            width += columns->Number(row, "Width");
            labels.insert(ToUpper(Trim(columns->Text(row, "Label"))));
            EXPECT_EQ(columns->Integer(row, "ColumnIDX"), std::int64_t(row + 1))
                << name << " column " << row;
        }
        EXPECT_NEAR(width, kSheetWidth, 1e-4) << name;
        EXPECT_TRUE(labels.count("QTY") || labels.count("QTY.")) << name;
        EXPECT_TRUE(labels.count("COMP. ID")) << name;
        EXPECT_TRUE(labels.count("PART NUMBER") || labels.count("PART MARK") ||
                    labels.count("MARK"))
            << name;
    }
}

// The blocks the trim detail generators write, with the number of values each writes.
const std::map<std::string, std::size_t> kGeneratorBlocks = {
    {"trim20", 16}, {"trim21", 5},  {"trim22", 10},      {"trim23", 9},
    {"trim24", 5},  {"trim25", 10}, {"trim26", 8},       {"trim27", 18},
    {"trim28", 6},  {"trim29", 13}, {"gutter_strap", 7}, {"conhd", 23},
    {"conhdl", 24}, {"conhdr", 24}, {"enddam", 13},      {"enddam2", 11},
};

std::optional<Metafile> Drawing(const std::string& blockName) {
    return LoadMetafile(DataDir() / "blocks" / (blockName + ".wmf")).drawing;
}

// Every block a page, a generator or the printout draws has a drawing. A block is stretched
// over the page area above the grid that precedes it (the whole page area without one) on
// screen, and printed at its natural size from the sheet's corner; the two agree only when
// the drawing has the size of that area.
TEST(Blocks, EveryBlockHasADrawingOfTheSizeOfItsPlace) {
    auto expectSize = [](const std::string& name, double width, double height,
                         const std::string& where) {
        const auto drawing = Drawing(name);
        ASSERT_TRUE(drawing) << "no drawing for " << name << " " << where;
        EXPECT_NEAR(drawing->widthInches, width, 1e-3) << name << " " << where;
        EXPECT_NEAR(drawing->heightInches, height, 1e-3) << name << " " << where;
    };
    for (const auto& page : ShippedPages()) {
        for (const auto& block : page.blocks) {
            double height = kPageAreaHeight;
            if (block.gridAbove) {
                const auto grid = Database().FindGrid(*block.gridAbove);
                ASSERT_TRUE(grid) << *block.gridAbove;
                height = grid->Top;
            }
            expectSize(block.name, kSheetWidth, height, "on " + page.cadNumber);
        }
    }
    for (const auto& [name, values] : kGeneratorBlocks) {
        expectSize(name, kSheetWidth, kPageAreaHeight, "as a detail page");
    }
    expectSize("Corplogo", 3.55, 0.55, "in the title block");
}

// A page's attribute block takes one value per definition, a generated block the number its
// generator (or the member configuration, on zee00 and cee00 pages) writes. Every attribute
// text lies on the block's drawing.
TEST(Blocks, AttributeBlocksHaveAValueForEveryDefinitionAndTextsOnTheirDrawing) {
    std::map<std::string, std::size_t> expected = kGeneratorBlocks;
    expected.insert({{"zee00", 7}, {"cee00", 7}});
    for (const auto& [name, values] : expected) {
        const auto table = Database().ReadTable(name);
        ASSERT_TRUE(table) << name;
        EXPECT_EQ(table->RowCount(), values) << name;
    }
    std::set<std::string> names;
    for (const auto& [name, values] : kGeneratorBlocks)
        names.insert(name);
    for (const auto& page : ShippedPages()) {
        for (const auto& block : page.blocks) {
            if (!block.attributes) {
                continue;
            }
            names.insert(block.name);
            const auto table = Database().ReadTable(block.name);
            ASSERT_TRUE(table) << page.cadNumber << ": no attribute table for " << block.name;
            ASSERT_TRUE(block.valueLine) << page.cadNumber << ": " << block.name;
            EXPECT_EQ(SplitPipeList(*block.valueLine).size(), table->RowCount())
                << page.cadNumber << ": " << block.name;
        }
    }
    for (const auto& name : names) {
        const auto drawing = Drawing(name);
        const auto table = Database().ReadTable(name);
        ASSERT_TRUE(drawing && table) << name;
        for (std::size_t row = 0; row < table->RowCount(); ++row) {
            const std::string where = name + " attribute " + std::to_string(row);
            const double width = drawing->widthInches, height = drawing->heightInches;
            for (const auto& [field, limit] : std::initializer_list<std::pair<const char*, double>>{
                     {"PtX1", width}, {"PtX2", width}, {"PtY1", height}, {"PtY2", height}}) {
                EXPECT_GE(table->Number(row, field), 0) << where << " " << field;
                EXPECT_LE(table->Number(row, field), limit) << where << " " << field;
            }
        }
    }
}

} // namespace
} // namespace waybill::testdata
