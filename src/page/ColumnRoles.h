#pragma once

#include <string_view>

namespace waybill {

// What a column of the standard grids holds, known by its header.
enum class ColumnRole {
    Other,
    PartMark,
    PartNumber,
    Quantity,
    Length,
    Punch,
    ComponentId,
    Description,
    Slope,
};

// The role of a column from its header (blanks at both ends and letter case ignored).
ColumnRole ColumnRoleOf(std::string_view header);

} // namespace waybill
