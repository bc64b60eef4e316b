#include "model/StandardColumns.h"

#include <gtest/gtest.h>

namespace waybill {
namespace {

TEST(StandardColumns, HeaderLabelsNameTheExportedRoles) {
    const std::pair<const char*, std::optional<ColumnRole>> cases[] = {
        {"PART NUMBER", ColumnRole::Part},
        {" part mark ", ColumnRole::Part},
        {"Mark", ColumnRole::Part},
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
