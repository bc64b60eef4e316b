// Comparing two states of a 2,000-page document that differ in 1% of their cells, as
// waybill-cli diff and the window's comparison do (target: 100 ms or less); following one edit
// of the open document; and the marks that shade one page (target: under 2 ms).
#include "compare/BookComparison.h"
#include "compare/Comparison.h"
#include "compare/DifferenceMarks.h"
#include "model/Book.h"
#include "support/TestDatabase.h"

#include <benchmark/benchmark.h>
#include <random>
#include <string>

namespace {

using namespace waybill;

constexpr int kPages = 2000;
constexpr int kRows = 20;
constexpr int kColumns = 6;

std::string Cell(int page, int row, int column, bool changed) {
    static const std::string kBase[kColumns] = {"TRIM", "M", "", "24'-3", "TRIM PIECE", "60ABC"};
    std::string text = kBase[column];
    if (column == 1) {
        text += std::to_string(row);
    } else if (column == 2) {
        text = std::to_string(row + 1);
    } else if (column == 5) {
        text += std::to_string(page);
    }
    return changed ? text + "X" : text;
}

// Every page a grid of 20 rows and a block; the newer book has one cell in a hundred changed.
Book MakeBook(bool newer) {
    std::mt19937 random(3);
    std::uniform_int_distribution<int> percent(0, 99);
    Book book;
    for (int p = 0; p < kPages; ++p) {
        PageLines lines = {"REVGRID:", "|1|6.12.2026|JD||||||||||", "GRID: std"};
        for (int r = 0; r < kRows; ++r) {
            std::string row = "|";
            for (int c = 0; c < kColumns; ++c) {
                row += Cell(p, r, c, newer && percent(random) == 0) + "|";
            }
            lines.push_back(std::move(row));
        }
        lines.emplace_back("5");
        lines.emplace_back("ATTRIBLK: trim20");
        lines.emplace_back("|6|4|1'-2|");
        book.Add("misc-" + std::to_string(p), "Red-Oxide", "TRIM", std::move(lines), AfterLastPage);
    }
    return book;
}

void AddDefinitions(test::TestDatabase& db) {
    db.AddDefinition({"std", kColumns, 25, 0, 0, 0.25f}, {{1.0, std::int64_t{4}, "COMP. ID"},
                                                          {1.0, std::int64_t{4}, "PART MARK"},
                                                          {1.0, std::int64_t{4}, "QTY"},
                                                          {1.0, std::int64_t{4}, "LENGTH"},
                                                          {1.0, std::int64_t{4}, "DESCRIPTION"},
                                                          {1.0, std::int64_t{4}, "PART NUMBER"}});
    db.AddTable("trim20", {"Tag"}, {{"A"}, {"B"}, {"C"}});
}

void BM_Compare2000Pages(benchmark::State& state) {
    test::TestDatabase db;
    AddDefinitions(db);
    const Book older = MakeBook(false);
    const Book newer = MakeBook(true);
    std::size_t changes = 0;
    for (auto _ : state) {
        const auto found = CompareBooks(older, newer, db);
        changes = found.size();
        benchmark::DoNotOptimize(found);
    }
    state.counters["changes"] = static_cast<double>(changes);
}
BENCHMARK(BM_Compare2000Pages)->Unit(benchmark::kMillisecond);

// One cell typed on one page of the open document, then the comparison brought up to date.
void BM_FollowOneEdit(benchmark::State& state) {
    test::TestDatabase db;
    AddDefinitions(db);
    Book newer = MakeBook(true);
    Comparison comparison(db);
    comparison.Start(MakeBook(false), "older.fwb", newer);
    int edit = 0;
    for (auto _ : state) {
        newer.GetPage(kPages / 2).PageData[4] = "|TRIM|M" + std::to_string(++edit % 2) + "|||||";
        benchmark::DoNotOptimize(comparison.Update(newer));
    }
}
BENCHMARK(BM_FollowOneEdit)->Unit(benchmark::kMillisecond);

// The marks of one page, as the window shades a page it shows.
void BM_ShadeOnePage(benchmark::State& state) {
    test::TestDatabase db;
    AddDefinitions(db);
    const auto changes = CompareBooks(MakeBook(false), MakeBook(true), db);
    int page = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(MarksForPage(changes, ++page % kPages + 1));
    }
}
BENCHMARK(BM_ShadeOnePage)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
