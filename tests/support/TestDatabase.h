#pragma once

#include "refdb/ReferenceDatabase.h"
#include "units/Text.h"

#include <map>

namespace waybill::test {

// An in-memory reference database for the page tests.
class FakeDatabase : public ReferenceDatabase {
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

    mutable int reads = 0;

  private:
    template <typename T>
    static std::optional<T> Lookup(const std::map<std::string, T>& map, std::string_view name) {
        const auto found = map.find(ToLower(name));
        return found == map.end() ? std::nullopt : std::optional<T>(found->second);
    }

    std::map<std::string, GridDefinition> grids_;
    std::map<std::string, TableRows> tables_;
};

} // namespace waybill::test
