#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace waybill {

// One row of the "Grids" table.
struct GridDefinition {
    std::string GridName;
    int Columns = 0;     // column count including column 0
    int Rows = 0;        // data rows, the header row not counted
    float Left = 0;      // left edge, unscaled
    float Top = 0;       // top edge before scaling
    float RowHeight = 0; // printed row pitch in sheet inches
};

// A field as stored: NULL, an integer, a real or a text (Windows-1252 bytes).
using FieldValue = std::variant<std::monostate, std::int64_t, double, std::string>;

// The rows of one table in stored order, read by field name (names ignore letter case).
class TableRows {
public:
    TableRows() = default;
    TableRows(std::vector<std::string> fieldNames, std::vector<std::vector<FieldValue>> rows)
        : fieldNames_(std::move(fieldNames)), rows_(std::move(rows)) {}

    std::size_t RowCount() const { return rows_.size(); }
    bool HasField(std::string_view name) const;
    // NULL for a field the table lacks.
    const FieldValue& Value(std::size_t row, std::string_view field) const;
    // Conversions as a recordset reads them: NULL gives "" or 0, numbers and texts convert.
    std::string Text(std::size_t row, std::string_view field) const;
    double Number(std::size_t row, std::string_view field) const;
    std::int64_t Integer(std::size_t row, std::string_view field) const;
    bool Boolean(std::size_t row, std::string_view field) const;

private:
    std::vector<std::string> fieldNames_;
    std::vector<std::vector<FieldValue>> rows_;
};

// The reference database: grid definitions and the tables named after grids and blocks.
// It is only ever read.
class ReferenceDatabase {
public:
    virtual ~ReferenceDatabase() = default;

    // The "Grids" row whose name equals `gridName` (ignoring letter case), if any.
    virtual std::optional<GridDefinition> FindGrid(std::string_view gridName) const = 0;
    // Every row of the table named `tableName` (ignoring letter case); nothing when there is
    // no such table.
    virtual std::optional<TableRows> ReadTable(std::string_view tableName) const = 0;
    virtual bool HasTable(std::string_view tableName) const = 0;
};

// Opening can fail: the file is missing or not a database, or it has no "Grids" table.
struct OpenedReferenceDatabase {
    std::unique_ptr<ReferenceDatabase> database; // null on failure
    std::string error;                           // what went wrong, for the user
};

// Opens an SQLite reference database read-only.
OpenedReferenceDatabase OpenReferenceDatabase(const std::filesystem::path& path);

} // namespace waybill
