#include "cli/Commands.h"
#include "cli/CommandSupport.h"
#include "model/Book.h"
#include "model/ReadDocument.h"
#include "platform/AtomicFile.h"
#include "platform/gui/QtText.h"
#include "platform/StoredSettings.h"
#include "print/gui/PdfExport.h"
#include "print/gui/SheetPainter.h"
#include "refdb/ReferenceDatabase.h"

#include <charconv>
#include <cstdio>
#include <memory>
#include <QGuiApplication>

namespace waybill::cli {
namespace {

constexpr const char* kPdfUsage =
    "usage: waybill-cli pdf IN.fwb OUT.pdf [--pages A-B] [--refdb FILE]\n";

// "A-B" or "A": whole numbers, A not above B.
std::optional<PageRange> ParsePages(std::string_view text) {
    auto number = [](std::string_view digits) -> std::optional<int> {
        int value = 0;
        const auto [end, error] =
            std::from_chars(digits.data(), digits.data() + digits.size(), value);
        if (digits.empty() || error != std::errc{} || end != digits.data() + digits.size()) {
            return std::nullopt;
        }
        return value;
    };
    const std::size_t dash = text.find('-');
    const auto first = number(text.substr(0, dash));
    const auto last = dash == std::string_view::npos ? first : number(text.substr(dash + 1));
    if (!first || !last || *first < 1 || *last < *first) {
        return std::nullopt;
    }
    return PageRange{*first, *last};
}

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

int Pdf(const std::vector<std::string>& args, std::ostream&, std::ostream& err) {
    std::vector<std::string> files;
    std::optional<std::filesystem::path> refdb;
    std::optional<PageRange> pages;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--refdb" && i + 1 < args.size()) {
            refdb = args[++i];
        } else if (args[i] == "--pages" && i + 1 < args.size()) {
            pages = ParsePages(args[++i]);
            if (!pages) {
                err << "waybill-cli pdf: --pages takes A-B, whole page numbers from 1\n"
                    << kPdfUsage;
                return 2;
            }
        } else {
            files.push_back(args[i]);
        }
    }
    if (files.size() != 2) {
        err << kPdfUsage;
        return 2;
    }
    const std::filesystem::path in = files[0];
    const std::filesystem::path out = files[1];

    const auto opened = OpenReferenceDatabase(refdb.value_or(DefaultDatabase()));
    if (!opened.database) {
        PrintMessage(err, opened.error);
        return 1;
    }
    Book book;
    if (const auto failure = ReadDocument(in, book)) {
        PrintMessage(err, failure->text);
        return 1;
    }
    if (book.PageCount() == 0) {
        err << "The document has no pages; nothing was written.\n";
        return 1;
    }
    const PageRange range = pages.value_or(PageRange{1, book.PageCount()});
    if (range.last > book.PageCount()) {
        err << "The document has " << book.PageCount() << " pages; nothing was written.\n";
        return 1;
    }

    const auto application = StartPainting();
    const QString programFolder = FromUtf8(PathText(ProgramFolder()));
    if (!LoadDrawingFont(programFolder)) {
        err << "The drawing font fonts/ArialDT.ttf could not be loaded; another face is used.\n";
    }
    BlockAttribDefs attribDefs(*opened.database);
    BlockLibrary blocks;
    blocks.SetFolder(ProgramFolder() / "blocks");
    SheetSources sources{*opened.database, attribDefs, blocks, DrawingFontMeasurer()};
    const PdfDocument pdf = MakePdf(book, range, sources, FromUtf8(PathText(in.stem())));
    for (const UserMessage& message : pdf.messages) {
        PrintMessage(err, message.text);
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
