#include "ToolbarDrawings.h"

#include <functional>
#include <map>
#include <QPainter>
#include <QPainterPath>

namespace waybill {
namespace {

using Drawing = std::function<void(QPainter&)>;

const QColor kOutline(60, 60, 60);
const QColor kPaper(255, 255, 255);
const QColor kArrow(30, 90, 170);

// A portrait sheet with a folded corner: documents and text.
void Sheet(QPainter& p, QRectF r) {
    const qreal fold = r.width() * 0.35;
    QPainterPath path;
    path.moveTo(r.topLeft());
    path.lineTo(r.right() - fold, r.top());
    path.lineTo(r.right(), r.top() + fold);
    path.lineTo(r.bottomRight());
    path.lineTo(r.bottomLeft());
    path.closeSubpath();
    p.setPen(QPen(kOutline, 1));
    p.setBrush(kPaper);
    p.drawPath(path);
    p.drawPolyline(QPolygonF{{r.right() - fold, r.top()},
                             {r.right() - fold, r.top() + fold},
                             {r.right(), r.top() + fold}});
}

// A landscape waybill sheet with its title block and grid: pages of the document.
void PageSheet(QPainter& p, QRectF r) {
    p.setPen(QPen(kOutline, 1));
    p.setBrush(kPaper);
    p.drawRect(r);
    const qreal titleTop = r.bottom() - r.height() * 0.3;
    p.setPen(QPen(QColor(120, 120, 120), 0.8));
    p.drawLine(QPointF(r.left(), titleTop), QPointF(r.right(), titleTop));
    for (int i = 1; i < 3; ++i) {
        const qreal y = r.top() + (titleTop - r.top()) * i / 3;
        p.drawLine(QPointF(r.left() + r.width() * 0.45, y), QPointF(r.right(), y));
    }
    p.drawLine(QPointF(r.left() + r.width() * 0.45, r.top()),
               QPointF(r.left() + r.width() * 0.45, titleTop));
}

void Scissors(QPainter& p, QPointF at, qreal size) {
    p.setPen(QPen(QColor(40, 40, 40), 1.4));
    p.setBrush(Qt::NoBrush);
    const qreal r = size * 0.18;
    p.drawEllipse(QPointF(at.x() - size * 0.25, at.y() + size * 0.3), r, r);
    p.drawEllipse(QPointF(at.x() + size * 0.25, at.y() + size * 0.3), r, r);
    p.drawLine(QPointF(at.x() - size * 0.15, at.y() + size * 0.15),
               QPointF(at.x() + size * 0.3, at.y() - size * 0.45));
    p.drawLine(QPointF(at.x() + size * 0.15, at.y() + size * 0.15),
               QPointF(at.x() - size * 0.3, at.y() - size * 0.45));
}

void Clipboard(QPainter& p, QRectF r) {
    p.setPen(QPen(kOutline, 1));
    p.setBrush(QColor(176, 124, 66));
    p.drawRoundedRect(r, 1.5, 1.5);
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(QRectF(r.center().x() - r.width() * 0.2, r.top() - 1, r.width() * 0.4, 3));
}

void Triangle(QPainter& p, QPointF tip, qreal width, qreal height, bool left) {
    const qreal back = left ? tip.x() + width : tip.x() - width;
    p.setPen(Qt::NoPen);
    p.setBrush(kArrow);
    p.drawPolygon(QPolygonF{tip, {back, tip.y() - height / 2}, {back, tip.y() + height / 2}});
}

void Bar(QPainter& p, qreal x) {
    p.setPen(Qt::NoPen);
    p.setBrush(kArrow);
    p.drawRect(QRectF(x, 6, 2.5, 12));
}

void Plus(QPainter& p, QPointF c) {
    p.setPen(QPen(QColor(20, 140, 40), 3, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(c.x() - 4.5, c.y()), QPointF(c.x() + 4.5, c.y()));
    p.drawLine(QPointF(c.x(), c.y() - 4.5), QPointF(c.x(), c.y() + 4.5));
}

void Cross(QPainter& p, QPointF c) {
    p.setPen(QPen(QColor(200, 30, 30), 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(c.x() - 4, c.y() - 4), QPointF(c.x() + 4, c.y() + 4));
    p.drawLine(QPointF(c.x() - 4, c.y() + 4), QPointF(c.x() + 4, c.y() - 4));
}

const std::map<QString, Drawing>& Drawings() {
    static const std::map<QString, Drawing> drawings{
        {QStringLiteral("New"), [](QPainter& p) { Sheet(p, QRectF(5, 2, 14, 19)); }},
        {QStringLiteral("Open"),
         [](QPainter& p) {
             p.setPen(QPen(QColor(150, 110, 20), 1));
             p.setBrush(QColor(240, 200, 80));
             p.drawPolygon(QPolygonF{{2, 6}, {9, 6}, {11, 8}, {21, 8}, {21, 19}, {2, 19}});
             p.setBrush(QColor(250, 222, 120));
             p.drawPolygon(QPolygonF{{5, 11}, {23, 11}, {20, 19}, {2, 19}});
         }},
        {QStringLiteral("Save"),
         [](QPainter& p) {
             p.setPen(QPen(QColor(20, 40, 90), 1));
             p.setBrush(QColor(50, 90, 170));
             p.drawRect(QRectF(3, 3, 18, 18));
             p.setBrush(kPaper);
             p.drawRect(QRectF(6, 3, 12, 7));
             p.setBrush(QColor(190, 190, 190));
             p.drawRect(QRectF(7, 14, 10, 7));
         }},
        {QStringLiteral("Print"),
         [](QPainter& p) {
             Sheet(p, QRectF(7, 2, 10, 9));
             p.setPen(QPen(kOutline, 1));
             p.setBrush(QColor(190, 190, 190));
             p.drawRoundedRect(QRectF(2, 9, 20, 9), 1.5, 1.5);
             p.setBrush(kPaper);
             p.drawRect(QRectF(6, 15, 12, 7));
         }},
        {QStringLiteral("Cut"), [](QPainter& p) { Scissors(p, QPointF(12, 11), 18); }},
        {QStringLiteral("Copy"),
         [](QPainter& p) {
             Sheet(p, QRectF(3, 2, 12, 15));
             Sheet(p, QRectF(9, 7, 12, 15));
         }},
        {QStringLiteral("Paste"),
         [](QPainter& p) {
             Clipboard(p, QRectF(3, 3, 14, 18));
             Sheet(p, QRectF(10, 8, 11, 14));
         }},
        {QStringLiteral("FirstPg"),
         [](QPainter& p) {
             Bar(p, 5);
             Triangle(p, QPointF(8, 12), 11, 12, true);
         }},
        {QStringLiteral("PrevPg"), [](QPainter& p) { Triangle(p, QPointF(6, 12), 11, 12, true); }},
        {QStringLiteral("NextPg"),
         [](QPainter& p) { Triangle(p, QPointF(18, 12), 11, 12, false); }},
        {QStringLiteral("LastPg"),
         [](QPainter& p) {
             Triangle(p, QPointF(16, 12), 11, 12, false);
             Bar(p, 16.5);
         }},
        {QStringLiteral("GotoPg"),
         [](QPainter& p) {
             PageSheet(p, QRectF(7, 5, 15, 11));
             p.setPen(QPen(kArrow, 2.2, Qt::SolidLine, Qt::RoundCap));
             p.drawLine(QPointF(2, 19), QPointF(9, 19));
             Triangle(p, QPointF(13, 19), 5, 7, false);
         }},
        {QStringLiteral("CopyPg"),
         [](QPainter& p) {
             PageSheet(p, QRectF(2, 4, 14, 10));
             PageSheet(p, QRectF(8, 10, 14, 10));
         }},
        {QStringLiteral("CutPg"),
         [](QPainter& p) {
             PageSheet(p, QRectF(2, 3, 16, 11));
             Scissors(p, QPointF(16, 15), 12);
         }},
        {QStringLiteral("PastePg"),
         [](QPainter& p) {
             Clipboard(p, QRectF(2, 3, 13, 18));
             PageSheet(p, QRectF(8, 10, 14, 10));
         }},
        {QStringLiteral("AddPg"),
         [](QPainter& p) {
             PageSheet(p, QRectF(2, 3, 16, 11));
             Plus(p, QPointF(17, 17));
         }},
        {QStringLiteral("DelPg"),
         [](QPainter& p) {
             PageSheet(p, QRectF(2, 3, 16, 11));
             Cross(p, QPointF(17, 17));
         }},
        {QStringLiteral("EditAttrib"),
         [](QPainter& p) {
             PageSheet(p, QRectF(2, 3, 16, 11));
             // A pencil over the sheet: the block's texts are edited.
             p.setPen(QPen(kOutline, 1));
             p.setBrush(QColor(240, 190, 60));
             p.drawPolygon(QPolygonF{{10, 21}, {11, 16}, {20, 7}, {23, 10}, {14, 19}});
             p.setBrush(kOutline);
             p.drawPolygon(QPolygonF{{10, 21}, {10.6, 18}, {13, 20.4}});
         }},
        {QStringLiteral("Undo"),
         [](QPainter& p) {
             p.setPen(QPen(kArrow, 2.4, Qt::SolidLine, Qt::RoundCap));
             p.setBrush(Qt::NoBrush);
             QPainterPath path;
             path.moveTo(8, 9);
             path.cubicTo(16, 9, 21, 12, 19, 19);
             p.drawPath(path);
             Triangle(p, QPointF(3, 9), 6, 9, true);
         }},
        {QStringLiteral("Redo"),
         [](QPainter& p) {
             p.setPen(QPen(kArrow, 2.4, Qt::SolidLine, Qt::RoundCap));
             p.setBrush(Qt::NoBrush);
             QPainterPath path;
             path.moveTo(16, 9);
             path.cubicTo(8, 9, 3, 12, 5, 19);
             p.drawPath(path);
             Triangle(p, QPointF(21, 9), 6, 9, false);
         }},
    };
    return drawings;
}

} // namespace

std::vector<QString> ToolbarDrawingKeys() {
    std::vector<QString> keys;
    for (const auto& [key, drawing] : Drawings()) {
        keys.push_back(key);
    }
    return keys;
}

QImage DrawToolbarPicture(const QString& key, int scale) {
    const auto found = Drawings().find(key);
    if (found == Drawings().end()) {
        return {};
    }
    QImage image(QSize(kToolbarPictureSize, kToolbarPictureSize) * scale,
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    found->second(painter);
    return image;
}

} // namespace waybill
