// Reading and writing a large document against the floor of reading the same file into
// lines: the reader and the writer should each reach at least half the floor's throughput.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "model/FwbFile.h"
#include "platform/TextFile.h"

namespace {

using namespace waybill;

constexpr int kPages = 2000;
constexpr int kRowsPerPage = 30;

Book MakeLargeBook() {
    Book book;
    book.DetailBy = "JD";
    book.Customer = "Acme Steel Buildings, Inc.";
    book.JobNumber = "4471";
    for (int p = 0; p < kPages; ++p) {
        PageLines lines = {"GRID: sht", "REVGRID:", "|1|6.12.2026|Issued for fabrication|JD|"};
        for (int r = 0; r < kRowsPerPage; ++r) {
            lines.push_back("|R" + std::to_string(r) + "|PBR-26|" + std::to_string(r + 4) +
                            "|24'-3\xD4|\xD4|Roof panel " + std::to_string(p) +
                            "|RP26-" + std::to_string(1000 + r) + "|");
        }
        lines.emplace_back("ATTRIBLK: trim20");
        lines.emplace_back("|6|4|1'-2|\xD0|");
        book.Add("sht" + std::to_string(p % 7) + "-" + std::to_string(p), "PG",
                 "Roof sheets, bay " + std::to_string(p), std::move(lines), AfterLastPage);
    }
    return book;
}

struct Fixture {
    std::filesystem::path path;
    std::filesystem::path writePath;
    Book book;
    std::size_t bytes = 0;

    Fixture() : book(MakeLargeBook()) {
        const auto dir = std::filesystem::temp_directory_path();
        path = dir / "waybill-bench-read.fwb";
        writePath = dir / "waybill-bench-write.fwb";
        const std::string content = FormatFWB(book);
        bytes = content.size();
        std::ofstream(path, std::ios::binary) << content;
    }
    ~Fixture() {
        std::error_code ec;
        std::filesystem::remove(path, ec);
        std::filesystem::remove(writePath, ec);
    }
};

Fixture& Shared() {
    static Fixture fixture;
    return fixture;
}

void BM_RawReadIntoLines(benchmark::State& state) {
    Fixture& f = Shared();
    for (auto _ : state) {
        std::ifstream in(f.path, std::ios::binary);
        std::vector<std::string> lines;
        std::string line;
        while (std::getline(in, line)) {
            lines.push_back(line);
        }
        benchmark::DoNotOptimize(lines.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * f.bytes));
}
BENCHMARK(BM_RawReadIntoLines)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ReadFWB(benchmark::State& state) {
    Fixture& f = Shared();
    for (auto _ : state) {
        Book book;
        if (ReadFWB(f.path, book)) {
            state.SkipWithError("read failed");
        }
        benchmark::DoNotOptimize(book.PageCount());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * f.bytes));
}
BENCHMARK(BM_ReadFWB)->Unit(benchmark::kMillisecond)->UseRealTime();

// Includes flushing to disk and the rename: the price of never damaging the old file.
void BM_WriteFWB(benchmark::State& state) {
    Fixture& f = Shared();
    for (auto _ : state) {
        if (WriteFWB(f.book, f.writePath)) {
            state.SkipWithError("write failed");
        }
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * f.bytes));
}
BENCHMARK(BM_WriteFWB)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_FormatFWB(benchmark::State& state) {
    Fixture& f = Shared();
    for (auto _ : state) {
        benchmark::DoNotOptimize(FormatFWB(f.book).size());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * f.bytes));
}
BENCHMARK(BM_FormatFWB)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
