#pragma once

#include "page/GridEdits.h"
#include "page/PageChanges.h"

#include <optional>
#include <string>
#include <string_view>

namespace waybill {

// Members shorter than five feet are ordered as short lengths: their part numbers end in
// "SL". A part number with a length of 60 inches or more carries no such mark; one without
// a length (0) is left as it is.
constexpr double kShortLengthLimit = 60.0;

// The part number for a member of `lengthInches`: with exactly one trailing "SL" below the
// limit, with none from the limit on; unchanged for an empty part number or no length.
std::string WithShortLengthSuffix(std::string_view partNumber, double lengthInches);

// The length column that decides the mark, on the pages whose members are ordered as short
// lengths: 3 on the Zee and Cee member pages ("zee00", "cee00"), 4 on the Zee and Cee purlin
// lists ("tenza".."tenzf99", "tenca".."tencf99"). Typing a length and picking a finish mark
// the same pages; girt and eave strut lists and eave strut pages carry no mark.
std::optional<int> ShortLengthColumn(std::string_view cadBase);

// One row's part number (the last column) from the length in `lengthColumn`.
PageChanges SetShortLengthSuffix(const GridView& grid, int row, int lengthColumn);
// Every data row.
PageChanges SetShortLengthSuffixes(const GridView& grid, int lengthColumn);
void SetShortLengthSuffix(GridEdits& grid, int row, int lengthColumn);

} // namespace waybill
