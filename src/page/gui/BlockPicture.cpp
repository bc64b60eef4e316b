#include "page/gui/BlockPicture.h"

#include "metafile/gui/MetafilePainter.h"
#include "page/BlockTexts.h"
#include "page/gui/ChangeShading.h"
#include "platform/Cp1252.h"
#include "platform/gui/CornerText.h"
#include "platform/gui/QtText.h"

#include <cmath>
#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>

namespace waybill {

namespace {

// Attribute texts are placed in inches of a 96 dpi surface; any resolution gives the same
// picture, this one keeps the whole-pixel rounding of the placement as fine as the screen's.
constexpr double kPlacementDpi = 96;

} // namespace

std::vector<AttributeText> PictureTexts(const PageBlock& block, BlockAttribDefs* definitions,
                                        const Metafile& drawing, const QSizeF& picture) {
    const AttribSurface surface = ScreenAttribSurface(
        picture.width() / kPlacementDpi, picture.height() / kPlacementDpi, drawing.widthInches,
        drawing.heightInches, kPlacementDpi, kPlacementDpi);
    const double dpi = surface.pixelsPerInchY;
    const auto fontOf = [dpi](double pointSize) {
        QFont font(QStringLiteral("ArialDT"));
        font.setPixelSize(std::max(1, static_cast<int>(std::nearbyint(pointSize * dpi / 72))));
        return font;
    };
    const TextMeasurer measure = [&](std::string_view text, double pointSize) {
        const QFontMetricsF metrics(fontOf(pointSize));
        return TextExtent{metrics.horizontalAdvance(FromCp1252(text)) / surface.pixelsPerInchX,
                          metrics.height() / dpi};
    };
    std::vector<AttributeText> texts;
    for (PlacedAttribute& placed : PlaceBlockTexts(block, definitions, surface, measure)) {
        texts.push_back({FromCp1252(placed.text), fontOf(placed.pointSize),
                         QPointF(placed.pixelX, placed.pixelY),
                         static_cast<double>(placed.rotation)});
    }
    return texts;
}

namespace {

// The shading under a changed value and the outline around it, turned with its text.
void ShadeText(QPainter& painter, const AttributeText& text, QPointF origin) {
    const QFontMetricsF metrics(text.font);
    painter.save();
    painter.translate(origin + text.topLeft);
    painter.rotate(-text.rotation);
    const QRectF around(-3, -2, metrics.horizontalAdvance(text.text) + 6, metrics.height() + 4);
    PaintChangeTint(painter, around);
    PaintChangeOutline(painter, around);
    painter.restore();
}

} // namespace

BlockPicture::BlockPicture(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("picBlocks"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BlockPicture::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        emit DoubleClicked();
    }
    QWidget::mouseDoubleClickEvent(event);
}

void BlockPicture::SetLayers(std::vector<BlockLayer> layers) {
    layers_ = std::move(layers);
    update();
}

void BlockPicture::Paint(QPainter& painter, const std::vector<BlockLayer>& layers,
                         const QRectF& target) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (const BlockLayer& layer : layers) {
        if (!layer.drawing) {
            PaintMetafilePlaceholder(painter, target, FromCp1252(layer.name));
            continue;
        }
        PaintMetafile(painter, *layer.drawing, target);
        painter.setPen(Qt::black);
        for (const AttributeText& text : layer.texts) {
            if (text.changed) {
                ShadeText(painter, text, target.topLeft());
            }
            PaintCornerText(painter, text.font, target.topLeft() + text.topLeft, text.rotation,
                            text.text);
        }
    }
}

void BlockPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    Paint(painter, layers_, QRectF(rect()));
}

} // namespace waybill
