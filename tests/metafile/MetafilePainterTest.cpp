#include "platform/gui/MetafilePainter.h"

#include "WmfWriter.h"

#include <gtest/gtest.h>
#include <QImage>
#include <QPainter>

namespace waybill {
namespace {

using test::Rgb;
using test::WmfWriter;

constexpr std::uint32_t kRed = Rgb(255, 0, 0);
constexpr std::uint32_t kBlack = Rgb(0, 0, 0);

// A 2 x 1 inch drawing at 1000 units per inch, pens and brushes null unless a test sets one.
WmfWriter Drawing() {
    WmfWriter w;
    w.Placeable(0, 0, 2000, 1000, 1000);
    w.Select(w.CreatePen(5, 0, 0));
    w.Select(w.CreateBrush(1, 0));
    w.SetBkMode(1);
    return w;
}

Metafile Read(const WmfWriter& writer) {
    return ReadMetafile(writer.Bytes()).drawing.value_or(Metafile{});
}

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

QImage Render(const WmfWriter& writer, int width, int height) {
    return Picture(width, height, [&](QPainter& painter) {
        PaintMetafile(painter, Read(writer), QRectF(0, 0, width, height));
    });
}

bool IsWhite(const QImage& image, int x, int y) {
    return image.pixel(x, y) == qRgb(255, 255, 255);
}
bool IsDark(const QImage& image, int x, int y) {
    return qGray(image.pixel(x, y)) < 128;
}

// The box around every pixel that is not white; empty when there is none.
QRect Ink(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (!IsWhite(image, x, y)) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}

TEST(MetafilePainter, TheFrameIsStretchedOverTheTarget) {
    WmfWriter w = Drawing();
    w.Select(w.CreateBrush(0, kRed));
    w.Rectangle(500, 250, 1500, 750);
    // The frame at twice its shape's width: the rectangle keeps its place within it.
    const QImage wide = Render(w, 200, 100);
    EXPECT_EQ(wide.pixel(100, 50), qRgb(255, 0, 0));
    EXPECT_EQ(Ink(wide), QRect(50, 25, 100, 50));
    const QImage square = Render(w, 100, 100);
    EXPECT_EQ(Ink(square), QRect(25, 25, 50, 50));
}

TEST(MetafilePainter, NaturalSizeOnAnInchScaledSurface) {
    WmfWriter w = Drawing();
    w.Select(w.CreatePen(0, 0, kBlack));
    w.Rectangle(0, 0, 2000, 1000);
    const QImage image = Picture(300, 200, [&](QPainter& painter) {
        painter.scale(50, 50); // 50 pixels to the inch
        PaintMetafileNatural(painter, Read(w), QPointF(1, 1));
    });
    const QRect ink = Ink(image);
    EXPECT_NEAR(ink.left(), 50, 1);
    EXPECT_NEAR(ink.top(), 50, 1);
    EXPECT_NEAR(ink.width(), 100, 2);
    EXPECT_NEAR(ink.height(), 50, 2);
    EXPECT_TRUE(IsWhite(image, 100, 75)); // a hollow frame
}

TEST(MetafilePainter, UpwardWindowsAndThickPens) {
    WmfWriter w = Drawing();
    w.SetWindowOrg(0, 1000);
    w.SetWindowExt(2000, -1000);           // y runs upward from the bottom edge
    w.Select(w.CreatePen(0, 100, kBlack)); // a twentieth of the width
    w.MoveTo(0, 900);
    w.LineTo(2000, 900);
    const QImage image = Render(w, 200, 100);
    const QRect ink = Ink(image);
    EXPECT_NEAR(ink.center().y(), 10, 1); // near the top, not the bottom
    EXPECT_NEAR(ink.height(), 10, 2);
}

// From the start radial counter-clockwise to the end radial, over the whole 200 x 100 frame.
QImage Arc(std::uint16_t kind, WmfWriter::Pt start, WmfWriter::Pt end) {
    WmfWriter w = Drawing();
    w.Select(w.CreatePen(0, 0, kBlack));
    w.Select(w.CreateBrush(0, kBlack));
    w.ArcLike(kind, 0, 0, 2000, 1000, start, end);
    return Render(w, 200, 100);
}

TEST(MetafilePainter, ArcsRunCounterClockwiseFromStartToEnd) {
    // From the right (3 o'clock) to the top (12 o'clock): the upper-right quarter.
    const QImage pie = Arc(test::kWmfPie, {2000, 500}, {1000, 0});
    EXPECT_TRUE(IsDark(pie, 150, 30));
    EXPECT_TRUE(IsWhite(pie, 50, 30));
    EXPECT_TRUE(IsWhite(pie, 150, 70));
    EXPECT_TRUE(IsWhite(pie, 50, 70));
    // From the top round through the left to the bottom: the left half.
    const QImage chord = Arc(test::kWmfChord, {1000, 0}, {1000, 1000});
    EXPECT_TRUE(IsDark(chord, 40, 50));
    EXPECT_TRUE(IsWhite(chord, 160, 50));
    // The same radial twice: the whole ellipse, stroked only.
    const QImage ring = Arc(test::kWmfArc, {2000, 0}, {2000, 0});
    EXPECT_NEAR(Ink(ring).width(), 200, 2);
    EXPECT_NEAR(Ink(ring).height(), 100, 2);
    EXPECT_TRUE(IsWhite(ring, 100, 50));
}

TEST(MetafilePainter, FillRulesAndHatchBackground) {
    WmfWriter w = Drawing();
    w.Select(w.CreateBrush(0, kBlack));
    const std::vector<WmfWriter::Pt> outer{{0, 0}, {1000, 0}, {1000, 1000}, {0, 1000}};
    const std::vector<WmfWriter::Pt> inner{{250, 250}, {750, 250}, {750, 750}, {250, 750}};
    w.PolyPolygon({outer, inner}); // alternate: a hole in the middle
    w.SetBkMode(2);
    w.SetBkColor(Rgb(0, 0, 255));
    w.Select(w.CreateBrush(2, kRed, 0));
    w.Rectangle(1000, 0, 2000, 1000);
    const QImage image = Render(w, 200, 100);
    EXPECT_TRUE(IsDark(image, 10, 10));
    EXPECT_TRUE(IsWhite(image, 50, 50));
    int blue = 0;
    int red = 0;
    for (int y = 10; y < 90; ++y) {
        blue += image.pixel(150, y) == qRgb(0, 0, 255);
        red += image.pixel(150, y) == qRgb(255, 0, 0);
    }
    EXPECT_GT(blue, 0); // the opaque background between the hatch lines
    EXPECT_GT(red, 0);
    EXPECT_EQ(blue + red, 80);
}

// Renders one text with the given alignment at the middle of a 400 x 200 picture.
QImage TextPicture(std::uint16_t align, std::int16_t escapement = 0) {
    WmfWriter w = Drawing();
    w.Select(w.CreateFont(-200, "DejaVu Sans", escapement));
    w.SetTextAlign(align);
    w.TextOut(1000, 500, "HHHH");
    return Render(w, 400, 200);
}

TEST(MetafilePainter, TextAlignmentAroundTheReferencePoint) {
    const QRect leftTop = Ink(TextPicture(0));
    EXPECT_GE(leftTop.left(), 200);
    EXPECT_GE(leftTop.top(), 100);
    EXPECT_NEAR(leftTop.height(), 30, 6); // capitals of a 40-pixel em

    const QRect centreBase = Ink(TextPicture(kMetaAlignCenter | kMetaAlignBaseline));
    EXPECT_NEAR(centreBase.center().x(), 200, 3);
    EXPECT_NEAR(centreBase.bottom(), 99, 2);

    const QRect rightBottom = Ink(TextPicture(kMetaAlignRight | kMetaAlignBottom));
    EXPECT_LE(rightBottom.right(), 199); // the letter's side bearing is left of the point
    EXPECT_GE(rightBottom.right(), 192);
    EXPECT_LT(rightBottom.bottom(), 96); // above the descent

    const QRect turned = Ink(TextPicture(0, 900)); // reading upward
    EXPECT_GT(turned.height(), turned.width());
    EXPECT_LE(turned.bottom(), 101);
}

TEST(MetafilePainter, TextAdvancesColourAndOpaqueBox) {
    WmfWriter w = Drawing();
    w.Select(w.CreateFont(-200, "DejaVu Sans"));
    w.SetTextColor(kRed);
    w.ExtTextOut(0, 0, "II", {1500, 0}); // the second letter far to the right
    w.SetBkMode(2);
    w.SetBkColor(Rgb(0, 0, 255));
    w.TextOut(0, 600, "I");
    const QImage image = Render(w, 400, 200);
    const QRect spread = Ink(image.copy(0, 0, 400, 100));
    EXPECT_GT(spread.width(), 290);
    EXPECT_EQ(image.pixel(spread.left() + 2, spread.top() + 10), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(1, 125), qRgb(0, 0, 255)); // the box behind the text
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
