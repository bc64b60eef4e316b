#pragma once

#include <optional>
#include <string_view>

namespace waybill {

// The fixed meanings the rules give the columns (from 0) of the standard pages' line-item
// grids. Column 0 holds the component id or the location; where the rules write finish codes
// and short-length marks, the part number is the grid's last column.

// The Zee, Cee and eave strut member pages.
struct MemberColumn {
    static constexpr int kMark = 1;
    static constexpr int kQuantity = 2;
    static constexpr int kLength = 3;
    static constexpr int kLeadPunch = 4;
    static constexpr int kFirstADim = 5; // up to six "A" dimensions
    static constexpr int kLastADim = 10;
    static constexpr int kTrailPunch = 11;
    static constexpr int kPartNumber = 12;
};

// The hi-tensile lists (girts, eave struts, purlins).
struct TensileColumn {
    static constexpr int kLength = 4;
    static constexpr int kDescription = 5; // row 1 names the punch pattern
    static constexpr int kPartNumber = 6;
};

// The cable pages: the shipping length decides every column after it.
struct CableColumn {
    static constexpr int kShipLength = 3;
    static constexpr int kCutLength = 4; // size text 1 and the cut length
    static constexpr int kDiameter = 5;
    static constexpr int kEyeBolt = 6;
    static constexpr int kFinishWord = 7;
    static constexpr int kPartNumber = 8;
};

// The clip pages: the mark carries the clip's size letter, the part number its size and finish.
struct ClipColumn {
    static constexpr int kMark = 1;
    static constexpr int kSpecial = 4; // typed only on a few rows of the first clip page
    static constexpr int kPartNumber = 5;
};

// The built-up and hot-rolled steel pages.
struct SteelColumn {
    static constexpr int kDescription = 4;
    static constexpr int kMemberType = 5; // the part number: a member type code
};

// The rod bracing page.
struct RodColumn {
    static constexpr int kPartNumber = 5;
};

// The sheet panel pages.
struct SheetColumn {
    static constexpr int kPartNumber = 5;
};

// What a column holds, told by the column's header label in the grid definition (blanks at
// both ends removed, letter case ignored), on any grid. The table export takes a part mark or a
// part number as the part; the comparison knows a row by its part mark.
enum class ColumnRole {
    PartMark,
    PartNumber,
    Quantity,
    Length,
    Punch,
    ComponentId,
    Description,
    Slope,
};

std::optional<ColumnRole> ColumnRoleOfLabel(std::string_view label);

} // namespace waybill
