// Printing through the one sheet painter: a PDF of a 100-page document (target: at most 3 s)
// and one page step of the print preview on the largest page of the default document
// (target: at most 50 ms).
#include "model/Book.h"
#include "model/FwbFile.h"
#include "print/gui/PdfExport.h"
#include "print/gui/PrintPreview.h"
#include "support/RecordingDialogService.h"

#include <benchmark/benchmark.h>
#include <QApplication>

namespace {

using namespace waybill;

struct Printing {
    Printing()
        : opened(OpenReferenceDatabase(WAYBILL_REFERENCE_DB)),
          defs(*opened.database), sources{*opened.database, defs, blocks, DrawingFontMeasurer()} {
        LoadDrawingFont(QStringLiteral(WAYBILL_PROGRAM_DIR));
        blocks.SetFolder(WAYBILL_PROGRAM_DIR "/blocks");
        ReadFWB(WAYBILL_PROGRAM_DIR "/Default.fwb", book);
    }

    // The page whose sheet has the most drawing steps.
    int LargestPage() {
        int largest = 1;
        std::size_t most = 0;
        for (int n = 1; n <= book.PageCount(); ++n) {
            const std::size_t steps = DescribeSheet(book, n, sources).items.size();
            if (steps > most) {
                most = steps;
                largest = n;
            }
        }
        return largest;
    }

    OpenedReferenceDatabase opened;
    BlockAttribDefs defs;
    BlockLibrary blocks;
    SheetSources sources;
    Book book;
};

Printing* printing = nullptr;

void BM_Pdf100Pages(benchmark::State& state) {
    Book hundred;
    hundred.CopyHeaderFrom(printing->book);
    for (int n = 0; n < 100; ++n) {
        hundred.AddPage(
            *printing->book.Pages()[static_cast<std::size_t>(n) % printing->book.Pages().size()],
            AfterLastPage);
    }
    for (auto _ : state) {
        const PdfDocument pdf =
            MakePdf(hundred, {1, 100}, printing->sources, QStringLiteral("bench"));
        benchmark::DoNotOptimize(pdf.bytes.size());
    }
}

// What one page step costs: the sheet described and drawn into the hidden picture, then
// the scaled copy made.
void BM_PreviewPageStepLargestPage(benchmark::State& state) {
    test::RecordingDialogService dialogs;
    PrintPreview preview(
        printing->book.PageCount(), printing->LargestPage(),
        [](int page) { return DescribeSheet(printing->book, page, printing->sources); },
        LetterLandscape(), dialogs);
    for (auto _ : state) {
        preview.MakePreview();
        preview.DrawPreview();
    }
}

BENCHMARK(BM_Pdf100Pages)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_PreviewPageStepLargestPage)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Printing shared;
    printing = &shared;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
