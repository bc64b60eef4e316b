// Showing a page and storing it back (render + compose) on the largest shipped page: the
// work the editor does on every page switch, before painting.
#include <benchmark/benchmark.h>

#include "model/FwbFile.h"
#include "page/PageData.h"

namespace {

using namespace waybill;

void BM_RenderAndComposeLargestPage(benchmark::State& state) {
    const auto opened = OpenReferenceDatabase(WAYBILL_REFERENCE_DB);
    Book book;
    if (!opened.database || ReadFWB(WAYBILL_DATA_DIR "/Default.fwb", book) ||
        book.PageCount() == 0) {
        state.SkipWithError("the shipped data cannot be read");
        return;
    }
    int largest = 1;
    std::size_t mostLines = 0;
    for (int p = 1; p <= book.PageCount(); ++p) {
        if (book.GetPage(p).PageData.size() > mostLines) {
            mostLines = book.GetPage(p).PageData.size();
            largest = p;
        }
    }
    book.GotoPage(largest);
    BlockAttribDefs defs(*opened.database);
    const RenderContext context{*opened.database, {1024, 774, 99.9, 99.9, 1}, &defs};
    PageView view;
    SetTblkInfo(view, book);
    for (auto _ : state) {
        RenderPageData(view, book, largest, context);
        ComposePageData(view, book);
    }
    state.SetLabel(book.GetPage(largest).CadNumber);
}
BENCHMARK(BM_RenderAndComposeLargestPage)->Unit(benchmark::kMicrosecond)->Iterations(1000);

} // namespace

BENCHMARK_MAIN();
