#include "details/gui/DetailPreview.h"

#include "page/BlockLibrary.h"
#include "page/PageData.h"

#include <algorithm>
#include <cmath>
#include <QFontMetricsF>
#include <QPainter>
#include <QTransform>

namespace waybill {
namespace {

constexpr double kPreviewDpi = 96;
// A sheet's shape when its drawing is missing.
const QSizeF kSheetInches(11, 8.5);
// The smallest text the preview draws, however small it is made.
constexpr double kReadablePoints = 7;

// Enlarges a text to `pixels` about its own centre, so it stays on its dimension line.
void GrowTo(AttributeText& text, int pixels) {
    if (text.font.pixelSize() >= pixels) {
        return;
    }
    const QFontMetricsF before(text.font);
    const QSizeF was(before.horizontalAdvance(text.text), before.height());
    text.font.setPixelSize(pixels);
    const QFontMetricsF after(text.font);
    const QSizeF now(after.horizontalAdvance(text.text), after.height());
    const QPointF shift((was.width() - now.width()) / 2, (was.height() - now.height()) / 2);
    text.topLeft += QTransform().rotate(-text.rotation).map(shift);
}

} // namespace

DetailPreview::DetailPreview(BlockLibrary* blocks, BlockAttribDefs* attribDefs, QWidget* parent)
    : QWidget(parent), blocks_(blocks), attribDefs_(attribDefs) {
    setMinimumSize(320, 240);
}

// Large enough that a detail's dimension texts read at 7 pt at their own size; a smaller
// preview draws them larger than the drawing's scale.
QSize DetailPreview::sizeHint() const {
    return {880, 640};
}

void DetailPreview::ShowPages(std::vector<Page> pages, const QString& warning) {
    pages_ = std::move(pages);
    problem_.clear();
    warning_ = warning;
    update();
}

void DetailPreview::ShowProblem(const QString& text) {
    problem_ = text;
    warning_.clear();
    update();
}

double DetailPreview::WarningHeight() const {
    return warning_.isEmpty() ? 0 : fontMetrics().height() * (warning_.count('\n') + 1) + 12;
}

QSizeF DetailPreview::DrawingInches(int index) const {
    const auto blocks = ReadPageBlocks(pages_[static_cast<std::size_t>(index)].PageData);
    const auto drawing = blocks_ && !blocks.empty() ? blocks_->Find(blocks.front().name) : nullptr;
    if (!drawing || drawing->widthInches <= 0 || drawing->heightInches <= 0) {
        return kSheetInches;
    }
    return {drawing->widthInches, drawing->heightInches};
}

QRectF DetailPreview::DrawingArea(int index, const QSizeF& size) const {
    const int count = std::max(1, static_cast<int>(pages_.size()));
    const QSizeF inches = DrawingInches(index);
    const double top = WarningHeight();
    const QSizeF room(size.width(), std::max(0.0, size.height() - top));
    const auto scaleIn = [&](const QSizeF& cell) {
        return std::min(cell.width() / inches.width(), cell.height() / inches.height());
    };
    const QSizeF across(room.width() / count, room.height());
    const QSizeF down(room.width(), room.height() / count);
    const bool sideBySide = scaleIn(across) >= scaleIn(down);
    const QSizeF cell = sideBySide ? across : down;
    const QPointF origin =
        sideBySide ? QPointF(cell.width() * index, top) : QPointF(0, top + cell.height() * index);
    const double scale = scaleIn(cell);
    const QSizeF fitted(inches.width() * scale, inches.height() * scale);
    return {origin +
                QPointF((cell.width() - fitted.width()) / 2, (cell.height() - fitted.height()) / 2),
            fitted};
}

std::vector<BlockLayer> DetailPreview::Layers(int index, const QRectF& target) const {
    std::vector<BlockLayer> layers;
    if (!problem_.isEmpty() || !blocks_ || index < 0 || index >= PageCount()) {
        return layers;
    }
    for (const PageBlock& block :
         ReadPageBlocks(pages_[static_cast<std::size_t>(index)].PageData)) {
        BlockLayer layer;
        layer.name = block.name;
        layer.drawing = blocks_->Find(block.name);
        if (layer.drawing && layer.drawing->widthInches > 0 && layer.drawing->heightInches > 0) {
            AttribSurface surface;
            surface.xScale = target.width() / kPreviewDpi / layer.drawing->widthInches;
            surface.yScale = target.height() / kPreviewDpi / layer.drawing->heightInches;
            surface.pixelsPerInchX = kPreviewDpi;
            surface.pixelsPerInchY = kPreviewDpi;
            layer.texts = BlockAttributeTexts(block, attribDefs_, surface);
            const int readable =
                static_cast<int>(std::ceil(kReadablePoints * logicalDpiY() / 72.0));
            for (AttributeText& text : layer.texts) {
                GrowTo(text, readable);
            }
        }
        layers.push_back(std::move(layer));
    }
    return layers;
}

double DetailPreview::SmallestTextPoints(const QSizeF& size) const {
    double smallest = 0;
    for (int index = 0; index < PageCount(); ++index) {
        for (const BlockLayer& layer : Layers(index, DrawingArea(index, size))) {
            for (const AttributeText& text : layer.texts) {
                const double points = text.font.pixelSize() * 72.0 / logicalDpiY();
                smallest = smallest == 0 ? points : std::min(smallest, points);
            }
        }
    }
    return smallest;
}

void DetailPreview::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (!problem_.isEmpty()) {
        painter.setPen(Qt::darkRed);
        painter.drawText(rect().adjusted(12, 12, -12, -12), Qt::AlignCenter | Qt::TextWordWrap,
                         problem_);
        return;
    }
    if (!warning_.isEmpty()) {
        const QRectF band(0, 0, width(), WarningHeight());
        painter.fillRect(band, QColor(255, 240, 200));
        painter.setPen(Qt::darkRed);
        painter.drawText(band, Qt::AlignCenter, warning_);
    }
    for (int index = 0; index < PageCount(); ++index) {
        const QRectF area = DrawingArea(index, size());
        BlockPicture::Paint(painter, Layers(index, area), area);
    }
}

} // namespace waybill
