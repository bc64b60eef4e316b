#include "export/TableExport.h"
#include "model/FwbFile.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

namespace {

// The grids the table export recognises, without a database file.
class Grids : public waybill::ReferenceDatabase {
  public:
    std::optional<waybill::GridDefinition> FindGrid(std::string_view name) const override {
        if (!HasTable(name)) {
            return std::nullopt;
        }
        return waybill::GridDefinition{std::string(name), 7, 25, 0, 0, 0.25f};
    }
    std::optional<waybill::TableRows> ReadTable(std::string_view name) const override {
        if (!HasTable(name)) {
            return std::nullopt;
        }
        const bool cable = name == "cab";
        std::vector<std::vector<waybill::FieldValue>> rows;
        const char* labels[] = {cable ? "LOCATION" : "COMP. ID",
                                "PART MARK",
                                "QTY",
                                "LENGTH",
                                name == "hte" ? "LP" : "DESCRIPTION",
                                name == "slp" ? "SLOPE" : "SIZE",
                                cable ? "COMP. ID" : "PART NUMBER"};
        for (std::int64_t k = 0; k < 7; ++k) {
            rows.push_back({std::string(labels[k]), k + 1});
        }
        return waybill::TableRows({"Label", "ColumnIDX"}, std::move(rows));
    }
    bool HasTable(std::string_view name) const override {
        return name == "std" || name == "hte" || name == "ext" || name == "hed" || name == "cab" ||
               name == "slp";
    }
};

} // namespace

// Any document: the export ends with records or a stop, and a record per exported row, each
// of exactly 13 fields on one line.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view content(reinterpret_cast<const char*>(data), size);
    waybill::Book book;
    if (waybill::ParseFWB(content, "fuzz.fwb", book)) {
        return 0;
    }
    const auto result = waybill::ExportTable(book, Grids());
    if (const auto* table = std::get_if<waybill::TableExport>(&result)) {
        const std::string text = waybill::FormatTable(*table);
        if (table->records.empty() || text.size() < 2 || text.substr(text.size() - 2) != "\r\n") {
            __builtin_trap();
        }
        for (const std::string& record : table->records) {
            if (std::ranges::count(record, ';') != 12 ||
                record.find_first_of("\r\n") != std::string::npos) {
                __builtin_trap();
            }
        }
    }
    return 0;
}
