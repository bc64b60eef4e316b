#pragma once

#include "page/GridRows.h"
#include "page/PageView.h"

#include <array>
#include <string>
#include <vector>

namespace waybill {

// A grid named on a page, with the rows its lines stand for.
struct GridSection {
    std::string name;
    GridRows rows;
};

// What a page's lines hold, read as the editor reads them, for code that looks at a page
// without showing it.
struct PageContent {
    std::array<std::array<std::string, kRevisionColumns>, kRevisionRows> revision;
    std::vector<GridSection> grids; // in page order
    std::vector<PageBlock> blocks;  // in page order
};

// A revision line must not swallow the keyword line after it, an attribute block takes the one
// line after it, and lines under no keyword are not page data.
PageContent ReadPageContent(const PageLines& lines);

} // namespace waybill
