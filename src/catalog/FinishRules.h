#pragma once

#include "catalog/GridEdits.h"
#include "catalog/PageChanges.h"
#include "catalog/SheetParts.h"

#include <string_view>

namespace waybill {

// What picking `longName` from a page's finish list does: the Finish field takes it, then
// the rule of the page's block rewrites the part numbers (rod, cable, finish suffix with the
// short-length mark, sheet part numbers, or nothing more). The CAD base is the view's.
PageChanges PickFinish(const PageView& view, const SheetPartTable& sheetParts,
                       std::string_view longName);

// Rewrites the finish suffix of every part number (the last column) from the page's finish:
// the old suffix is cut at the last "G", else "P", else "B", and the code appended. Part
// numbers that are empty or hold "misc" are left alone, and so is everything when the
// finish stands for no single finish ("."). On hi-tensile pages every row's short-length
// mark is then set again, since the cut also takes it off.
PageChanges AddEndFinish(const GridView& grid, std::string_view cadBase,
                         std::string_view finishText);
// The same over writes already made (the member editor's new part numbers).
void AddEndFinish(GridEdits& grid, std::string_view cadBase, std::string_view finishText);

// Rod pages: the finish letter (fifth character) of every "55BR" part number in column 5
// becomes "G" for a galvanized finish, "P" for an oxide one; other finishes change nothing.
PageChanges RodFinishRule(const GridView& grid, std::string_view finishText);

// Cable pages: every row with a part number (column 8) gets the finish word "ZINC" or
// "GALV." in column 7 and its part number's marker to match; finishes naming neither zinc
// nor galvanizing change nothing.
PageChanges CableFinishRule(const GridView& grid, std::string_view finishText);

// The cable part number of one row carries "G" just before its first "_" when the row's
// finish word (column 7) is not "ZINC", and no "G" there when it is.
PageChanges SetCableFinishCode(const GridView& grid, int row);
void SetCableFinishCode(GridEdits& grid, int row);

} // namespace waybill
