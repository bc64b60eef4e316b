#include "platform/Metafile.h"
#include "ShippedData.h"
#include "units/Parsers.h"
#include "units/Text.h"

#include <gtest/gtest.h>
#include <map>
#include <set>

namespace waybill::testdata {
namespace {

const Metafile* Drawing(const std::string& blockName) {
    static std::map<std::string, MetafileResult> drawings;
    auto found = drawings.find(blockName);
    if (found == drawings.end()) {
        found =
            drawings.emplace(blockName, LoadMetafile(DataDir() / "blocks" / (blockName + ".wmf")))
                .first;
    }
    return found->second.drawing ? &*found->second.drawing : nullptr;
}

// The blocks that carry attribute texts.
std::set<std::string> AttributeBlocks() {
    std::set<std::string> names;
    for (const auto& page : ShippedPages()) {
        for (const auto& block : page.blocks) {
            if (block.attributes) {
                names.insert(block.name);
            }
        }
    }
    for (const auto& block : GeneratorBlocks()) {
        names.insert(block.name);
    }
    return names;
}

// Every block a page, a generator or the printout draws has a drawing. A block is stretched
// over the page area above the grid that precedes it (the whole page area without one) on
// screen, and printed at its natural size from the sheet's corner; the two agree only when
// the drawing has the size of that area.
TEST(Blocks, EveryBlockHasADrawingOfTheSizeOfItsPlace) {
    auto expectSize = [](const std::string& name, double width, double height,
                         const std::string& where) {
        const Metafile* drawing = Drawing(name);
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
    for (const auto& block : GeneratorBlocks()) {
        expectSize(block.name, kSheetWidth, kPageAreaHeight, "as a detail page");
    }
    expectSize("Corplogo", 3.55, 0.55, "in the title block");
}

TEST(Blocks, AttributeBlocksHaveAValueForEveryDefinition) {
    for (const auto& page : ShippedPages()) {
        for (const auto& block : page.blocks) {
            if (!block.attributes) {
                continue;
            }
            const auto table = Database().ReadTable(block.name);
            ASSERT_TRUE(table) << page.cadNumber << ": no attribute table for " << block.name;
            ASSERT_TRUE(block.valueLine) << page.cadNumber << ": " << block.name;
            EXPECT_EQ(SplitPipeList(*block.valueLine).size(), table->RowCount())
                << page.cadNumber << ": " << block.name;
        }
    }
}

// The detail generators and the member configuration (on zee00 and cee00 pages) write a
// fixed number of values.
TEST(Blocks, GeneratedBlocksTakeTheValuesTheirGeneratorsWrite) {
    std::vector<GeneratorBlock> blocks = GeneratorBlocks();
    blocks.insert(blocks.end(), {{"zee00", 7}, {"cee00", 7}});
    for (const auto& [name, values] : blocks) {
        const auto table = Database().ReadTable(name);
        ASSERT_TRUE(table) << name;
        EXPECT_EQ(table->RowCount(), values) << name;
    }
}

TEST(Blocks, AttributeTextsLieOnTheirDrawing) {
    for (const auto& name : AttributeBlocks()) {
        const Metafile* drawing = Drawing(name);
        const auto table = Database().ReadTable(name);
        ASSERT_TRUE(drawing && table) << name;
        for (std::size_t row = 0; row < table->RowCount(); ++row) {
            const std::string where = name + " attribute " + std::to_string(row);
            for (const char* x : {"PtX1", "PtX2"}) {
                EXPECT_GE(table->Number(row, x), 0) << where;
                EXPECT_LE(table->Number(row, x), drawing->widthInches) << where;
            }
            for (const char* y : {"PtY1", "PtY2"}) {
                EXPECT_GE(table->Number(row, y), 0) << where;
                EXPECT_LE(table->Number(row, y), drawing->heightInches) << where;
            }
            EXPECT_GT(table->Number(row, "TXT_HGT"), 0) << where;
            EXPECT_LT(table->Number(row, "TXT_HGT"), 0.5) << where;
            EXPECT_FALSE(Trim(table->Text(row, "Prompt")).empty()) << where;
        }
    }
}

} // namespace
} // namespace waybill::testdata
