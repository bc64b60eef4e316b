#include "refdb/ReferenceDatabase.h"

#include <gtest/gtest.h>

namespace waybill {
namespace {

bool IsNull(const FieldValue& value) {
    return std::holds_alternative<std::monostate>(value);
}

TableRows Sample() {
    return TableRows({"Label", "Width", "Align", "Flag"},
                     {{std::monostate{}, 1.5, std::int64_t{2}, std::int64_t{-1}},
                      {std::string("12.5"), 2.5, std::string(" 7 "), std::string("True")},
                      {std::string("abc"), -2.5, 3.5, 0.0},
                      {std::string("short row")}});
}

// NULL, and whatever is not there, reads as empty, zero and false; names ignore letter case.
TEST(TableRows, NullAndMissingFieldsRowsAndCells) {
    const TableRows rows = Sample();
    EXPECT_TRUE(IsNull(rows.Value(0, "Label")));
    EXPECT_EQ(rows.Text(0, "Label"), "");
    EXPECT_EQ(rows.Number(0, "Label"), 0);
    EXPECT_EQ(rows.Integer(0, "Label"), 0);
    EXPECT_FALSE(rows.Boolean(0, "Label"));
    EXPECT_FALSE(rows.HasField("Prompt"));
    EXPECT_TRUE(IsNull(rows.Value(0, "Prompt")));
    EXPECT_TRUE(IsNull(rows.Value(4, "Label")));
    EXPECT_EQ(rows.Text(3, "Label"), "short row");
    EXPECT_TRUE(IsNull(rows.Value(3, "Width")));
    EXPECT_TRUE(rows.HasField("WIDTH"));
    EXPECT_EQ(rows.Number(0, "wIdTh"), 1.5);
    const TableRows empty;
    EXPECT_EQ(empty.RowCount(), 0u);
    EXPECT_TRUE(empty.FieldNames().empty());
    EXPECT_EQ(empty.Text(0, "Label"), "");
}

// Reals round half to even; what does not fit an integer reads as zero.
TEST(TableRows, NumbersAndTextsConvert) {
    const TableRows rows = Sample();
    EXPECT_EQ(rows.Text(0, "Width"), "1.5");
    EXPECT_EQ(rows.Text(0, "Align"), "2");
    EXPECT_EQ(TableRows({"X"}, {{3.0}}).Text(0, "X"), "3");
    EXPECT_EQ(rows.Number(1, "Label"), 12.5);
    EXPECT_EQ(rows.Integer(1, "Align"), 7);
    EXPECT_EQ(rows.Number(2, "Label"), 0);   // no number at all
    EXPECT_EQ(rows.Integer(0, "Width"), 2);  // 1.5
    EXPECT_EQ(rows.Integer(1, "Width"), 2);  // 2.5
    EXPECT_EQ(rows.Integer(2, "Width"), -2); // -2.5
    EXPECT_EQ(rows.Integer(2, "Align"), 4);  // 3.5
    EXPECT_EQ(TableRows({"X"}, {{1e300}}).Integer(0, "X"), 0);
    EXPECT_EQ(TableRows({"X"}, {{std::string("-1e19")}}).Integer(0, "X"), 0);
}

TEST(TableRows, Booleans) {
    const TableRows rows = Sample();
    EXPECT_TRUE(rows.Boolean(0, "Flag"));  // -1
    EXPECT_TRUE(rows.Boolean(1, "Flag"));  // "True"
    EXPECT_FALSE(rows.Boolean(2, "Flag")); // 0.0
    EXPECT_FALSE(rows.Boolean(2, "Label"));
    const TableRows texts({"B"}, {{std::string("false")}, {std::string(" 1 ")}});
    EXPECT_FALSE(texts.Boolean(0, "B"));
    EXPECT_TRUE(texts.Boolean(1, "B"));
}

} // namespace
} // namespace waybill
