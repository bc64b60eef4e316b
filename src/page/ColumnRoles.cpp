#include "page/ColumnRoles.h"

#include "units/Text.h"

#include <array>
#include <utility>

namespace waybill {

ColumnRole ColumnRoleOf(std::string_view header) {
    static constexpr std::array<std::pair<std::string_view, ColumnRole>, 12> kHeaders = {{
        {"PART MARK", ColumnRole::PartMark},
        {"MARK", ColumnRole::PartMark},
        {"PART NUMBER", ColumnRole::PartNumber},
        {"QTY", ColumnRole::Quantity},
        {"QTY.", ColumnRole::Quantity},
        {"LENGTH", ColumnRole::Length},
        {"SHIP. LEN.", ColumnRole::Length},
        {"LP", ColumnRole::Punch},
        {"COMP. ID", ColumnRole::ComponentId},
        {"DESCRIPTION", ColumnRole::Description},
        {"CAB.xCUTLEN.", ColumnRole::Description},
        {"SLOPE", ColumnRole::Slope},
    }};
    const std::string_view trimmed = TrimView(header);
    for (const auto& [text, role] : kHeaders) {
        if (EqualsNoCase(trimmed, text)) {
            return role;
        }
    }
    return ColumnRole::Other;
}

} // namespace waybill
