// Searching a 2,000-page document: a text it does not hold (target: 20 ms or less), and a
// find-next step from one match to the next (target: 5 ms or less).
#include "find/TextSearch.h"
#include "model/Book.h"
#include "support/TestDatabase.h"

#include <benchmark/benchmark.h>
#include <string>

namespace {

using namespace waybill;

Book MakeBook() {
    Book book;
    book.JobNumber = "4471";
    book.Customer = "Acme Steel Buildings";
    for (int p = 0; p < 2000; ++p) {
        PageLines lines = {"REVGRID:", "|1|6.12.2026|JD||||||||||", "ATTRIBLK: trim20",
                           "|6|4|1'-2|\xD0|", "GRID: std"};
        for (int r = 0; r < 20; ++r) {
            lines.push_back("|TRIM|M" + std::to_string(r) + "|" + std::to_string(r + 1) +
                            "|24'-3\xD4|TRIM PIECE 6\xCC|60ABC" + std::to_string(r) + "|");
        }
        lines.emplace_back("5");
        book.Add("misc-" + std::to_string(p), "Red-Oxide", "TRIM AND FLASHING", std::move(lines),
                 AfterLastPage);
    }
    return book;
}

test::TestDatabase MakeDatabase() {
    test::TestDatabase db;
    db.AddGrid("std", 6, 25);
    db.AddTable("trim20", {"Prompt", "Tag"}, {{"A", "A"}, {"B", "B"}, {"C", "C"}, {"D", "D"}});
    return db;
}

void BM_FindMissingText2000Pages(benchmark::State& state) {
    const auto db = MakeDatabase();
    const Book book = MakeBook();
    PlaceNames names(&db);
    const FindOptions options{"W8X13"};
    for (auto _ : state) {
        benchmark::DoNotOptimize(FindAll(book, names, options));
    }
}
BENCHMARK(BM_FindMissingText2000Pages)->Unit(benchmark::kMillisecond);

// The next match of a part mark that every page holds, from the middle of the document.
void BM_FindNextStep(benchmark::State& state) {
    const auto db = MakeDatabase();
    const Book book = MakeBook();
    PlaceNames names(&db);
    const FindOptions options{"m17", false, true};
    const auto from = FindNext(book, names, options, 1000, std::nullopt, FindDirection::Next);
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            FindNext(book, names, options, 0, from->place, FindDirection::Next));
    }
}
BENCHMARK(BM_FindNextStep)->Unit(benchmark::kMillisecond);

// The next match 500 pages on: a quarter of the document read for one step.
void BM_FindNextStepPast500Pages(benchmark::State& state) {
    const auto db = MakeDatabase();
    Book book = MakeBook();
    for (const int page : {1000, 1500}) {
        book.GotoPage(page);
        book.GetPage(page).PageData.emplace_back("|TRIM|Z9||||");
    }
    PlaceNames names(&db);
    const FindOptions options{"z9", false, true};
    const auto from = FindNext(book, names, options, 1000, std::nullopt, FindDirection::Next);
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            FindNext(book, names, options, 0, from->place, FindDirection::Next));
    }
}
BENCHMARK(BM_FindNextStepPast500Pages)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
