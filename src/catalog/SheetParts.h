#pragma once

#include "page/PageChanges.h"
#include "platform/UserMessage.h"
#include "refdb/ReferenceDatabase.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace waybill {

// The sheet block table: the base part number of each sheet panel block. It is product
// data, read from the reference database's "SheetParts" table (BlockName, BasePart).
class SheetPartTable {
  public:
    SheetPartTable() = default;
    explicit SheetPartTable(std::vector<std::pair<std::string, std::string>> rows)
        : rows_(std::move(rows)) {}

    // Nothing when the database has no such table.
    static std::optional<SheetPartTable> Read(const ReferenceDatabase& database);

    // The base part number of the block (letter case ignored); empty for an unknown block.
    std::string BasePart(std::string_view blockName) const;

  private:
    std::vector<std::pair<std::string, std::string>> rows_;
};

// The report of a database without the sheet block table: sheet part numbers cannot be made.
UserMessage SheetPartsMissingMessage();

// A sheet page's part numbers and panel description for a newly picked finish: rows 3 on of
// the last column get the block's base part number and the finish code; row 1 of the column
// before it gets the finish in front of its "(" (a description without "(" is left alone).
PageChanges SetSheetPartNumbers(const GridView& grid, std::string_view cadBase,
                                const SheetPartTable& sheetParts, std::string_view finishText);

} // namespace waybill
