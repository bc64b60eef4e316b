#pragma once

#include "refdb/ReferenceDatabase.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace waybill::testdata {

inline constexpr double kSheetWidth = 10.25;
// The page area above the title block, in sheet inches.
inline constexpr double kPageAreaHeight = 6.5;

inline std::filesystem::path DataDir() {
    return WAYBILL_DATA_DIR;
}
const ReferenceDatabase& Database();

// One "GRID:" line of a page and the rows that follow it.
struct GridUse {
    std::string name;
    int rowsFilled = 0;                             // blank runs and repeated rows counted
    std::vector<std::vector<std::string>> rowLines; // the values of each stored row line
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

// Every page of both shipped documents.
const std::vector<PageContent>& ShippedPages();

} // namespace waybill::testdata
