#pragma once

#include "model/Book.h"
#include "refdb/ReferenceDatabase.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace waybill::testdata {

inline constexpr double kSheetWidth = 10.25;
// The page area above the title block, in sheet inches.
inline constexpr double kPageAreaHeight = 6.5;

std::filesystem::path DataDir();
const ReferenceDatabase& Database();

// A shipped document ("Default.fwb" or "Red-line.fwb"), read once.
const Book& Document(const std::string& fileName);

// One "GRID:" line of a page and the rows that follow it.
struct GridUse {
    std::string name;
    int rowsFilled = 0;                               // blank runs and repeated rows counted
    std::vector<std::vector<std::string>> rowLines;   // the values of each stored row line
    std::optional<std::vector<std::string>> firstRow; // row 1, when a row line fills it
};

// One "BLOCK:" or "ATTRIBLK:" line.
struct BlockUse {
    std::string name;
    bool attributes = false;
    std::optional<std::string> valueLine;
    std::optional<std::string> gridAbove; // a grid named earlier on the page
};

struct PageContent {
    std::string cadNumber;
    std::string cadBase;
    std::vector<GridUse> grids;
    std::vector<BlockUse> blocks;
};

PageContent ContentOf(const Page& page);

// Every page of both shipped documents.
const std::vector<PageContent>& ShippedPages();

// The labels of a grid's columns, in column order (the first "Columns" rows of its table).
std::vector<std::string> ColumnLabels(const std::string& gridName);

// The blocks the trim detail generators write, with the number of values each writes.
struct GeneratorBlock {
    const char* name;
    std::size_t values;
};
const std::vector<GeneratorBlock>& GeneratorBlocks();

} // namespace waybill::testdata
