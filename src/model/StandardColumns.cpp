#include "model/StandardColumns.h"

#include "units/Text.h"

#include <utility>

namespace waybill {

std::optional<ColumnRole> ColumnRoleOfLabel(std::string_view label) {
    static constexpr std::pair<std::string_view, ColumnRole> kLabels[] = {
        {"PART NUMBER", ColumnRole::PartNumber},
        {"PART MARK", ColumnRole::PartMark},
        {"MARK", ColumnRole::PartMark},
        {"QTY", ColumnRole::Quantity},
        {"QTY.", ColumnRole::Quantity},
        {"LENGTH", ColumnRole::Length},
        {"SHIP. LEN.", ColumnRole::Length},
        {"LP", ColumnRole::Punch},
        {"COMP. ID", ColumnRole::ComponentId},
        {"DESCRIPTION", ColumnRole::Description},
        {"CAB.xCUTLEN.", ColumnRole::Description},
        {"SLOPE", ColumnRole::Slope},
    };
    const std::string_view trimmed = TrimView(label);
    for (const auto& [name, role] : kLabels) {
        if (EqualsNoCase(trimmed, name)) {
            return role;
        }
    }
    return std::nullopt;
}

} // namespace waybill
