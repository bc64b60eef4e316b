// Start-up to a shown main window on the shipped data: settings, the reference database,
// the drawing font, the window with its default document, shown offscreen.
#include "app/gui/frmWaybillMain.h"
#include "app/gui/WaybillMain.h"
#include "support/RecordingDialogService.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <map>
#include <QApplication>

namespace {

// No settings at all, as on a first start.
class EmptySettings : public waybill::SettingsStore {
  public:
    std::string Read(std::string_view, std::string_view) const override { return {}; }
    void Write(std::string_view, std::string_view, std::string_view) override {}
};

void BM_StartupToShownWindow(benchmark::State& state) {
    EmptySettings settings;
    waybill::test::RecordingDialogService dialogs;
    const auto noDialog = [&state](QDialog&) {
        state.SkipWithError("a dialog was shown");
        return static_cast<int>(QDialog::Rejected);
    };
    for (auto _ : state) {
        waybill::WaybillMain module(QStringLiteral(WAYBILL_PROGRAM_DIR), settings);
        auto window = waybill::StartWaybill(module, dialogs, noDialog, {});
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
BENCHMARK(BM_StartupToShownWindow)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
