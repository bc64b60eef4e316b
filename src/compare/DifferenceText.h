#pragma once

#include "compare/BookComparison.h"

#include <string>

namespace waybill {

// The difference in words: "page 12 (zee00-01), row 3 (PART MARK Z3), LENGTH: 14' -> 14'-6".
// Removed pages and rows carry their numbers in the older book.
std::string DescribeDifference(const Difference& difference);

// What in the place changed, without page and row: a column header ("column 3" when it is not
// known), a title-block field, "revision 2, Date", "block TRIM22, WIDTH" (the tag; "value 2"
// when not known), "grid std, stored line"; empty for pages and rows.
std::string DifferencePlaceName(const Difference& difference);

} // namespace waybill
