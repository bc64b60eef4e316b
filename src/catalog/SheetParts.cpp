#include "catalog/SheetParts.h"

#include "catalog/Finishes.h"
#include "page/GridEdits.h"
#include "units/Text.h"

namespace waybill {

std::optional<SheetPartTable> SheetPartTable::Read(const ReferenceDatabase& database) {
    const auto table = database.ReadTable("SheetParts");
    if (!table) {
        return std::nullopt;
    }
    std::vector<std::pair<std::string, std::string>> rows;
    for (std::size_t row = 0; row < table->RowCount(); ++row) {
        rows.emplace_back(Trim(table->Text(row, "BlockName")), Trim(table->Text(row, "BasePart")));
    }
    return SheetPartTable(std::move(rows));
}

std::string SheetPartTable::BasePart(std::string_view blockName) const {
    for (const auto& [block, base] : rows_) {
        if (EqualsNoCase(block, blockName)) {
            return base;
        }
    }
    return {};
}

UserMessage SheetPartsMissingMessage() {
    return {"Table SheetParts not found in the reference database.", "Waybill",
            MessageIcon::Exclamation};
}

PageChanges SetSheetPartNumbers(const GridView& grid, std::string_view cadBase,
                                const SheetPartTable& sheetParts, std::string_view finishText) {
    GridEdits edits(grid);
    const std::string partNumber =
        sheetParts.BasePart(cadBase) + PageFinishCode(cadBase, finishText);
    const int partColumn = edits.LastColumn();
    for (int row = 3; row < edits.Rows(); ++row) {
        edits.Set(row, partColumn, partNumber);
    }
    const std::string& description = edits.Cell(1, partColumn - 1);
    if (const auto paren = description.find('('); paren != std::string::npos) {
        edits.Set(1, partColumn - 1, std::string(finishText) + " " + description.substr(paren));
    }
    return {{}, edits.Changes()};
}

} // namespace waybill
