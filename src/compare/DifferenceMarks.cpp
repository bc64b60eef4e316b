#include "compare/DifferenceMarks.h"

#include <algorithm>

namespace waybill {
namespace {

template <typename T> void SortUnique(std::vector<T>& items) {
    std::sort(items.begin(), items.end());
    items.erase(std::unique(items.begin(), items.end()), items.end());
}

} // namespace

PageChangeMarks MarksForPage(const std::vector<Difference>& differences, int page) {
    PageChangeMarks marks;
    for (const Difference& difference : differences) {
        const Place& place = difference.place;
        const bool documentField = place.page == 0 &&
                                   difference.kind == DifferenceKind::TextChanged &&
                                   place.kind == PlaceKind::TitleBlockField;
        if (place.page != page && !documentField) {
            continue;
        }
        if (difference.kind == DifferenceKind::RowAdded) {
            marks.rows.push_back(place.row);
            marks.addedRows.push_back(place.row);
            continue;
        }
        if (difference.kind != DifferenceKind::TextChanged) {
            continue; // pages, removed rows, blocks and stored lines have no place to shade
        }
        switch (place.kind) {
        case PlaceKind::Cell:
            marks.cells.emplace_back(place.row, place.column);
            marks.rows.push_back(place.row);
            break;
        case PlaceKind::TitleBlockField:
        case PlaceKind::PageDescription:
            marks.fields.push_back(place.field);
            break;
        case PlaceKind::RevisionCell:
            marks.revisionCells.emplace_back(place.row, place.column);
            break;
        case PlaceKind::Attribute:
            marks.values.push_back({place.block, place.blockOccurrence, place.attribute});
            break;
        }
    }
    SortUnique(marks.cells);
    SortUnique(marks.rows);
    SortUnique(marks.addedRows);
    SortUnique(marks.fields);
    SortUnique(marks.revisionCells);
    SortUnique(marks.values);
    return marks;
}

} // namespace waybill
