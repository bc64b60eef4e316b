#include "refdb/ReferenceDatabase.h"

#include <gtest/gtest.h>

namespace waybill {
namespace {

// NULL, and whatever is not there, reads as empty, zero and false; names ignore letter case.
TEST(TableRows, NullAndMissingFieldsRowsAndCells) {
    const TableRows rows({"Label", "Width"}, {{std::monostate{}, 1.5}, {std::string("short")}});
    EXPECT_EQ(rows.Text(0, "Label"), "");
    EXPECT_EQ(rows.Integer(0, "Label"), 0);
    EXPECT_FALSE(rows.Boolean(0, "Label"));
    EXPECT_TRUE(std::holds_alternative<std::monostate>(rows.Value(0, "Prompt")));
    EXPECT_TRUE(std::holds_alternative<std::monostate>(rows.Value(2, "Label")));
    EXPECT_TRUE(std::holds_alternative<std::monostate>(rows.Value(1, "Width")));
    EXPECT_EQ(rows.Number(0, "wIdTh"), 1.5);
}

// Reals round half to even; what does not fit an integer reads as zero.
TEST(TableRows, NumbersTextsAndBooleansConvert) {
    using S = std::string;
    // clang-format off
    const TableRows rows({"X", "B"}, {{1.5, std::int64_t{-1}}, {2.5, S("True")}, {-2.5, 0.0},
                                      {S(" 7 "), S("false")}, {S("abc"), S(" 1 ")}, {1e300},
                                      {S("-1e19")}, {3.0}});
    // clang-format on
    const std::int64_t integers[] = {2, 2, -2, 7, 0, 0, 0, 3};
    const bool booleans[] = {true, true, false, false, true, false, false, false};
    for (std::size_t row = 0; row < rows.RowCount(); ++row) {
        EXPECT_EQ(rows.Integer(row, "X"), integers[row]) << row;
        EXPECT_EQ(rows.Boolean(row, "B"), booleans[row]) << row;
    }
    EXPECT_EQ(rows.Text(0, "X"), "1.5");
    EXPECT_EQ(rows.Text(7, "X"), "3");
    EXPECT_EQ(rows.Number(3, "X"), 7);
}

} // namespace
} // namespace waybill
