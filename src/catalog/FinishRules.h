#pragma once

#include "catalog/SheetParts.h"
#include "page/GridEdits.h"
#include "page/PageChanges.h"

#include <optional>
#include <string_view>
#include <variant>

namespace waybill {

// What picking `longName` from a page's finish list does: the Finish field takes it, then
// the rule of the page's block rewrites the part numbers (rod, cable, finish code with the
// short-length mark, sheet part numbers, or nothing more). The CAD base is the view's. A
// sheet page with a grid needs the sheet block table: without it (`sheetParts` empty) the
// pick changes nothing and the result is the report of the missing table.
std::variant<PageChanges, UserMessage> PickFinish(const PageView& view,
                                                  const std::optional<SheetPartTable>& sheetParts,
                                                  std::string_view longName);

// Rewrites the finish code of every part number (the last column) from the page's finish,
// where its kind of part number keeps it: clips in the 8th character, members and formed
// angles after their last digit (a member's short-length mark stays last). Part numbers that
// are empty or hold "misc" are left alone, and so is everything when the finish stands for
// no single finish ("."). On the pages with short-length marks every row's mark is then set
// from its length, as the member editor's new part numbers need.
PageChanges AddEndFinish(const GridView& grid, std::string_view cadBase,
                         std::string_view finishText);
// The same over writes already made (the member editor's new part numbers).
void AddEndFinish(GridEdits& grid, std::string_view cadBase, std::string_view finishText);

// Rod pages: the finish letter (fifth character) of every "55BR" part number in column 5
// becomes "G" for a galvanized finish, "P" for an oxide one; other finishes change nothing.
PageChanges RodFinishRule(const GridView& grid, std::string_view finishText);

// The cable finish words, as the rules write them and the finish word list offers them.
constexpr std::string_view kCableZinc = "ZINC";
constexpr std::string_view kCableGalvanized = "GALV.";

// Cable pages: every row with a part number (column 8) gets the finish word kCableZinc or
// kCableGalvanized in column 7 and its part number's marker to match; finishes naming
// neither zinc nor galvanizing change nothing.
PageChanges CableFinishRule(const GridView& grid, std::string_view finishText);

// The cable part number of one row carries "G" just before its first "_" when the row's
// finish word (column 7) is not kCableZinc, and no "G" there when it is.
PageChanges SetCableFinishCode(const GridView& grid, int row);
void SetCableFinishCode(GridEdits& grid, int row);

} // namespace waybill
