// The window's print commands: Print, Printer Setup, Print Preview and Export PDF.
#include "app/gui/PrintWiring.h"

#include "app/gui/MainWindowActions.h"
#include "app/gui/WaybillMain.h"
#include "platform/gui/QtText.h"
#include "print/gui/PrintCommands.h"

#include <QAction>

namespace waybill {

void frmWaybillMain::CreatePrintActions() {
    Actions& a = *actions_;
    const auto make = [this](const char* name, const QString& text, const QKeySequence& keys,
                             auto command) {
        auto* action = new QAction(text, this);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, [this, command] { RunPrintCommand(command); });
        return action;
    };
    a.mnuFilePrintPreview = make("mnuFilePrintPreview", QStringLiteral("Print Pre&view"), {},
                                 [](PrintContext& context) { PreviewWaybill(context); });
    a.mnuFilePrint = make("mnuFilePrint", QStringLiteral("&Print..."), QKeySequence::Print,
                          [](PrintContext& context) { PrintWaybill(context); });
    a.mnuFilePrintSetup = make("mnuFilePrintSetup", QStringLiteral("Printer Set&up..."), {},
                               [](PrintContext& context) { SetUpPrinter(context); });
    a.mnuFileExportPdf =
        make("mnuFileExportPdf", QStringLiteral("Export P&DF..."),
             QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E),
             [this](PrintContext& context) { ExportPdf(context, document_.Path()); });
}

// The context is built for each command, so it names the document's book as it is now:
// Open, New and Undo replace that book.
void frmWaybillMain::RunPrintCommand(const std::function<void(PrintContext&)>& command) {
    if (!module_.database || !module_.attribDefs) {
        return; // nothing to describe a sheet with before the database is open
    }
    if (!printing_) {
        printing_ = std::make_unique<Printing>();
        printing_->blocks.SetFolder(FsPath(module_.programFolder + QStringLiteral("/blocks")));
    }
    SheetSources sources{*module_.database, *module_.attribDefs, printing_->blocks,
                         DrawingFontMeasurer()};
    PrintContext context{document_.GetBook(),         sources, dialogs_, printing_->printer,
                         [this] { ChkPgContents(); }, this,    runModal_};
    command(context);
}

} // namespace waybill
