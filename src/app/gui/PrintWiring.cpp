// The window's print commands (WindowCommands.h): Print, Printer Setup, Print Preview and
// Export PDF.
#include "app/EditSession.h"
#include "app/gui/WaybillMain.h"
#include "app/gui/WindowCommands.h"
#include "platform/gui/QtText.h"
#include "print/gui/PrintCommands.h"

#include <QMainWindow>
#include <QPrinter>
#include <QStatusBar>

namespace waybill {

PrintWiring::PrintWiring(WindowParts parts) : w_(std::move(parts)) {}

PrintWiring::~PrintWiring() = default;

// The context is built for each command, so it names the document's book as it is now:
// Open, New and Undo replace that book.
void PrintWiring::Run(const std::function<void(PrintContext&)>& command) {
    if (!w_.module.database || !w_.module.attribDefs) {
        return; // nothing to describe a sheet with before the database is open
    }
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>();
    }
    SheetSources sources{*w_.module.database, *w_.module.attribDefs, w_.session.Blocks(),
                         DrawingFontMeasurer()};
    PrintContext context{w_.session.Waybill(),
                         sources,
                         w_.dialogs,
                         *printer_,
                         [this] { w_.session.StoreTyping(); },
                         &w_.window,
                         w_.runModal};
    if (const Comparison& comparison = w_.session.Compared(); comparison.Active()) {
        context.markBase = FromUtf8(comparison.BaseName());
        context.changeMarks = [&comparison](int page) { return comparison.MarksFor(page); };
    }
    command(context);
}

void PrintWiring::ExportPdf() {
    Run([this](PrintContext& context) {
        context.exportFolder = FromUtf8(w_.session.Files().StartFolder(FileDialogKind::Export));
        context.mayWriteOver = [this](const std::filesystem::path& file) {
            return w_.session.Files().MayExportOver(file);
        };
        if (const auto written = waybill::ExportPdf(context, w_.session.Doc().Path())) {
            w_.window.statusBar()->showMessage(PdfWrittenNote(*written));
        }
    });
}

} // namespace waybill
