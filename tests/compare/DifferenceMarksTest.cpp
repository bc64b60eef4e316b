#include "compare/DifferenceMarks.h"

#include <gtest/gtest.h>

namespace waybill {
namespace {

Difference At(int page, PlaceKind kind, DifferenceKind what = DifferenceKind::TextChanged) {
    Difference difference;
    difference.kind = what;
    difference.place.page = page;
    difference.place.kind = kind;
    return difference;
}

Difference CellAt(int page, int row, int column,
                  DifferenceKind what = DifferenceKind::TextChanged) {
    Difference difference = At(page, PlaceKind::Cell, what);
    difference.place.row = row;
    difference.place.column = column;
    return difference;
}

Difference FieldAt(int page, int field, PlaceKind kind = PlaceKind::TitleBlockField) {
    Difference difference = At(page, kind);
    difference.place.field = field;
    return difference;
}

TEST(MarksForPage, ThePageGetsItsOwnPlacesAndTheDocumentsFields) {
    Difference value = At(2, PlaceKind::Attribute);
    value.place.block = "trim22";
    value.place.blockOccurrence = 1;
    value.place.attribute = 3;
    Difference revision = At(2, PlaceKind::RevisionCell);
    revision.place.row = 2;
    revision.place.column = 1;
    const std::vector<Difference> differences = {
        FieldAt(0, TblkCustomer), // the document's field: every page
        At(0, PlaceKind::Cell, DifferenceKind::PageRemoved),
        CellAt(2, 4, 1),
        CellAt(2, 4, 3),
        CellAt(2, 6, 0, DifferenceKind::RowAdded),
        CellAt(2, 0, 0, DifferenceKind::RowRemoved), // nowhere to mark
        FieldAt(2, TblkDescription, PlaceKind::PageDescription),
        value,
        revision,
        CellAt(3, 1, 1),
        At(3, PlaceKind::Cell, DifferenceKind::PageMoved),
    };

    const PageChangeMarks marks = MarksForPage(differences, 2);
    EXPECT_EQ(marks.cells, (std::vector<std::pair<int, int>>{{4, 1}, {4, 3}}));
    EXPECT_EQ(marks.rows, (std::vector<int>{4, 6}));
    EXPECT_EQ(marks.fields, (std::vector<int>{TblkCustomer, TblkDescription}));
    EXPECT_TRUE(marks.RevisionCell(2, 1));
    EXPECT_TRUE(marks.Value("trim22", 1, 3));
    EXPECT_FALSE(marks.Value("trim22", 0, 3));
    EXPECT_FALSE(marks.Cell(6, 0)); // an added row is marked whole, not cell by cell
    EXPECT_TRUE(marks.RowAdded(6));
    EXPECT_FALSE(marks.RowAdded(4));

    const PageChangeMarks other = MarksForPage(differences, 3);
    EXPECT_EQ(other.rows, std::vector<int>{1});
    EXPECT_EQ(other.fields, std::vector<int>{TblkCustomer});
    EXPECT_TRUE(MarksForPage({}, 1).Empty());
}

} // namespace
} // namespace waybill
