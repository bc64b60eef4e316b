#pragma once

#include "page/Place.h"
#include "refdb/ReferenceDatabase.h"

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace waybill {

class Book;
struct Page;

enum class DifferenceKind {
    PageAdded,
    PageRemoved,
    PageMoved,
    RowAdded,
    RowRemoved,
    BlockAdded,
    BlockRemoved,
    TextChanged,   // a cell, a title-block field, the description, a revision-table cell
                   // or an attribute value
    KeptLineAdded, // a stored line of a grid the page names before its shown grid
    KeptLineRemoved,
};

// One difference between an older and a newer state of a document. `place` is where it is in
// the newer book; its page is 0 for a removed page and for the document's own title-block
// fields (Detail By, Issue, Checked By, Date, Customer, Job Number), which every page shows.
struct Difference {
    DifferenceKind kind = DifferenceKind::TextChanged;
    Place place;
    int oldPage = 0; // the page in the older book; 0 for an added page
    int oldRow = 0;  // the row in the older page; 0 for an added row
    // The row's part mark and that column's header, when its grid has one.
    std::string partMark;
    std::string partMarkHeader;
    // KeptLine*: the grid the line stands under.
    std::string grid;
    std::string oldText;
    std::string newText;
    // Two lengths written differently that measure the same.
    bool sameLength = false;

    bool operator==(const Difference&) const = default;
};

// The differences from `older` to `newer`, in the newer book's order (a removed page where it
// stood). Pages pair up by CAD # (letter case ignored) and description, in order; a page found
// elsewhere is moved. Rows pair up by part mark where the grid has that column, otherwise by
// their texts, with the rows left over between two pairs taken as changed rows in order; blank
// rows are not line items. Only the last grid a page names is shown and edited; the stored lines
// of the grids before it are compared as lines of text, in order. Texts compare exactly. The
// database gives column headers and attribute tags.
std::vector<Difference> CompareBooks(const Book& older, const Book& newer,
                                     const ReferenceDatabase& database);

// What one comparison keeps for the next: the differences found inside each pair of pages, by
// the two pages themselves. Books share their pages until one is changed, and holding a page
// here makes an edit copy it first, so a pair whose two pages are the same objects as last time
// is not compared again: following a user's edits costs the pages the edits touched.
struct PageComparisonCache {
    struct Entry {
        std::shared_ptr<const Page> older;
        std::shared_ptr<const Page> newer;
        std::vector<Difference> differences;
    };
    std::unordered_map<const Page*, Entry> byNewerPage;
};

// CompareBooks, taking the unchanged pairs from `cache` and leaving this comparison's pairs
// in it. Use one cache with one database only.
std::vector<Difference> CompareBooks(const Book& older, const Book& newer,
                                     const ReferenceDatabase& database, PageComparisonCache& cache);

} // namespace waybill
