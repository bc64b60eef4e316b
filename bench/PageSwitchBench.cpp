// Switching page in the editor: the session renders the next page, the page widget shows it
// and is painted, at the default window size. The target is a median under 16 ms (one frame)
// on the largest page of the default document.
#include "app/EditSession.h"
#include "model/FwbFile.h"
#include "page/gui/PageWidget.h"
#include "support/RecordingDialogService.h"

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QFontDatabase>
#include <QImage>

namespace {

using namespace waybill;

struct Editor {
    Editor()
        : opened(OpenReferenceDatabase(WAYBILL_REFERENCE_DB)), defs(*opened.database),
          session({opened.database.get(), &defs, WAYBILL_PROGRAM_DIR "/blocks"}, dialogs),
          page(dialogs), image(1024, 775, QImage::Format_ARGB32_Premultiplied) {
        ReadFWB(WAYBILL_PROGRAM_DIR "/Default.fwb", book);
        page.SetEnvironment(opened.database.get(), &defs, &session.Blocks(), &session);
        page.resize(image.size());
        page.show();
        session.SetPageArea(page.Area());
        session.SetListener([this](SessionChanges changes) {
            if (changes & SessionChange::PageShown) {
                page.ShowView(session.View());
            }
        });
    }

    void Load() { session.LoadBook(book); }

    // The page with the most page data: the most cells to lay out and encode.
    int LargestPage() const {
        int largest = 1;
        std::size_t most = 0;
        for (int n = 1; n <= book.PageCount(); ++n) {
            std::size_t size = 0;
            for (const auto& line : book.Pages()[static_cast<std::size_t>(n - 1)]->PageData) {
                size += line.size();
            }
            if (size > most) {
                most = size;
                largest = n;
            }
        }
        return largest;
    }

    void Switch(int to) {
        session.ShowPage(to);
        page.render(&image);
    }

    OpenedReferenceDatabase opened;
    BlockAttribDefs defs;
    test::RecordingDialogService dialogs;
    Book book;
    EditSession session;
    PageWidget page;
    QImage image;
};

Editor* editor = nullptr;

// Back and forth between two pages, so each iteration is one full page switch.
void Run(benchmark::State& state, int a, int b) {
    editor->Load();
    editor->session.ShowPage(a);
    bool toB = true;
    for (auto _ : state) {
        editor->Switch(toB ? b : a);
        toB = !toB;
    }
}

void BM_SwitchToLargestPage(benchmark::State& state) {
    const int largest = editor->LargestPage();
    Run(state, largest, largest > 1 ? largest - 1 : largest + 1);
}

// A page of blocks with attribute texts: every text is measured and placed.
void BM_SwitchToDrawingPage(benchmark::State& state) {
    editor->book.Add("trim22-01", "Polar White", "GUTTER",
                     {"ATTRIBLK: trim22", "|4|6 1/2|5 1/4|4 1/4|1/2|6|90|7 1/2|2201|20 1/2|",
                      "ATTRIBLK: gutter_strap", "|1'-0|10|1|90|90|2202|12|"},
                     AfterLastPage);
    const int drawing = editor->book.PageCount();
    Run(state, drawing - 1, drawing);
    editor->book.DeletePage(drawing);
    editor->Load();
}

BENCHMARK(BM_SwitchToLargestPage)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();
BENCHMARK(BM_SwitchToDrawingPage)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QFontDatabase::addApplicationFont(QStringLiteral(WAYBILL_PROGRAM_DIR "/fonts/ArialDT.ttf"));
    Editor shared;
    editor = &shared;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
