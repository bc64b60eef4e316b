#include "print/gui/SheetPainter.h"

#include "metafile/gui/MetafilePainter.h"
#include "page/ChangeMarks.h"
#include "platform/gui/CornerText.h"
#include "platform/gui/QtText.h"
#include "print/PrintScale.h"

#include <cmath>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

namespace waybill {
namespace {

double Twips(double inches) {
    return inches * kSheetUnitsPerInch;
}

class SheetItemPainter {
  public:
    SheetItemPainter(QPainter& painter, const PrintSurface& surface) : painter_(painter) {
        const PenWidths pixels = surface.printer ? PrinterPenWidths(surface.dotsPerInchY)
                                                 : PicturePenWidths(surface.pixelRatio);
        // Device pixels per sheet twip, averaged over both directions of a stretched sheet.
        const QTransform t = painter.worldTransform();
        const double scale = (std::abs(t.m11()) + std::abs(t.m22())) / 2;
        const double unitsPerPixel = scale > 0 ? 1 / scale : 1;
        thin_ = pixels.thin * unitsPerPixel;
        medium_ = pixels.medium * unitsPerPixel;
        thick_ = pixels.thick * unitsPerPixel;
    }

    void operator()(const SheetLine& line) {
        Pen(line.pen);
        painter_.drawLine(QPointF(Twips(line.x1), Twips(line.y1)),
                          QPointF(Twips(line.x2), Twips(line.y2)));
    }

    void operator()(const SheetRectangle& box) {
        Pen(box.pen);
        painter_.setBrush(box.filled ? QBrush(Qt::black) : QBrush(Qt::NoBrush));
        painter_.drawRect(QRectF(QPointF(Twips(box.left), Twips(box.top)),
                                 QPointF(Twips(box.right), Twips(box.bottom)))
                              .normalized());
    }

    void operator()(const SheetText& text) {
        painter_.setRenderHint(QPainter::Antialiasing);
        painter_.setPen(Qt::black);
        PaintCornerText(painter_, DrawingFont(text.pointSize, text.bold),
                        QPointF(Twips(text.x), Twips(text.y)), text.rotation, FromCp1252(text.text),
                        text.condense);
    }

    void operator()(const SheetPicture& picture) {
        if (!picture.drawing) {
            return;
        }
        painter_.save();
        painter_.setRenderHint(QPainter::Antialiasing);
        PaintMetafile(painter_, *picture.drawing,
                      QRectF(Twips(picture.left), Twips(picture.top), Twips(picture.width),
                             Twips(picture.height)));
        painter_.restore();
    }

  private:
    void Pen(PenWeight weight) {
        const double width = weight == PenWeight::Thick    ? thick_
                             : weight == PenWeight::Medium ? medium_
                                                           : thin_;
        // Lines lie on whole pixels, crisp on pictures and exact on paper.
        painter_.setRenderHint(QPainter::Antialiasing, false);
        painter_.setPen(QPen(Qt::black, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    }

    QPainter& painter_;
    double thin_ = 1;
    double medium_ = 2;
    double thick_ = 3;
};

} // namespace

PrintSurface PagedSurface(const QPagedPaintDevice& device) {
    PrintSurface surface;
    surface.area = QRectF(0, 0, device.width(), device.height());
    surface.dotsPerInchX = device.logicalDpiX();
    surface.dotsPerInchY = device.logicalDpiY();
    surface.printer = true;
    return surface;
}

PaperLayout LetterLandscape() {
    constexpr double kMargin = 0.375;
    return {QSizeF(11, 8.5), QRectF(kMargin, kMargin, 11 - 2 * kMargin, 8.5 - 2 * kMargin)};
}

void SetPrintScale(QPainter& painter, const PrintSurface& surface) {
    const QRectF& area = surface.area;
    const SheetWindow window =
        PrintScale(area.width() / surface.dotsPerInchX, area.height() / surface.dotsPerInchY);
    QTransform transform;
    transform.translate(area.left(), area.top());
    transform.scale(area.width() / Twips(window.width), area.height() / Twips(window.height));
    transform.translate(-Twips(window.left), -Twips(window.top));
    painter.resetTransform();
    // What falls outside the printable area is cut, as the printer cuts it.
    painter.setClipRect(area);
    painter.setWorldTransform(transform);
    painter.setRenderHint(QPainter::TextAntialiasing);
}

PrintedSheet SheetOf(const Book& book, int page, SheetSources& sources,
                     const ChangeMarksOf& marks) {
    if (!marks) {
        return DescribeSheet(book, page, sources);
    }
    const PageChangeMarks pageMarks = marks(page);
    return DescribeSheet(book, page, sources, &pageMarks);
}

void PrintPage(QPainter& painter, const PrintSurface& surface, const PrintedSheet& sheet) {
    SheetItemPainter paint(painter, surface);
    for (const SheetItem& item : sheet.items) {
        std::visit(paint, item);
    }
}

QImage PaperPicture(const PrintedSheet& sheet, const PaperLayout& paper, double dotsPerInch,
                    double pixelRatio) {
    QImage image(static_cast<int>(std::round(paper.size.width() * dotsPerInch)),
                 static_cast<int>(std::round(paper.size.height() * dotsPerInch)),
                 QImage::Format_RGB32);
    image.fill(Qt::white);
    const double dotsPerMeter = dotsPerInch / 0.0254;
    image.setDotsPerMeterX(static_cast<int>(std::round(dotsPerMeter)));
    image.setDotsPerMeterY(static_cast<int>(std::round(dotsPerMeter)));
    PrintSurface surface;
    surface.area =
        QRectF(paper.printable.left() * dotsPerInch, paper.printable.top() * dotsPerInch,
               paper.printable.width() * dotsPerInch, paper.printable.height() * dotsPerInch);
    surface.dotsPerInchX = dotsPerInch;
    surface.dotsPerInchY = dotsPerInch;
    surface.pixelRatio = pixelRatio;
    QPainter painter(&image);
    SetPrintScale(painter, surface);
    PrintPage(painter, surface, sheet);
    return image;
}

QFont DrawingFont(double pointSize, bool bold) {
    QFont font(QStringLiteral("ArialDT"));
    // A point is 20 twips; sizes below a twip are never asked for.
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(pointSize * 20))));
    font.setBold(bold);
    // Outlines at their designed widths, so measured and drawn texts agree on every surface.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

SheetTextMeasurer DrawingFontMeasurer() {
    return [](std::string_view text, double pointSize, bool bold) {
        const QFontMetricsF metrics(DrawingFont(pointSize, bold));
        return TextExtent{metrics.horizontalAdvance(FromCp1252(text)) / kSheetUnitsPerInch,
                          metrics.height() / kSheetUnitsPerInch};
    };
}

bool LoadDrawingFont(const QString& programFolder) {
    if (QFontDatabase::families().contains(QStringLiteral("ArialDT"))) {
        return true;
    }
    return QFontDatabase::addApplicationFont(programFolder +
                                             QStringLiteral("/fonts/ArialDT.ttf")) >= 0;
}

} // namespace waybill
