// The two exports at the sizes real jobs reach: the order-entry table of a 2,000-page
// document (target: 100 ms or less), and 5,000 members written into a patterns file that
// already holds 20,000 records.
#include "export/TableExport.h"
#include "support/TestDatabase.h"
#include "tensile/PatternsFile.h"

#include <benchmark/benchmark.h>
#include <string>

namespace {

using namespace waybill;

Book MakeTableBook() {
    Book book;
    book.JobNumber = "4471";
    for (int p = 0; p < 2000; ++p) {
        PageLines lines = {"REVGRID:", "|1|6.12.2026|JD||||||||||", "GRID: std"};
        for (int r = 0; r < 20; ++r) {
            lines.push_back("|TRIM|M" + std::to_string(r) + "|" + std::to_string(r + 1) +
                            "|24'-3\xD4|TRIM PIECE 6\xCC|60ABC" + std::to_string(r) + "|");
        }
        lines.emplace_back("5");
        lines.emplace_back("ATTRIBLK: trim20");
        lines.emplace_back("|6|4|1'-2|\xD0|");
        book.Add("misc-" + std::to_string(p), "Red-Oxide", "", std::move(lines), AfterLastPage);
    }
    return book;
}

void BM_TableExport2000Pages(benchmark::State& state) {
    test::TestDatabase db;
    db.AddGrid("std", 6, 25);
    db.AddTable("std", {"Label", "ColumnIDX"},
                {{"COMP. ID", std::int64_t{1}},
                 {"PART MARK", std::int64_t{2}},
                 {"QTY", std::int64_t{3}},
                 {"LENGTH", std::int64_t{4}},
                 {"DESCRIPTION", std::int64_t{5}},
                 {"PART NUMBER", std::int64_t{6}}});
    const Book book = MakeTableBook();
    for (auto _ : state) {
        const auto table = ExportTable(book, db);
        benchmark::DoNotOptimize(FormatTable(std::get<TableExport>(table)));
    }
}
BENCHMARK(BM_TableExport2000Pages)->Unit(benchmark::kMillisecond);

void BM_PunchExport5000Into20000(benchmark::State& state) {
    const PunchTemplates templates = ReadPunchTemplates(
        ":end-holes\nWEB, 1.375, 9/16\n:e-lead-opt\n[end-holes]\nWEB, 25.375, 9/16\n"
        "WEB, 37.375, 9/16\n:e-tail-opt\n[end-holes]\nWEB, 77.375, 9/16\n");
    PunchExportList existing{"4471", {}};
    for (int k = 0; k < 20000; ++k) {
        existing.members.push_back({"OLD" + std::to_string(k), 1, 240, "E", "E", {}});
    }
    const std::string old =
        std::get<PatternsUpdate>(UpdatePatternsFile("", existing, templates)).file;
    // Half of the members replace records in place, half are new.
    PunchExportList list{"4471", {}};
    for (int k = 0; k < 5000; ++k) {
        list.members.push_back(
            {(k % 2 == 0 ? "OLD" : "NEW") + std::to_string(k), 2, 300, "E", "E", {60, 120, 180}});
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(UpdatePatternsFile(old, list, templates));
    }
}
BENCHMARK(BM_PunchExport5000Into20000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
