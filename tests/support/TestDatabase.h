#pragma once

#include "refdb/ReferenceDatabase.h"
#include "units/Text.h"

#include <filesystem>
#include <map>
#include <stdexcept>
#include <sqlite3.h>

namespace waybill::test {

// The tests' reference database: grids and tables built in memory, read as the program
// reads a database, and written as an SQLite file for what opens one by its path.
class TestDatabase : public ReferenceDatabase {
  public:
    // A grid of `columns` columns "C<k>", each 1 sheet inch wide.
    void AddGrid(const std::string& name, int columns, int rows, float left = 0, float top = 0) {
        grids_[ToLower(name)] = GridDefinition{name, columns, rows, left, top, 0.25f};
        std::vector<std::vector<FieldValue>> columnRows;
        for (int c = 0; c < columns; ++c) {
            columnRows.push_back({1.0, std::int64_t{c % 3}, "C" + std::to_string(c)});
        }
        AddTable(name, {"Width", "Align", "Label"}, columnRows);
    }

    // A grid with one labelled column of 1 sheet inch per label, and ColumnIDX from 1 as the
    // exports read it.
    void AddLabelledGrid(const std::string& name, int rows, const std::vector<std::string>& labels) {
        grids_[ToLower(name)] =
            GridDefinition{name, static_cast<int>(labels.size()), rows, 0, 0, 0.25f};
        std::vector<std::vector<FieldValue>> columnRows;
        for (std::size_t c = 0; c < labels.size(); ++c) {
            columnRows.push_back({1.0, std::int64_t{1}, labels[c], static_cast<std::int64_t>(c + 1)});
        }
        AddTable(name, {"Width", "Align", "Label", "ColumnIDX"}, columnRows);
    }

    // A definition as given, with its column table as given (none when `columns` is empty).
    void AddDefinition(const GridDefinition& definition,
                       std::vector<std::vector<FieldValue>> columns = {}) {
        grids_[ToLower(definition.GridName)] = definition;
        if (!columns.empty()) {
            AddTable(definition.GridName, {"Width", "Align", "Label"}, std::move(columns));
        }
    }

    void AddTable(const std::string& name, std::vector<std::string> fields,
                  std::vector<std::vector<FieldValue>> rows) {
        names_[ToLower(name)] = name;
        tables_[ToLower(name)] = TableRows(std::move(fields), std::move(rows));
    }

    void RemoveTable(const std::string& name) { tables_.erase(ToLower(name)); }

    std::optional<GridDefinition> FindGrid(std::string_view name) const override {
        return Lookup(grids_, name);
    }
    std::optional<TableRows> ReadTable(std::string_view name) const override {
        ++reads;
        return Lookup(tables_, name);
    }
    bool HasTable(std::string_view name) const override { return tables_.contains(ToLower(name)); }

    // The same grids and tables as a database file. Grids keep the order of their names.
    std::filesystem::path Write(const std::filesystem::path& path) const {
        sqlite3* db = nullptr;
        const std::u8string name = path.u8string(); // SQLite takes UTF-8 names
        Check(db, sqlite3_open(reinterpret_cast<const char*>(name.c_str()), &db));
        std::vector<std::vector<FieldValue>> grids;
        for (const auto& [key, grid] : grids_) {
            grids.push_back({grid.GridName, std::int64_t{grid.Columns}, std::int64_t{grid.Rows},
                             double{grid.Left}, double{grid.Top}, double{grid.RowHeight}});
        }
        WriteTable(db, "Grids", TableRows({"GridName", "Columns", "Rows", "Left", "Top", "RowHeight"},
                                          std::move(grids)));
        for (const auto& [key, table] : tables_) {
            WriteTable(db, names_.at(key), table);
        }
        sqlite3_close(db);
        return path;
    }

    mutable int reads = 0;

  private:
    // A statement that fails throws, so no test runs on a database it did not mean.
    static void Check(sqlite3* db, int status) {
        if (status != SQLITE_OK && status != SQLITE_DONE) {
            throw std::runtime_error(std::string("test database: ") + sqlite3_errmsg(db));
        }
    }

    static std::string Quoted(const std::string& name) {
        std::string quoted = "\"";
        for (const char c : name) {
            quoted += c == '"' ? "\"\"" : std::string(1, c);
        }
        return quoted + "\"";
    }

    static void WriteTable(sqlite3* db, const std::string& name, const TableRows& table) {
        std::string create = "CREATE TABLE " + Quoted(name) + "(";
        std::string insert = "INSERT INTO " + Quoted(name) + " VALUES(";
        for (std::size_t f = 0; f < table.FieldNames().size(); ++f) {
            create += (f > 0 ? ", " : "") + Quoted(table.FieldNames()[f]);
            insert += f > 0 ? ", ?" : "?";
        }
        Check(db, sqlite3_exec(db, (create + ")").c_str(), nullptr, nullptr, nullptr));
        sqlite3_stmt* statement = nullptr;
        Check(db, sqlite3_prepare_v2(db, (insert + ")").c_str(), -1, &statement, nullptr));
        for (std::size_t r = 0; r < table.RowCount(); ++r) {
            for (std::size_t f = 0; f < table.FieldNames().size(); ++f) {
                const int at = static_cast<int>(f) + 1;
                const FieldValue& value = table.Value(r, table.FieldNames()[f]);
                if (const auto* i = std::get_if<std::int64_t>(&value)) {
                    sqlite3_bind_int64(statement, at, *i);
                } else if (const auto* d = std::get_if<double>(&value)) {
                    sqlite3_bind_double(statement, at, *d);
                } else if (const auto* t = std::get_if<std::string>(&value)) {
                    sqlite3_bind_text(statement, at, t->c_str(), static_cast<int>(t->size()),
                                      SQLITE_TRANSIENT);
                } else {
                    sqlite3_bind_null(statement, at);
                }
            }
            Check(db, sqlite3_step(statement));
            sqlite3_reset(statement);
        }
        sqlite3_finalize(statement);
    }

    template <typename T>
    static std::optional<T> Lookup(const std::map<std::string, T>& map, std::string_view name) {
        const auto found = map.find(ToLower(name));
        return found == map.end() ? std::nullopt : std::optional<T>(found->second);
    }

    std::map<std::string, GridDefinition> grids_;
    std::map<std::string, TableRows> tables_;
    std::map<std::string, std::string> names_; // as given, by lower case
};

} // namespace waybill::test
