// Start-up to a shown main window on the shipped data: settings, the reference database,
// the drawing font, the window with its document, shown offscreen. The whole process (library
// loading, the platform, the first mapped window) is measured outside, against a bare window:
// see the README's performance notes.
#include "app/gui/frmWaybillMain.h"
#include "app/gui/ToolbarIcons.h"
#include "app/gui/WaybillMain.h"
#include "model/FwbFile.h"
#include "support/RecordingDialogService.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <QApplication>

namespace {

namespace fs = std::filesystem;
using namespace waybill;

// No settings at all, as on a first start.
class EmptySettings : public SettingsStore {
  public:
    std::string Read(std::string_view, std::string_view) const override { return {}; }
    void Write(std::string_view, std::string_view, std::string_view) override {}
};

const fs::path kProgram = WAYBILL_PROGRAM_DIR;

// The shipped default document's pages, repeated to `pages` pages, written to a file of the
// temporary folder; a job of that size is what the start-up must not slow down for.
fs::path WriteDocument(int pages) {
    Book shipped;
    ReadFWB(kProgram / "Default.fwb", shipped);
    Book book;
    for (int p = 0; p < pages; ++p) {
        const Page& page = *shipped.Pages()[static_cast<std::size_t>(p) % shipped.Pages().size()];
        book.Add(page.CadNumber, page.Finish, page.Description, page.PageData, AfterLastPage);
    }
    const fs::path path =
        fs::temp_directory_path() / ("waybill-bench-" + std::to_string(pages) + ".fwb");
    WriteFWB(book, path);
    return path;
}

void StartToShownWindow(benchmark::State& state, const QString& document) {
    EmptySettings settings;
    test::RecordingDialogService dialogs;
    const auto noDialog = [&state](QDialog&) {
        state.SkipWithError("a dialog was shown");
        return static_cast<int>(QDialog::Rejected);
    };
    for (auto _ : state) {
        WaybillMain module(QStringLiteral(WAYBILL_PROGRAM_DIR), settings);
        auto window = StartWaybill(module, dialogs, noDialog, document);
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(window->isVisible());
        state.PauseTiming();
        window.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    if (!dialogs.messages.empty()) {
        state.SkipWithError("a message was shown");
    }
}

void BM_StartupToShownWindow(benchmark::State& state) {
    StartToShownWindow(state, {});
}
BENCHMARK(BM_StartupToShownWindow)->Unit(benchmark::kMillisecond);

void BM_StartupWithSampleDocument(benchmark::State& state) {
    StartToShownWindow(state, QString::fromStdString(WriteDocument(29).string()));
}
BENCHMARK(BM_StartupWithSampleDocument)->Unit(benchmark::kMillisecond);

// Target: at most 15 ms over the sample, whole process.
void BM_StartupWith2000PageDocument(benchmark::State& state) {
    StartToShownWindow(state, QString::fromStdString(WriteDocument(2000).string()));
}
BENCHMARK(BM_StartupWith2000PageDocument)->Unit(benchmark::kMillisecond);

// The toolbar's icons, made at start from the pixels drawn when the program was built.
void BM_ToolbarIcons(benchmark::State& state) {
    const QStringList keys{"New",     "Open",   "Save",   "Print",      "Cut",    "Copy",   "Paste",
                           "FirstPg", "PrevPg", "NextPg", "LastPg",     "GotoPg", "CopyPg", "CutPg",
                           "PastePg", "AddPg",  "DelPg",  "EditAttrib", "Undo",   "Redo"};
    for (auto _ : state) {
        for (const QString& key : keys) {
            benchmark::DoNotOptimize(ToolbarIcon(key).isNull());
        }
    }
}
BENCHMARK(BM_ToolbarIcons)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
