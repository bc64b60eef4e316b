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
// The rows are shared and never change, so copies are cheap.
class TableRows {
  public:
    TableRows() = default;
    // A row shorter than the field list reads NULL for the fields it lacks.
    TableRows(std::vector<std::string> fieldNames, std::vector<std::vector<FieldValue>> rows);

    std::size_t RowCount() const;
    const std::vector<std::string>& FieldNames() const;
    bool HasField(std::string_view name) const;
    // NULL for a field the table lacks or a row past the end.
    const FieldValue& Value(std::size_t row, std::string_view field) const;
    // Conversions as a recordset reads them: NULL gives "" or 0, numbers and texts convert;
    // a text that is no number reads as 0.
    std::string Text(std::size_t row, std::string_view field) const;
    double Number(std::size_t row, std::string_view field) const;
    // Reals round half to even; a value outside the integer range reads as 0.
    std::int64_t Integer(std::size_t row, std::string_view field) const;
    // Non-zero numbers, "True" and numeric texts other than 0 are true.
    bool Boolean(std::size_t row, std::string_view field) const;

  private:
    struct Data {
        std::vector<std::string> fieldNames;
        std::vector<std::vector<FieldValue>> rows;
    };
    std::shared_ptr<const Data> data_;
};

// The reference database: grid definitions and the tables named after grids and blocks.
// It is only ever read.
class ReferenceDatabase {
  public:
    virtual ~ReferenceDatabase() = default;

    // The "Grids" row whose name equals `gridName` (ignoring letter case), if any; the first
    // in stored order when several match.
    virtual std::optional<GridDefinition> FindGrid(std::string_view gridName) const = 0;
    // Every row of the table named `tableName` (ignoring letter case); nothing when there is
    // no such table or it cannot be read.
    virtual std::optional<TableRows> ReadTable(std::string_view tableName) const = 0;
    virtual bool HasTable(std::string_view tableName) const = 0;
};

// Opening can fail: the file is missing or not a database, or it has no "Grids" table.
struct OpenedReferenceDatabase {
    std::unique_ptr<ReferenceDatabase> database; // null on failure
    std::string error;                           // what went wrong, for the user
};

// Opens an SQLite reference database read-only (SqliteReferenceDatabase.cpp). Texts are
// stored as UTF-8 and read as Windows-1252; a text that is not valid UTF-8 is taken as
// Windows-1252 bytes already.
OpenedReferenceDatabase OpenReferenceDatabase(const std::filesystem::path& path);

} // namespace waybill
