// The reference database in an SQLite file (OpenReferenceDatabase, ReferenceDatabase.h).
#include "platform/Cp1252.h"
#include "platform/TextFile.h"
#include "refdb/ReferenceDatabase.h"
#include "units/Text.h"

#include <algorithm>
#include <climits>
#include <map>
#include <sqlite3.h>
#include <system_error>

namespace waybill {
namespace {

struct DatabaseCloser {
    void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};
using DatabaseHandle = std::unique_ptr<sqlite3, DatabaseCloser>;

struct StatementFinalizer {
    void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};
using Statement = std::unique_ptr<sqlite3_stmt, StatementFinalizer>;

bool IsValidUtf8(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        std::size_t extra = 0;
        if (lead < 0x80) {
            extra = 0;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            extra = 1;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            extra = 2;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            extra = 3;
        } else {
            return false;
        }
        if (bytes.size() - i <= extra) {
            return false;
        }
        for (std::size_t k = 1; k <= extra; ++k) {
            if ((static_cast<unsigned char>(bytes[i + k]) & 0xC0) != 0x80) {
                return false;
            }
        }
        i += extra + 1;
    }
    return true;
}

// SQLite keeps text as UTF-8; data written from an 8-bit editor is taken as it stands.
std::string FromStoredText(std::string_view bytes) {
    return IsValidUtf8(bytes) ? Utf8ToCp1252(bytes) : std::string(bytes);
}

std::string ColumnText(sqlite3_stmt* statement, int column) {
    const auto* bytes = static_cast<const char*>(sqlite3_column_blob(statement, column));
    const int size = sqlite3_column_bytes(statement, column);
    return bytes ? std::string(bytes, static_cast<std::size_t>(size)) : std::string();
}

FieldValue ReadField(sqlite3_stmt* statement, int column) {
    switch (sqlite3_column_type(statement, column)) {
    case SQLITE_INTEGER:
        return static_cast<std::int64_t>(sqlite3_column_int64(statement, column));
    case SQLITE_FLOAT:
        return sqlite3_column_double(statement, column);
    case SQLITE_TEXT:
        return FromStoredText(ColumnText(statement, column));
    case SQLITE_BLOB:
        return ColumnText(statement, column);
    default:
        return std::monostate{};
    }
}

// Table names come from the database's own catalogue, but are quoted all the same so that
// no name can change the statement.
std::string QuoteIdentifier(std::string_view name) {
    std::string quoted = "\"";
    for (char c : name) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    quoted += '"';
    return quoted;
}

Statement Prepare(sqlite3* db, const std::string& sql) {
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), static_cast<int>(sql.size()), &raw, nullptr) !=
        SQLITE_OK) {
        sqlite3_finalize(raw);
        return nullptr;
    }
    return Statement(raw);
}

// Every row of a table in stored order; nothing when the table cannot be read.
std::optional<TableRows> ReadRows(sqlite3* db, const std::string& storedName) {
    const std::string select = "SELECT * FROM " + QuoteIdentifier(storedName);
    Statement statement = Prepare(db, select + " ORDER BY rowid");
    if (!statement) {
        // A table without rowids keeps its rows in key order, which a plain scan gives.
        statement = Prepare(db, select);
    }
    if (!statement) {
        return std::nullopt;
    }
    const int columns = sqlite3_column_count(statement.get());
    std::vector<std::string> names;
    for (int c = 0; c < columns; ++c) {
        const char* name = sqlite3_column_name(statement.get(), c);
        names.push_back(FromStoredText(name ? name : ""));
    }
    std::vector<std::vector<FieldValue>> rows;
    for (;;) {
        const int step = sqlite3_step(statement.get());
        if (step == SQLITE_DONE) {
            break;
        }
        if (step != SQLITE_ROW) {
            return std::nullopt;
        }
        std::vector<FieldValue> row;
        row.reserve(static_cast<std::size_t>(columns));
        for (int c = 0; c < columns; ++c) {
            row.push_back(ReadField(statement.get(), c));
        }
        rows.push_back(std::move(row));
    }
    return TableRows(std::move(names), std::move(rows));
}

// Lower-case name (Windows-1252) -> name as the catalogue spells it; nothing when the
// file cannot be read as a database.
std::optional<std::map<std::string, std::string>> ListTables(sqlite3* db) {
    Statement statement = Prepare(db, "SELECT name FROM sqlite_master WHERE type = 'table'");
    if (!statement) {
        return std::nullopt;
    }
    std::map<std::string, std::string> tables;
    for (;;) {
        const int step = sqlite3_step(statement.get());
        if (step == SQLITE_DONE) {
            return tables;
        }
        if (step != SQLITE_ROW) {
            return std::nullopt;
        }
        const std::string stored = ColumnText(statement.get(), 0);
        tables.emplace(ToLower(FromStoredText(stored)), stored);
    }
}

int ToInt(std::int64_t value) {
    return static_cast<int>(std::clamp<std::int64_t>(value, INT_MIN, INT_MAX));
}

constexpr std::string_view kGridsTable = "grids";

class SqliteReferenceDatabase final : public ReferenceDatabase {
  public:
    SqliteReferenceDatabase(DatabaseHandle db, std::map<std::string, std::string> tables,
                            TableRows grids)
        : db_(std::move(db)), tables_(std::move(tables)), grids_(grids) {
        cache_.emplace(std::string(kGridsTable), std::move(grids));
    }

    std::optional<GridDefinition> FindGrid(std::string_view gridName) const override {
        for (std::size_t row = 0; row < grids_.RowCount(); ++row) {
            std::string name = grids_.Text(row, "GridName");
            if (!EqualsNoCase(name, gridName)) {
                continue;
            }
            GridDefinition grid;
            grid.GridName = std::move(name);
            grid.Columns = ToInt(grids_.Integer(row, "Columns"));
            grid.Rows = ToInt(grids_.Integer(row, "Rows"));
            grid.Left = static_cast<float>(grids_.Number(row, "Left"));
            grid.Top = static_cast<float>(grids_.Number(row, "Top"));
            grid.RowHeight = static_cast<float>(grids_.Number(row, "RowHeight"));
            return grid;
        }
        return std::nullopt;
    }

    // The file never changes while the program runs, so each table is read once.
    std::optional<TableRows> ReadTable(std::string_view tableName) const override {
        const std::string key = ToLower(tableName);
        const auto table = tables_.find(key);
        if (table == tables_.end()) {
            return std::nullopt;
        }
        auto cached = cache_.find(key);
        if (cached == cache_.end()) {
            cached = cache_.emplace(key, ReadRows(db_.get(), table->second)).first;
        }
        return cached->second;
    }

    bool HasTable(std::string_view tableName) const override {
        return tables_.contains(ToLower(tableName));
    }

  private:
    DatabaseHandle db_;
    std::map<std::string, std::string> tables_;
    TableRows grids_;
    mutable std::map<std::string, std::optional<TableRows>> cache_;
};

OpenedReferenceDatabase Failure(std::string error) {
    return {nullptr, std::move(error)};
}

// The database as a read-only URI: many workstations read one file on a share, and none of
// them may ever take a write lock on it or leave a journal beside it. Every byte that is not
// plain in a URI path is escaped, so names with "%", "?" or "#" name the file they name.
std::string ReadOnlyUri(const std::filesystem::path& path) {
    const std::u8string utf8 = path.generic_u8string();
    // An absolute path after an empty authority: "file:///home/...", "file:///C:/...", and a
    // share's "//server/share/..." as "file:////server/share/...".
    std::string uri = path.is_absolute() ? "file://" : "file:";
    if (path.is_absolute() && !utf8.starts_with(u8"/")) {
        uri += '/';
    }
    constexpr std::string_view kHex = "0123456789ABCDEF";
    for (const char8_t c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
            (byte >= '0' && byte <= '9') ||
            std::string_view("/-._~:").find(static_cast<char>(byte)) != std::string_view::npos) {
            uri += static_cast<char>(byte);
        } else {
            uri += '%';
            uri += kHex[byte >> 4];
            uri += kHex[byte & 0x0F];
        }
    }
    return uri + "?mode=ro";
}

} // namespace

OpenedReferenceDatabase OpenReferenceDatabase(const std::filesystem::path& path) {
    const std::string cannotOpen = "Cannot open the reference database " + PathText(path) + ".";
    // SQLite would open an empty name or ":memory:" as a fresh private database, and wait on
    // a pipe for ever.
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return Failure(cannotOpen + NotAFileNote(path));
    }
    sqlite3* raw = nullptr;
    const int opened = sqlite3_open_v2(ReadOnlyUri(path).c_str(), &raw,
                                       SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr);
    DatabaseHandle db(raw);
    if (opened != SQLITE_OK) {
        return Failure(cannotOpen);
    }
    auto tables = ListTables(db.get());
    if (!tables) {
        return Failure(cannotOpen);
    }
    const auto grids = tables->find(std::string(kGridsTable));
    if (grids == tables->end()) {
        return Failure("The reference database " + PathText(path) + " has no Grids table.");
    }
    auto gridRows = ReadRows(db.get(), grids->second);
    if (!gridRows) {
        return Failure(cannotOpen);
    }
    if (!gridRows->HasField("GridName")) {
        return Failure("The Grids table of the reference database " + PathText(path) +
                       " has no GridName field.");
    }
    return {std::make_unique<SqliteReferenceDatabase>(std::move(db), std::move(*tables),
                                                      std::move(*gridRows)),
            {}};
}

} // namespace waybill
