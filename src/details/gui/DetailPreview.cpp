#include "details/gui/DetailPreview.h"

#include "page/BlockLibrary.h"
#include "page/PageData.h"

#include <algorithm>
#include <QPainter>

namespace waybill {
namespace {

// A sheet's shape when its drawing is missing.
const QSizeF kSheetInches(11, 8.5);

} // namespace

DetailPreview::DetailPreview(BlockLibrary* blocks, BlockAttribDefs* attribDefs, QWidget* parent)
    : QWidget(parent), blocks_(blocks), attribDefs_(attribDefs) {
    setMinimumSize(320, 240);
}

// About the size a default window shows a detail's page at, so that its texts read alike.
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
        if (layer.drawing) {
            layer.texts = PictureTexts(block, attribDefs_, *layer.drawing, target.size());
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
