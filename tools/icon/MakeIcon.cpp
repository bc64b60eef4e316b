// Draws the program icon (a shipping-list sheet: title band, line-item grid, a formed trim
// profile) at 256 pixels, which desktops scale down. The PNG it writes is committed in data/.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

namespace {

QImage Draw(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);

    // The sheet with a folded corner.
    QPainterPath sheet;
    sheet.moveTo(8, 4);
    sheet.lineTo(46, 4);
    sheet.lineTo(56, 14);
    sheet.lineTo(56, 60);
    sheet.lineTo(8, 60);
    sheet.closeSubpath();
    p.setPen(QPen(QColor(40, 52, 70), 2));
    p.setBrush(QColor(250, 250, 245));
    p.drawPath(sheet);
    p.setBrush(QColor(210, 214, 220));
    p.drawPolygon(QPolygonF({QPointF(46, 4), QPointF(46, 14), QPointF(56, 14)}));

    // The trim profile drawing.
    p.setPen(QPen(QColor(25, 90, 160), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({QPointF(14, 12), QPointF(14, 26), QPointF(30, 26),
                              QPointF(36, 18), QPointF(40, 18)}));

    // The line-item grid.
    p.setPen(QPen(QColor(90, 100, 115), 1.2));
    for (int y = 32; y <= 52; y += 5) {
        p.drawLine(QPointF(13, y), QPointF(51, y));
    }
    for (double x : {13.0, 24.0, 32.0, 51.0}) {
        p.drawLine(QPointF(x, 32), QPointF(x, 52));
    }
    // The title band.
    p.fillRect(QRectF(9, 54.5, 46, 4.5), QColor(25, 90, 160));
    return image;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_icon OUTPUT_FOLDER\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    return Draw(256).save(folder + "/Waybill.png") ? 0 : 1;
}
