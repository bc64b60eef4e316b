#include "print/gui/PrintCommands.h"

#include "model/Book.h"
#include "platform/AtomicFile.h"
#include "platform/gui/DialogService.h"
#include "platform/gui/QtText.h"
#include "print/gui/PdfExport.h"
#include "print/gui/PrintPreview.h"

#include <algorithm>
#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace waybill {
namespace {

UserMessage PrinterFailedMessage() {
    return {"The printer could not be started; nothing was printed.", "Waybill",
            MessageIcon::Exclamation};
}

UserMessage PdfWriteFailedMessage(const std::string& path, const std::string& reason) {
    return {"Cannot write " + path + ".\r" + reason, "File Error", MessageIcon::Exclamation};
}

// Each distinct message once: a grid missing from every page is told once per command.
void ShowDistinct(DialogService& dialogs, const std::vector<UserMessage>& messages) {
    std::vector<UserMessage> shown;
    for (const UserMessage& message : messages) {
        if (std::find(shown.begin(), shown.end(), message) == shown.end()) {
            shown.push_back(message);
            dialogs.ShowMessage(message);
        }
    }
}

// The printer in landscape while it lives; its orientation as it was afterwards.
class LandscapeWhile {
  public:
    explicit LandscapeWhile(QPrinter& printer)
        : printer_(printer), saved_(printer.pageLayout().orientation()) {
        printer_.setPageOrientation(QPageLayout::Landscape);
    }
    ~LandscapeWhile() { printer_.setPageOrientation(saved_); }
    LandscapeWhile(const LandscapeWhile&) = delete;
    LandscapeWhile& operator=(const LandscapeWhile&) = delete;

  private:
    QPrinter& printer_;
    QPageLayout::Orientation saved_;
};

// The print dialog's request, offering the change marks while comparing.
PrintDialogRequest RequestFor(const PrintContext& context, const QString& title, int current) {
    PrintDialogRequest request{title, 1, context.book.PageCount(), current, current};
    if (!context.markBase.isEmpty() && context.changeMarks) {
        request.markOption = QStringLiteral("&Mark changes since %1").arg(context.markBase);
    }
    return request;
}

// The marks the user asked for; none without the option.
ChangeMarksOf MarksChosen(const PrintContext& context, const PrintChoice& choice) {
    return choice.markChanges && !context.markBase.isEmpty() ? context.changeMarks
                                                             : ChangeMarksOf();
}

PageRange RangeOf(const std::optional<PrintChoice>& choice, int pageCount) {
    if (!choice || !choice->range) {
        return {1, pageCount};
    }
    const int first = std::clamp(choice->from, 1, pageCount);
    return {first, std::clamp(choice->to, first, pageCount)};
}

} // namespace

void PrintWaybill(PrintContext& context) {
    if (context.storePage) {
        context.storePage();
    }
    const Book& book = context.book;
    if (book.PageCount() == 0) {
        return;
    }
    LandscapeWhile landscape(context.printer);
    const int current = std::max(1, book.CurPage());
    const auto choice = context.dialogs.GetPrintChoice(
        context.printer, RequestFor(context, QStringLiteral("Print Waybill"), current));
    if (!choice) {
        return;
    }
    const PageRange range = RangeOf(choice, book.PageCount());
    const ChangeMarksOf marks = MarksChosen(context, *choice);
    std::vector<UserMessage> messages;
    bool started = false;
    {
        BusyWhile busy(context.dialogs);
        QPainter painter;
        started = painter.begin(&context.printer);
        if (started) {
            const PrintSurface surface = PagedSurface(context.printer);
            for (int page = range.first; page <= range.last; ++page) {
                if (page > range.first) {
                    context.printer.newPage();
                }
                const PrintedSheet sheet = SheetOf(book, page, context.sources, marks);
                messages.insert(messages.end(), sheet.messages.begin(), sheet.messages.end());
                SetPrintScale(painter, surface);
                PrintPage(painter, surface, sheet);
            }
            painter.end();
        }
    }
    if (!started) {
        messages.push_back(PrinterFailedMessage());
    }
    ShowDistinct(context.dialogs, messages);
}

void SetUpPrinter(PrintContext& context) {
    context.dialogs.SetUpPrinter(context.printer, QStringLiteral("Printer Setup"));
}

PaperLayout PaperOf(const QPrinter& printer) {
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        return LetterLandscape();
    }
    QPageLayout layout = printer.pageLayout();
    layout.setOrientation(QPageLayout::Landscape);
    const QRectF full = layout.fullRect(QPageLayout::Inch);
    return {full.size(), layout.paintRect(QPageLayout::Inch)};
}

void PreviewWaybill(PrintContext& context) {
    if (context.storePage) {
        context.storePage();
    }
    const Book& book = context.book;
    if (book.PageCount() == 0) {
        return; // no page to show
    }
    LandscapeWhile landscape(context.printer);
    PrintPreview preview(
        book.PageCount(), book.CurPage(),
        [&context](int page) { return DescribeSheet(context.book, page, context.sources); },
        PaperOf(context.printer), context.dialogs, context.parent);
    if (context.runModal) {
        context.runModal(preview);
    } else {
        preview.exec();
    }
}

QString PdfFileName(const std::string& docPath) {
    if (docPath.empty()) {
        return QStringLiteral("Untitled.pdf");
    }
    std::string name = docPath.substr(docPath.find_last_of("\\/") + 1);
    const std::size_t dot = name.find_last_of('.');
    if (dot != std::string::npos && dot > 0) {
        name.erase(dot);
    }
    return FromUtf8(name + ".pdf");
}

std::optional<PdfWritten> ExportPdf(PrintContext& context, const std::string& docPath) {
    if (context.storePage) {
        context.storePage();
    }
    const Book& book = context.book;
    if (book.PageCount() == 0) {
        return std::nullopt;
    }
    const int current = std::max(1, book.CurPage());
    const auto choice =
        context.dialogs.GetPageRange(RequestFor(context, QStringLiteral("Export PDF"), current));
    if (!choice) {
        return std::nullopt;
    }
    FileQuestion question;
    question.save = true;
    question.title = "Export PDF";
    question.filter = "PDF Files (*.pdf)|*.pdf|All Files (*.*)|*.*";
    question.fileName = ToUtf8(PdfFileName(docPath));
    question.startFolder = ToUtf8(context.exportFolder);
    question.defaultExtension = "pdf";
    const std::optional<std::string> chosen = context.dialogs.AskForFile(question);
    if (!chosen) {
        return std::nullopt;
    }
    const QString path = FromUtf8(*chosen);
    if (context.mayWriteOver && !context.mayWriteOver(FsPath(path))) {
        return std::nullopt;
    }
    const PageRange range = RangeOf(choice, book.PageCount());
    PdfDocument pdf;
    std::string failure;
    {
        BusyWhile busy(context.dialogs);
        pdf = MakePdf(book, range, context.sources, QFileInfo(path).completeBaseName(),
                      MarksChosen(context, *choice));
        failure = WriteFileAtomically(
            FsPath(path),
            std::string_view(pdf.bytes.constData(), static_cast<std::size_t>(pdf.bytes.size())));
    }
    ShowDistinct(context.dialogs, pdf.messages);
    if (!failure.empty()) {
        context.dialogs.ShowMessage(PdfWriteFailedMessage(ToCp1252(path), failure));
        return std::nullopt;
    }
    return PdfWritten{range.last - range.first + 1, path};
}

QString PdfWrittenNote(const PdfWritten& written) {
    return QStringLiteral("%1 page(s) written to %2.")
        .arg(written.pages)
        .arg(QDir::toNativeSeparators(written.path));
}

} // namespace waybill
