#pragma once

#include "page/AttribDefs.h"
#include "page/GridSetup.h"
#include "page/PageReader.h"
#include "page/PageView.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace waybill {

class Book;

// What rendering needs besides the page: the reference database for grid layouts, the
// page area the grid is laid out in, and (when given) the attribute definitions, so a block
// whose definitions are missing is reported.
struct RenderContext {
    const ReferenceDatabase& database;
    PageAreaMetrics area;
    BlockAttribDefs* attribDefs = nullptr;
};

// Fills the page fields of the view (title-block fields 0, 5, 8, 9, 10, revision table,
// grid, blocks and attribute values) from page `pageNumber` of the book (a number out of
// range means the current page). The document-level title-block fields are left alone.
void RenderPageData(PageView& view, const Book& book, int pageNumber, const RenderContext& context);

// A page's block: an attribute block with its value line when it has one.
PageBlock PageBlockOf(const PageItem& item);

// Fills the revision table from a "REVGRID:" value line: Rev., Date and By of row 1, then of
// row 2..., cells past the table's 12 left out and cells the line lacks left alone.
void ReadRevisionLine(std::string_view line, RevisionTable& revision);

// The blocks a page names, in page order, each attribute block with its value line when it has
// one: what the page's picture shows.
std::vector<PageBlock> ReadPageBlocks(const PageLines& lines);

// Writes the view back into the current page of the book (title-block fields 0, 5, 8 and
// the page data) and title-block fields 1-4, 6, 7 into the document header. The book must
// have a current page.
void ComposePageData(const PageView& view, Book& book);

} // namespace waybill
