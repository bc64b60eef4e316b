#pragma once

#include "page/CellRules.h"
#include "page/PageChanges.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace waybill {

// Which list the grid-cell drop-down shows, and so what a pick in it does. `Inert` is a list
// whose pick changes nothing.
enum class CellListKind { MemberTypes = 0, CableFinishWords = 1, Inert = 3, PunchCodes = 4 };

// The punch codes of hi-tensile members (a single space for none) and the cable finish words.
const std::vector<std::string>& PunchCodeList();
const std::vector<std::string>& CableFinishWordList();

// The list a cell hands over to, with what it offers.
struct CellList {
    CellListKind kind = CellListKind::Inert;
    std::vector<std::string> items;
};

// The drop-down for a hand-over on a page (member types, cable finish words, punch codes);
// nothing for hand-overs that open a dialog instead.
std::optional<CellList> CellListFor(CellHandOver handOver, std::string_view cadBase);

// The item the drop-down opens on: the one equal to the cell's text (letter case ignored; a
// cable finish word also without its full stop, as older documents spell it).
std::optional<std::size_t> CellListPreselection(const CellList& list, std::string_view cellText);

// The cable finish word picked for a row's finish word cell (column 7), with the part
// number's marker set to match.
PageChanges PickCableFinishWord(const GridView& grid, int row, int column, std::string_view word);

// A punch code picked for a cell: a leading punch (column 4) sets the trailing punch (column
// 11) too; another column fills an empty leading punch.
PageChanges PickPunchCode(const GridView& grid, int row, int column, std::string_view code);

// A pick in the drop-down, by the kind of list it showed.
PageChanges PickCellListItem(const GridView& grid, CellListKind kind, int row, int column,
                             std::string_view item);

} // namespace waybill
