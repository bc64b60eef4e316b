#include "metafile/gui/MetafilePainter.h"

#include "platform/Cp1252.h"
#include "platform/gui/QtText.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace waybill {
namespace {

constexpr double kDefaultFontPoints = 12; // what a font of height 0 gets, as on a printer

QColor ToQColor(MetaColor c) {
    return QColor(c.r, c.g, c.b);
}

// Maps the frame's unit square onto the target rectangle.
class FrameMap {
  public:
    FrameMap(const QRectF& target, const Metafile& drawing) : target_(target) {
        unitsPerInch_ = drawing.heightInches > 0 ? target.height() / drawing.heightInches : 0;
    }

    QPointF Point(MetaPoint p) const {
        return {target_.left() + p.x * target_.width(), target_.top() + p.y * target_.height()};
    }
    QPolygonF Polygon(const std::vector<MetaPoint>& points, std::size_t from,
                      std::size_t count) const {
        QPolygonF polygon;
        polygon.reserve(static_cast<qsizetype>(count));
        for (std::size_t i = from; i < from + count; ++i) {
            polygon << Point(points[i]);
        }
        return polygon;
    }
    QRectF Box(MetaPoint a, MetaPoint b) const { return QRectF(Point(a), Point(b)).normalized(); }
    double Width(double fraction) const { return fraction * std::abs(target_.width()); }
    double Height(double fraction) const { return fraction * std::abs(target_.height()); }
    double DefaultFontHeight() const { return kDefaultFontPoints / 72 * unitsPerInch_; }

  private:
    QRectF target_;
    double unitsPerInch_ = 0;
};

// How many device pixels one painter unit covers, measured along y.
double DeviceScale(const QPainter& painter) {
    const QTransform t = painter.deviceTransform();
    return std::hypot(t.m21(), t.m22());
}

QPen ToQPen(const MetaPen& pen, const FrameMap& map, double deviceScale) {
    if (pen.style == MetaPenStyle::Null) {
        return Qt::NoPen;
    }
    // Lines thinner than a device pixel draw one pixel wide (a cosmetic pen), so thin
    // lines never vanish on screen.
    const double width = map.Width(pen.width);
    QPen qpen(ToQColor(pen.color), width * deviceScale < 1 ? 0 : width);
    switch (pen.style) {
    case MetaPenStyle::Dash:
        qpen.setStyle(Qt::DashLine);
        break;
    case MetaPenStyle::Dot:
        qpen.setStyle(Qt::DotLine);
        break;
    case MetaPenStyle::DashDot:
        qpen.setStyle(Qt::DashDotLine);
        break;
    case MetaPenStyle::DashDotDot:
        qpen.setStyle(Qt::DashDotDotLine);
        break;
    default:
        break;
    }
    qpen.setCapStyle(qpen.style() == Qt::SolidLine ? Qt::RoundCap : Qt::FlatCap);
    qpen.setJoinStyle(Qt::RoundJoin);
    return qpen;
}

QBrush ToQBrush(const MetaBrush& brush) {
    static constexpr Qt::BrushStyle kHatches[] = {Qt::HorPattern,   Qt::VerPattern,
                                                  Qt::FDiagPattern, Qt::BDiagPattern,
                                                  Qt::CrossPattern, Qt::DiagCrossPattern};
    switch (brush.style) {
    case MetaBrushStyle::Solid:
        return QBrush(ToQColor(brush.color));
    case MetaBrushStyle::Null:
        return Qt::NoBrush;
    case MetaBrushStyle::Hatched:
        return QBrush(ToQColor(brush.color), kHatches[std::clamp(brush.hatch, 0, 5)]);
    case MetaBrushStyle::Pattern:
        return QBrush(ToQColor(brush.color), Qt::Dense4Pattern);
    }
    return Qt::NoBrush;
}

// The parametric angle, in degrees, at which the radial through `toward` meets the ellipse
// of `box`: Qt's arcs take their angles that way.
double EllipseAngle(const QRectF& box, QPointF toward) {
    const QPointF d = toward - box.center();
    if (box.width() <= 0 || box.height() <= 0) {
        return 0;
    }
    return std::atan2(-d.y() * box.width(), d.x() * box.height()) * 180 / std::numbers::pi;
}

QPainterPath ArcPath(const MetaFigure& figure, const FrameMap& map) {
    const QRectF box = map.Box(figure.points[0], figure.points[1]);
    const double start = EllipseAngle(box, map.Point(figure.points[2]));
    double sweep = EllipseAngle(box, map.Point(figure.points[3])) - start;
    while (sweep <= 0) {
        sweep += 360; // counter-clockwise, the whole ellipse when both radials agree
    }
    QPainterPath path;
    if (figure.shape == MetaShape::Pie) {
        path.moveTo(box.center());
        path.arcTo(box, start, sweep);
        path.closeSubpath();
    } else {
        path.arcMoveTo(box, start);
        path.arcTo(box, start, sweep);
        if (figure.shape == MetaShape::Chord) {
            path.closeSubpath();
        }
    }
    return path;
}

void PaintFigure(QPainter& painter, const MetaFigure& figure, const FrameMap& map) {
    painter.setPen(ToQPen(figure.pen, map, DeviceScale(painter)));
    const Qt::FillRule fill = figure.windingFill ? Qt::WindingFill : Qt::OddEvenFill;
    QPainterPath area; // for the closed shapes, filled with the background under a hatch first
    area.setFillRule(fill);
    switch (figure.shape) {
    case MetaShape::Polyline:
        painter.setBrush(Qt::NoBrush);
        painter.drawPolyline(map.Polygon(figure.points, 0, figure.points.size()));
        return;
    case MetaShape::Arc:
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(ArcPath(figure, map));
        return;
    case MetaShape::Polygon:
        area.addPolygon(map.Polygon(figure.points, 0, figure.points.size()));
        area.closeSubpath();
        break;
    case MetaShape::PolyPolygon: {
        std::size_t from = 0;
        for (std::size_t count : figure.counts) {
            area.addPolygon(map.Polygon(figure.points, from, count));
            area.closeSubpath();
            from += count;
        }
        break;
    }
    case MetaShape::Rectangle:
        area.addRect(map.Box(figure.points[0], figure.points[1]));
        break;
    case MetaShape::Ellipse:
        area.addEllipse(map.Box(figure.points[0], figure.points[1]));
        break;
    case MetaShape::Pie:
    case MetaShape::Chord:
        area = ArcPath(figure, map);
        break;
    }
    if (figure.brush.background && figure.brush.style == MetaBrushStyle::Hatched) {
        painter.fillPath(area, ToQColor(*figure.brush.background));
    }
    painter.setBrush(ToQBrush(figure.brush));
    painter.drawPath(area);
}

void PaintText(QPainter& painter, const MetaText& text, const FrameMap& map) {
    const QString qtext = FromCp1252(text.text);
    const double height =
        text.font.height > 0 ? map.Height(text.font.height) : map.DefaultFontHeight();
    const double deviceScale = DeviceScale(painter);
    if (qtext.isEmpty() || height <= 0 || deviceScale <= 0) {
        return;
    }
    // The font is set up at its size in device pixels (so hinting suits the output) and the
    // painter is scaled to bring those pixels to the exact height.
    QFont font;
    if (!text.font.faceName.empty()) {
        font.setFamily(FromCp1252(text.font.faceName));
    }
    font.setWeight(static_cast<QFont::Weight>(
        std::clamp(text.font.weight == 0 ? 400 : text.font.weight, 1, 1000)));
    font.setItalic(text.font.italic);
    font.setUnderline(text.font.underline);
    font.setStrikeOut(text.font.strikeOut);
    const int pixels = std::max(1, static_cast<int>(std::lround(height * deviceScale)));
    font.setPixelSize(pixels);
    const QFontMetricsF metrics(font);
    double unitsPerPixel = height / pixels;
    if (text.font.cellHeight && metrics.height() > 0) {
        unitsPerPixel *= pixels / metrics.height(); // the height includes the leading
    }

    std::vector<double> advances; // in font pixels
    double width = 0;
    if (!text.advances.empty() && text.advances.size() == static_cast<std::size_t>(qtext.size())) {
        for (double advance : text.advances) {
            advances.push_back(map.Width(advance) / unitsPerPixel);
            width += advances.back();
        }
    } else {
        width = metrics.horizontalAdvance(qtext);
    }
    const int horizontal = text.align & kMetaAlignCenter;
    const double x = horizontal == kMetaAlignCenter  ? -width / 2
                     : horizontal == kMetaAlignRight ? -width
                                                     : 0;
    const int vertical = text.align & kMetaAlignBaseline;
    const double baseline = vertical == kMetaAlignBaseline ? 0
                            : vertical == kMetaAlignBottom ? -metrics.descent()
                                                           : metrics.ascent();

    painter.save();
    painter.translate(map.Point(text.at));
    painter.rotate(-text.font.escapement / 10.0);
    painter.scale(unitsPerPixel, unitsPerPixel);
    if (text.background) {
        painter.fillRect(QRectF(x, baseline - metrics.ascent(), width, metrics.height()),
                         ToQColor(*text.background));
    }
    painter.setFont(font);
    painter.setPen(ToQColor(text.color));
    if (advances.empty()) {
        painter.drawText(QPointF(x, baseline), qtext);
    } else {
        double at = x;
        for (qsizetype i = 0; i < qtext.size(); ++i) {
            painter.drawText(QPointF(at, baseline), QString(qtext[i]));
            at += advances[static_cast<std::size_t>(i)];
        }
    }
    painter.restore();
}

} // namespace

void PaintMetafile(QPainter& painter, const Metafile& drawing, const QRectF& target) {
    const FrameMap map(target, drawing);
    painter.save();
    for (const MetaItem& item : drawing.items) {
        if (const auto* figure = std::get_if<MetaFigure>(&item)) {
            PaintFigure(painter, *figure, map);
        } else {
            PaintText(painter, std::get<MetaText>(item), map);
        }
    }
    painter.restore();
}

void PaintMetafileNatural(QPainter& painter, const Metafile& drawing, QPointF topLeft) {
    PaintMetafile(painter, drawing,
                  QRectF(topLeft, QSizeF(drawing.widthInches, drawing.heightInches)));
}

void PaintMetafilePlaceholder(QPainter& painter, const QRectF& target, const QString& blockName) {
    painter.save();
    painter.setPen(QPen(Qt::black, 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(target);
    const double deviceScale = DeviceScale(painter);
    if (deviceScale > 0 && !blockName.isEmpty()) {
        // The name fills at most a tenth of the height and the frame's width.
        QFont font;
        font.setPixelSize(100);
        const QFontMetricsF metrics(font);
        const double scale = std::min(target.height() / 10 / metrics.height(),
                                      target.width() * 0.9 / metrics.horizontalAdvance(blockName));
        const double margin = target.height() / 40;
        painter.translate(target.left() + margin, target.top() + margin);
        painter.scale(scale, scale);
        painter.setFont(font);
        painter.drawText(QPointF(0, metrics.ascent()), blockName);
    }
    painter.restore();
}

void PaintBlock(QPainter& painter, const MetafileResult& block, const QRectF& target,
                std::string_view blockName) {
    if (block.drawing) {
        PaintMetafile(painter, *block.drawing, target);
    } else {
        PaintMetafilePlaceholder(painter, target, FromCp1252(blockName));
    }
}

} // namespace waybill
