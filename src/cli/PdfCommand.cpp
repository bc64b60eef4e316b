// waybill-cli pdf (Pdf, cli/Commands.h), built with the editor only: it paints the sheets.
#include "app/ProgramFolder.h"
#include "cli/Commands.h"
#include "cli/CommandSupport.h"
#include "model/Book.h"
#include "platform/AtomicFile.h"
#include "platform/Cp1252.h"
#include "platform/gui/QtText.h"
#include "print/gui/PdfExport.h"
#include "print/gui/SheetPainter.h"
#include "refdb/ReferenceDatabase.h"

#include <cstdio>
#include <memory>
#include <QGuiApplication>

namespace waybill::cli {
namespace {

// Painting needs a GUI application; a command-line tool never shows a window, so it takes
// the offscreen platform and needs no display.
std::unique_ptr<QGuiApplication> StartPainting() {
    if (QCoreApplication::instance() != nullptr) {
        return nullptr;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's notes about the session (no runtime folder and the like) are not the user's
    // business; real failures still reach the terminal.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtCriticalMsg || type == QtFatalMsg) {
            std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
        }
    });
    static int argc = 1;
    static char name[] = "waybill-cli";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace

CommandStatus Pdf(const CommandArguments& args, std::ostream&, std::ostream& err) {
    std::optional<PageSpan> pages;
    if (const auto text = args.Option("--pages")) {
        pages = ParsePageSpan(*text);
        if (!pages) {
            return WrongUsage{"--pages takes A-B, whole page numbers from 1"};
        }
    }
    const std::filesystem::path in = PathFromUtf8(args.positional[0]);
    const std::filesystem::path out = PathFromUtf8(args.positional[1]);

    const auto read = ReadInput(args, err);
    if (!read) {
        return 1;
    }
    const Book& book = read->book;
    if (book.PageCount() == 0) {
        err << "The document has no pages; nothing was written.\n";
        return 1;
    }
    const PageRange range =
        pages ? PageRange{pages->first, pages->last} : PageRange{1, book.PageCount()};
    if (range.last > book.PageCount()) {
        err << "The document has " << book.PageCount() << " pages; nothing was written.\n";
        return 1;
    }

    const auto application = StartPainting();
    const std::filesystem::path programFolder = ProgramFolder();
    if (!LoadDrawingFont(FromPath(programFolder))) {
        err << "The drawing font fonts/ArialDT.ttf could not be loaded; another face is used.\n";
    }
    BlockAttribDefs attribDefs(*read->database);
    BlockLibrary blocks;
    blocks.SetFolder(programFolder / "blocks");
    SheetSources sources{*read->database, attribDefs, blocks, DrawingFontMeasurer()};
    const PdfDocument pdf = MakePdf(book, range, sources, FromPath(in.stem()));
    for (const UserMessage& message : pdf.messages) {
        PrintMessage(err, message.text);
    }
    if (!MayWriteOutput(out, err, args.Flag("--force"))) {
        return 1;
    }
    if (const std::string failure =
            WriteFileAtomically(out, std::string_view(pdf.bytes.constData(),
                                                      static_cast<std::size_t>(pdf.bytes.size())));
        !failure.empty()) {
        PrintMessage(err, failure);
        return 1;
    }
    return 0;
}

} // namespace waybill::cli
