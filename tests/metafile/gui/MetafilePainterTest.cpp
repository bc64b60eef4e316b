#include "metafile/gui/MetafilePainter.h"

#include "support/WmfWriter.h"

#include <gtest/gtest.h>
#include <QImage>
#include <QPainter>

namespace waybill {
namespace {

// The box around every pixel that is not white; empty when there is none.
QRect Ink(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != qRgb(255, 255, 255)) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}

// The frame is stretched over the target, whatever its shape: the rectangle keeps its place.
TEST(MetafilePainter, TheFrameIsStretchedOverTheTarget) {
    test::WmfWriter w;
    w.Placeable(0, 0, 2000, 1000, 1000);
    w.Select(w.CreatePen(5, 0, 0));
    w.Select(w.CreateBrush(0, test::Rgb(255, 0, 0)));
    w.Rectangle(500, 250, 1500, 750);
    const Metafile drawing = ReadMetafile(w.Bytes()).drawing.value();
    for (const QSize size : {QSize(200, 100), QSize(100, 100)}) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        PaintMetafile(painter, drawing, QRectF(QPointF(0, 0), size));
        painter.end();
        EXPECT_EQ(image.pixel(size.width() / 2, 50), qRgb(255, 0, 0));
        EXPECT_EQ(Ink(image), QRect(size.width() / 4, 25, size.width() / 2, 50));
    }
}

TEST(MetafilePainter, UnreadableBlockDrawsAFramedName) {
    const MetafileResult bad = ReadMetafile("not a metafile");
    ASSERT_FALSE(bad.Ok());
    QImage image(200, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintBlock(painter, bad, QRectF(0, 0, 199, 99), "trim20");
    painter.end();
    for (const QPoint frame : {QPoint(0, 50), QPoint(199, 50), QPoint(100, 99)}) {
        EXPECT_LT(qGray(image.pixel(frame)), 128) << frame.x() << ", " << frame.y();
    }
    EXPECT_FALSE(Ink(image.copy(2, 2, 100, 15)).isEmpty()); // the name, top left
    EXPECT_TRUE(Ink(image.copy(2, 30, 190, 60)).isEmpty());
}

} // namespace
} // namespace waybill
