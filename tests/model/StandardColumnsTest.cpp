#include "model/StandardColumns.h"

#include <gtest/gtest.h>

namespace waybill {
namespace {

TEST(StandardColumns, HeaderLabelsNameTheColumnRoles) {
    const std::pair<const char*, std::optional<ColumnRole>> cases[] = {
        {"PART NUMBER", ColumnRole::PartNumber},
        {" part mark ", ColumnRole::PartMark},
        {"Mark", ColumnRole::PartMark},
        {"QTY.", ColumnRole::Quantity},
        {"SHIP. LEN.", ColumnRole::Length},
        {"LP", ColumnRole::Punch},
        {"comp. id", ColumnRole::ComponentId},
        {"CAB.XCUTLEN.", ColumnRole::Description},
        {"SLOPE", ColumnRole::Slope},
        {"TP", std::nullopt},
        {"PART", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& [label, role] : cases) {
        EXPECT_EQ(ColumnRoleOfLabel(label), role) << label;
    }
}

} // namespace
} // namespace waybill
