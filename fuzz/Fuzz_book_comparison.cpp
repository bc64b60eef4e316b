#include "compare/BookComparison.h"
#include "compare/DifferenceText.h"
#include "model/FwbFile.h"
#include "support/TestDatabase.h"

#include <cstdint>
#include <string_view>

namespace {

// Grids with and without a part-mark column, and a length column to compare as lengths.
waybill::test::TestDatabase Grids() {
    waybill::test::TestDatabase db;
    db.AddLabelledGrid("std", 25, {"COMP. ID", "PART MARK", "QTY", "LENGTH", "DESCRIPTION"});
    db.AddLabelledGrid("hte", 25, {"COMP. ID", "MARK", "QTY", "LENGTH", "LP"});
    db.AddLabelledGrid("pur", 25, {"QTY", "DESCRIPTION", "SIZE"});
    return db;
}

} // namespace

// Two documents, older and newer, separated by the first NUL byte. A document compared with
// itself has no changes; every change has words; a comparison kept for the next gives the
// same changes as one from scratch, again and again.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find('\0');
    if (split == std::string_view::npos) {
        return 0;
    }
    waybill::Book older;
    waybill::Book newer;
    if (waybill::ParseFWB(input.substr(0, split), "older.fwb", older) ||
        waybill::ParseFWB(input.substr(split + 1), "newer.fwb", newer)) {
        return 0;
    }
    static const waybill::test::TestDatabase grids = Grids();
    if (!waybill::CompareBooks(older, older, grids).empty() ||
        !waybill::CompareBooks(newer, newer, grids).empty()) {
        __builtin_trap();
    }
    const auto differences = waybill::CompareBooks(older, newer, grids);
    for (const waybill::Difference& difference : differences) {
        if (waybill::DescribeDifference(difference).empty()) {
            __builtin_trap();
        }
    }
    waybill::PageComparisonCache cache;
    for (int run = 0; run < 2; ++run) {
        if (waybill::CompareBooks(older, newer, grids, cache) != differences) {
            __builtin_trap();
        }
    }
    return 0;
}
