#pragma once

#include <string>

namespace waybill {

// What kind of text a place names on a page.
enum class PlaceKind {
    Cell,            // a line-item grid cell
    TitleBlockField, // a title-block field other than the page description
    Attribute,       // one attribute value of a block
    PageDescription, // the page's "Shipping List For:" text
    RevisionCell,    // a cell of the revision table
};

// Where a text sits in a document, as a user would be told and taken there. Only the
// members of its kind mean something; the others keep their initial values.
struct Place {
    int page = 0; // 1-based
    std::string cadNumber;
    PlaceKind kind = PlaceKind::Cell;

    // Cell: grid row (data rows from 1) and column (from 0), and the column's header (empty
    // when the grid definition is unknown or has no such column). RevisionCell: the revision
    // row (1..4), the column (from 0) and its header ("Rev.", "Date", "By").
    int row = 0;
    int column = 0;
    std::string columnHeader;

    // TitleBlockField and PageDescription: the title-block field index (TitleBlockField) and
    // its label without the colon ("Finish", "CAD #", "Shipping List For"...).
    int field = -1;
    std::string fieldName;

    // Attribute: the block as the page names it, its occurrence on the page (0 for the first
    // block of that name), the value's index in the block's value line (from 0) and its tag
    // (empty when the block's attribute definitions are unknown or have no such value).
    std::string block;
    int blockOccurrence = 0;
    int attribute = 0;
    std::string tag;

    bool operator==(const Place&) const = default;
};

} // namespace waybill
