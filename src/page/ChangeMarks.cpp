#include "page/ChangeMarks.h"

#include "units/Text.h"

#include <algorithm>
#include <charconv>

namespace waybill {
namespace {

template <typename T> void SortUnique(std::vector<T>& items) {
    std::sort(items.begin(), items.end());
    items.erase(std::unique(items.begin(), items.end()), items.end());
}

template <typename T> bool Holds(const std::vector<T>& sorted, const T& item) {
    return std::binary_search(sorted.begin(), sorted.end(), item);
}

} // namespace

bool PageChangeMarks::Cell(int row, int column) const {
    return Holds(cells, std::pair(row, column));
}

bool PageChangeMarks::Row(int row) const {
    return Holds(rows, row);
}

bool PageChangeMarks::RowAdded(int row) const {
    return Holds(addedRows, row);
}

bool PageChangeMarks::Field(int field) const {
    return Holds(fields, field);
}

bool PageChangeMarks::RevisionCell(int row, int column) const {
    return Holds(revisionCells, std::pair(row, column));
}

bool PageChangeMarks::Value(const std::string& block, int occurrence, int attribute) const {
    return Holds(values, BlockValue{block, occurrence, attribute});
}

PageChangeMarks MarksForPage(const std::vector<Change>& changes, int page) {
    PageChangeMarks marks;
    for (const Change& change : changes) {
        const Place& place = change.place;
        const bool documentField = place.page == 0 && change.kind == ChangeKind::TextChanged &&
                                   place.kind == PlaceKind::TitleBlockField;
        if (place.page != page && !documentField) {
            continue;
        }
        if (change.kind == ChangeKind::RowAdded) {
            marks.rows.push_back(place.row);
            marks.addedRows.push_back(place.row);
            continue;
        }
        if (change.kind != ChangeKind::TextChanged) {
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

std::string NewestRevision(const RevisionTable& revision) {
    std::string last;
    long highest = -1;
    for (const auto& row : revision) {
        const std::string rev(Trim(row[0]));
        if (rev.empty()) {
            continue;
        }
        last = rev;
        long number = 0;
        const auto [end, error] = std::from_chars(rev.data(), rev.data() + rev.size(), number);
        if (error == std::errc() && end == rev.data() + rev.size() && number > highest) {
            highest = number;
        }
    }
    return highest >= 0 ? std::to_string(highest) : last;
}

} // namespace waybill
