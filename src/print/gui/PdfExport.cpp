#include "print/gui/PdfExport.h"

#include "print/gui/SheetPainter.h"

#include <algorithm>
#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace waybill {

PdfDocument MakePdf(const Book& book, PageRange pages, SheetSources& sources, const QString& title,
                    const ChangeMarksOf& marks) {
    PdfDocument pdf;
    QBuffer buffer(&pdf.bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setCreator(QStringLiteral("Waybill"));
        writer.setTitle(title);
        // Fine enough that the pens keep their printed widths (3/128 inch at 1200 dpi).
        writer.setResolution(1200);
        const PaperLayout paper = LetterLandscape();
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Landscape,
                                         QMarginsF(paper.printable.left(), paper.printable.top(),
                                                   paper.size.width() - paper.printable.right(),
                                                   paper.size.height() - paper.printable.bottom()),
                                         QPageLayout::Inch));
        QPainter painter(&writer);
        const PrintSurface surface = PagedSurface(writer);
        for (int page = pages.first; page <= pages.last; ++page) {
            if (page > pages.first) {
                writer.newPage();
            }
            const PrintedSheet sheet = SheetOf(book, page, sources, marks);
            for (const UserMessage& message : sheet.messages) {
                if (std::find(pdf.messages.begin(), pdf.messages.end(), message) ==
                    pdf.messages.end()) {
                    pdf.messages.push_back(message);
                }
            }
            SetPrintScale(painter, surface);
            PrintPage(painter, surface, sheet);
        }
    }
    return pdf;
}

} // namespace waybill
