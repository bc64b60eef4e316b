#include "catalog/CellLists.h"

#include "catalog/FinishRules.h"
#include "catalog/MemberTypes.h"
#include "model/StandardColumns.h"
#include "page/GridEdits.h"
#include "units/Text.h"

namespace waybill {
namespace {

// Documents may hold "GALV" without its full stop, as earlier versions of the list wrote it.
bool SameCableFinishWord(std::string_view a, std::string_view b) {
    const auto withoutStop = [](std::string_view word) {
        return word.ends_with('.') ? word.substr(0, word.size() - 1) : word;
    };
    return EqualsNoCase(withoutStop(a), withoutStop(b));
}

} // namespace

const std::vector<std::string>& PunchCodeList() {
    static const std::vector<std::string> kCodes{" ", "A", "B", "C", "E", "F", "NP"};
    return kCodes;
}

const std::vector<std::string>& CableFinishWordList() {
    static const std::vector<std::string> kWords{std::string(kCableZinc),
                                                 std::string(kCableGalvanized)};
    return kWords;
}

std::optional<CellList> CellListFor(CellHandOver handOver, std::string_view cadBase) {
    switch (handOver) {
    case CellHandOver::MemberTypes:
        return CellList{CellListKind::MemberTypes, MemberTypeList(cadBase)};
    case CellHandOver::CableFinishWords:
        return CellList{CellListKind::CableFinishWords, CableFinishWordList()};
    case CellHandOver::PunchCodes:
        return CellList{CellListKind::PunchCodes, PunchCodeList()};
    case CellHandOver::ClipCell:
    case CellHandOver::PunchPattern:
        break;
    }
    return std::nullopt;
}

std::optional<std::size_t> CellListPreselection(const CellList& list, std::string_view cellText) {
    for (std::size_t i = 0; i < list.items.size(); ++i) {
        const std::string& item = list.items[i];
        if (list.kind == CellListKind::CableFinishWords ? SameCableFinishWord(item, cellText)
                                                        : EqualsNoCase(item, cellText)) {
            return i;
        }
    }
    return std::nullopt;
}

PageChanges PickCableFinishWord(const GridView& grid, int row, int column, std::string_view word) {
    GridEdits edits(grid);
    edits.Set(row, column, std::string(word));
    SetCableFinishCode(edits, row);
    return {{}, edits.Changes()};
}

PageChanges PickPunchCode(const GridView& grid, int row, int column, std::string_view code) {
    GridEdits edits(grid);
    edits.Set(row, column, std::string(code));
    if (column == MemberColumn::kLeadPunch) {
        edits.Set(row, MemberColumn::kTrailPunch, std::string(code));
    } else if (edits.Cell(row, MemberColumn::kLeadPunch).empty()) {
        edits.Set(row, MemberColumn::kLeadPunch, std::string(code));
    }
    return {{}, edits.Changes()};
}

PageChanges PickCellListItem(const GridView& grid, CellListKind kind, int row, int column,
                             std::string_view item) {
    switch (kind) {
    case CellListKind::MemberTypes:
        return PickMemberType(grid, row, item);
    case CellListKind::CableFinishWords:
        return PickCableFinishWord(grid, row, column, item);
    case CellListKind::PunchCodes:
        return PickPunchCode(grid, row, column, item);
    case CellListKind::Inert:
        break;
    }
    return {};
}

} // namespace waybill
