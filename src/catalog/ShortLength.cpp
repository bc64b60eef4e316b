#include "catalog/ShortLength.h"

#include "model/PageKind.h"
#include "model/StandardColumns.h"
#include "units/Lengths.h"
#include "units/Text.h"

namespace waybill {

std::string WithShortLengthSuffix(std::string_view partNumber, double lengthInches) {
    if (partNumber.empty() || !(lengthInches > 0)) {
        return std::string(partNumber);
    }
    std::string_view base = partNumber;
    while (EndsWithNoCase(base, "SL")) {
        base.remove_suffix(2);
    }
    std::string result(base);
    if (lengthInches < kShortLengthLimit) {
        result += "SL";
    }
    return result;
}

std::optional<int> ShortLengthColumn(std::string_view cadBase) {
    const PageKind kind = PageKindOf(cadBase);
    if (kind == PageKind::ZeePurlins || kind == PageKind::CeePurlins) {
        return TensileColumn::kLength;
    }
    if (IsZeeOrCee(kind)) {
        return MemberColumn::kLength;
    }
    return std::nullopt;
}

void SetShortLengthSuffix(GridEdits& grid, int row, int lengthColumn) {
    const int partColumn = grid.LastColumn();
    const std::string& partNumber = grid.Cell(row, partColumn);
    grid.Set(row, partColumn,
             WithShortLengthSuffix(partNumber, ParseFtIn(grid.Cell(row, lengthColumn))));
}

PageChanges SetShortLengthSuffix(const GridView& grid, int row, int lengthColumn) {
    GridEdits edits(grid);
    SetShortLengthSuffix(edits, row, lengthColumn);
    return {{}, edits.Changes()};
}

PageChanges SetShortLengthSuffixes(const GridView& grid, int lengthColumn) {
    GridEdits edits(grid);
    for (int row = 1; row < edits.Rows(); ++row) {
        SetShortLengthSuffix(edits, row, lengthColumn);
    }
    return {{}, edits.Changes()};
}

} // namespace waybill
