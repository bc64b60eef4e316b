#include "platform/gui/MetafilePainter.h"

#include "WmfWriter.h"

#include <gtest/gtest.h>
#include <QImage>
#include <QPainter>

namespace waybill {
namespace {

using test::Rgb;
using test::WmfWriter;

// A white picture with whatever `paint` draws on it.
template <typename Paint> QImage Picture(int width, int height, Paint paint) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        paint(painter);
    }
    return image;
}

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

bool IsDark(const QImage& image, int x, int y) {
    return qGray(image.pixel(x, y)) < 128;
}

// The frame is stretched over the target, whatever its shape: the rectangle keeps its place.
TEST(MetafilePainter, TheFrameIsStretchedOverTheTarget) {
    WmfWriter w;
    w.Placeable(0, 0, 2000, 1000, 1000);
    w.Select(w.CreatePen(5, 0, 0));
    w.Select(w.CreateBrush(0, Rgb(255, 0, 0)));
    w.Rectangle(500, 250, 1500, 750);
    const Metafile drawing = ReadMetafile(w.Bytes()).drawing.value();
    for (const QSize size : {QSize(200, 100), QSize(100, 100)}) {
        const QImage image = Picture(size.width(), size.height(), [&](QPainter& painter) {
            PaintMetafile(painter, drawing, QRectF(QPointF(0, 0), size));
        });
        EXPECT_EQ(image.pixel(size.width() / 2, 50), qRgb(255, 0, 0));
        EXPECT_EQ(Ink(image), QRect(size.width() / 4, 25, size.width() / 2, 50));
    }
}

TEST(MetafilePainter, UnreadableBlockDrawsAFramedName) {
    const MetafileResult bad = ReadMetafile("not a metafile");
    ASSERT_FALSE(bad.Ok());
    const QImage image = Picture(200, 100, [&](QPainter& painter) {
        PaintBlock(painter, bad, QRectF(0, 0, 199, 99), "trim20");
    });
    EXPECT_TRUE(IsDark(image, 0, 50));
    EXPECT_TRUE(IsDark(image, 199, 50));
    EXPECT_TRUE(IsDark(image, 100, 99));
    EXPECT_FALSE(Ink(image.copy(2, 2, 100, 15)).isEmpty()); // the name, top left
    EXPECT_TRUE(Ink(image.copy(2, 30, 190, 60)).isEmpty());
}

} // namespace
} // namespace waybill
