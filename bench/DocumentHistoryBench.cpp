// The edit history: undo and redo of a cell edit on the largest page of the shipped default
// document, and the memory 1,000 cell edits on a 2,000-page document add. Steps share the
// pages they did not change, so the history should grow by about one page per edit, not by
// the document.
#include "model/Document.h"
#include "model/FwbFile.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <malloc.h>
#include <string>

namespace {

// Heap bytes in use (glibc's allocator statistics).
std::size_t LiveBytes() {
    return mallinfo2().uordblks;
}

} // namespace

namespace {

using namespace waybill;

Book DefaultDocument() {
    Book book;
    if (ReadFWB(WAYBILL_DATA_DIR "/Default.fwb", book)) {
        std::abort();
    }
    return book;
}

int LargestPage(const Book& book) {
    int largest = 1;
    for (int number = 1; number <= book.PageCount(); ++number) {
        if (book.GetPage(number).PageData.size() > book.GetPage(largest).PageData.size()) {
            largest = number;
        }
    }
    return largest;
}

// A cell edit as the window records it: the page's lines written back with one row changed.
void EditCell(Document& document, int pageNumber, int edit) {
    document.Record("Cell Edit", [&](Book& book) {
        book.GotoPage(pageNumber);
        PageLines& lines = book.GetPage(pageNumber).PageData;
        lines[lines.size() / 2] = "|ABOLT|AB" + std::to_string(edit) + "||1'-0|EDITED|56AB34|";
    });
}

void BM_UndoRedoCellEditOnLargestPage(benchmark::State& state) {
    Document document;
    Book book = DefaultDocument();
    const int page = LargestPage(book);
    document.Reset(std::move(book), "bench.fwb", false);
    EditCell(document, page, 1);
    for (auto _ : state) {
        document.Undo();
        document.Redo();
    }
    state.counters["page_lines"] =
        static_cast<double>(document.GetBook().GetPage(page).PageData.size());
}
BENCHMARK(BM_UndoRedoCellEditOnLargestPage);

void BM_RecordCellEditOnLargestPage(benchmark::State& state) {
    Document document;
    Book book = DefaultDocument();
    const int page = LargestPage(book);
    document.Reset(std::move(book), "bench.fwb", false);
    int edit = 0;
    for (auto _ : state) {
        EditCell(document, page, ++edit);
    }
}
BENCHMARK(BM_RecordCellEditOnLargestPage);

void BM_HistoryMemoryOf1000EditsOn2000Pages(benchmark::State& state) {
    const Book sample = DefaultDocument();
    for (auto _ : state) {
        state.PauseTiming();
        Book large;
        large.CopyHeaderFrom(sample);
        for (int i = 0; i < 2000; ++i) {
            large.AddPage(sample.GetPage(i % sample.PageCount() + 1), AfterLastPage);
        }
        Document document(1000);
        document.Reset(std::move(large), "bench.fwb", false);
        const std::size_t before = LiveBytes();
        std::size_t pageBytes = 0;
        state.ResumeTiming();
        for (int edit = 0; edit < 1000; ++edit) {
            EditCell(document, (edit * 7) % 2000 + 1, edit);
        }
        state.PauseTiming();
        const std::size_t after = LiveBytes();
        for (const auto& line : document.GetBook().GetPage(1).PageData) {
            pageBytes += line.capacity() + sizeof(std::string);
        }
        state.counters["history_bytes"] = static_cast<double>(after - before);
        state.counters["bytes_per_edit"] = static_cast<double>(after - before) / 1000;
        state.counters["page_bytes"] = static_cast<double>(pageBytes);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_HistoryMemoryOf1000EditsOn2000Pages)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
