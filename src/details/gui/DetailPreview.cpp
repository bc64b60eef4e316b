#include "details/gui/DetailPreview.h"

#include "page/BlockLibrary.h"
#include "page/PageData.h"

#include <algorithm>
#include <QPainter>

namespace waybill {
namespace {

constexpr double kPreviewDpi = 96;

} // namespace

DetailPreview::DetailPreview(BlockLibrary* blocks, BlockAttribDefs* attribDefs, QWidget* parent)
    : QWidget(parent), blocks_(blocks), attribDefs_(attribDefs) {
    setMinimumSize(440, 300);
}

void DetailPreview::ShowPage(const Page& page) {
    page_ = page;
    problem_.clear();
    update();
}

void DetailPreview::ShowProblem(const QString& text) {
    problem_ = text;
    update();
}

QRectF DetailPreview::DrawingArea(const QSizeF& size) const {
    const auto blocks = ReadPageBlocks(page_.PageData);
    const auto drawing = blocks_ && !blocks.empty() ? blocks_->Find(blocks.front().name) : nullptr;
    if (!drawing || drawing->widthInches <= 0 || drawing->heightInches <= 0) {
        return QRectF(QPointF(0, 0), size);
    }
    const double scale =
        std::min(size.width() / drawing->widthInches, size.height() / drawing->heightInches);
    const QSizeF fitted(drawing->widthInches * scale, drawing->heightInches * scale);
    return QRectF(
        QPointF((size.width() - fitted.width()) / 2, (size.height() - fitted.height()) / 2),
        fitted);
}

std::vector<BlockLayer> DetailPreview::Layers(const QRectF& target) const {
    std::vector<BlockLayer> layers;
    if (!problem_.isEmpty() || !blocks_) {
        return layers;
    }
    for (const PageBlock& block : ReadPageBlocks(page_.PageData)) {
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
        }
        layers.push_back(std::move(layer));
    }
    return layers;
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
    const QRectF area = DrawingArea(size());
    BlockPicture::Paint(painter, Layers(area), area);
}

} // namespace waybill
