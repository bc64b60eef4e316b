#include "refdb/ReferenceDatabase.h"

#include <gtest/gtest.h>

namespace waybill {
namespace {

TEST(ShippedDatabase, OpensAndDescribesItsGrids) {
    const auto opened = OpenReferenceDatabase(WAYBILL_REFERENCE_DB);
    ASSERT_TRUE(opened.database) << opened.error;
    const auto grids = opened.database->ReadTable("Grids");
    ASSERT_TRUE(grids);
    ASSERT_GT(grids->RowCount(), 0u);
    for (std::size_t row = 0; row < grids->RowCount(); ++row) {
        const std::string name = grids->Text(row, "GridName");
        const auto grid = opened.database->FindGrid(name);
        ASSERT_TRUE(grid) << name;
        EXPECT_GT(grid->Columns, 0) << name;
    }
}

} // namespace
} // namespace waybill
