#include "export/TableExport.h"
#include "model/FwbFile.h"
#include "support/TestDatabase.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

namespace {

// The grids the table export recognises, 7 columns of 25 rows each.
waybill::test::TestDatabase Grids() {
    waybill::test::TestDatabase db;
    for (const char* name : {"std", "hte", "ext", "hed", "cab", "slp"}) {
        const std::string grid = name;
        db.AddLabelledGrid(grid, 25,
                           {grid == "cab" ? "LOCATION" : "COMP. ID", "PART MARK", "QTY", "LENGTH",
                            grid == "hte" ? "LP" : "DESCRIPTION", grid == "slp" ? "SLOPE" : "SIZE",
                            grid == "cab" ? "COMP. ID" : "PART NUMBER"});
    }
    return db;
}

} // namespace

// Any document: the export ends with records or a stop, and a record per exported row, each
// of exactly 13 fields on one line.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view content(reinterpret_cast<const char*>(data), size);
    waybill::Book book;
    if (waybill::ParseFWB(content, "fuzz.fwb", book)) {
        return 0;
    }
    static const waybill::test::TestDatabase grids = Grids();
    const auto result = waybill::ExportTable(book, grids);
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
