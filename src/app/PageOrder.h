#pragma once

#include "model/Book.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace waybill {

// Page-kind key -> 1-based position of that kind in the default document.
// Keys ignore letter case.
class LocationIndex {
  public:
    // False, and the index unchanged, when the key is already there.
    bool Add(std::string_view key, std::int16_t position);
    std::optional<std::int16_t> Find(std::string_view key) const;
    bool Empty() const { return positions_.empty(); }

  private:
    std::map<std::string, std::int16_t> positions_; // lower-case key
};

// The index of a read default document: every page kind gets the position of its first
// page, and every page of the default document takes the position of its kind, so a second
// template page of a kind sorts like the first (and like pages of that kind in documents).
LocationIndex MakeLocationIndex(Book& defWaybill);

// Pages of a kind in the index take its position; others keep theirs.
void SetLocIdx(Book& book, const LocationIndex& index);

// True when the pages' positions never decrease from first to last page (Sort is enabled
// exactly when this is false).
bool IsSorted(const Book& book);

// A new document with the same header and every page at its default location; pages of
// equal position keep their order; the first page is current. The pages are shared with
// `book`, not copied. The clipboard is not carried over.
Book SortWaybills(const Book& book);

// Adds copies of the default document's pages numbered `templatePages` (1-based, in list
// order) to `book` at `location`. After the first page any location but the default one
// becomes "after the current page", so the pages follow each other in list order.
void AddTemplatePages(Book& book, const Book& defWaybill, const std::vector<int>& templatePages,
                      PageLocation location);

// Adds every page of the red-line document after the current page, in file order.
void AddRedLinePages(Book& book, const Book& redLine);

} // namespace waybill
