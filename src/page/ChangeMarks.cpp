#include "page/ChangeMarks.h"

#include "units/Text.h"

#include <algorithm>
#include <charconv>
#include <cstdint>

namespace waybill {
namespace {

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

std::string NewestRevision(const RevisionTable& revision) {
    std::string last;
    std::int64_t highest = -1; // a long has 32 bits on Windows
    for (const auto& row : revision) {
        const std::string rev(Trim(row[0]));
        if (rev.empty()) {
            continue;
        }
        last = rev;
        std::int64_t number = 0;
        const auto [end, error] = std::from_chars(rev.data(), rev.data() + rev.size(), number);
        if (error == std::errc() && end == rev.data() + rev.size() && number > highest) {
            highest = number;
        }
    }
    return highest >= 0 ? std::to_string(highest) : last;
}

} // namespace waybill
