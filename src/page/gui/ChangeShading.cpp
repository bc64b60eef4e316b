#include "page/gui/ChangeShading.h"

#include <QPainter>
#include <QPen>

namespace waybill {

QColor ChangeTint() {
    return {255, 224, 138};
}

QColor ChangeOutline() {
    return {122, 82, 0};
}

void PaintChangeTint(QPainter& painter, const QRectF& area) {
    painter.fillRect(area, ChangeTint());
}

void PaintChangeOutline(QPainter& painter, const QRectF& area) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    QPen pen(ChangeOutline(), 2, Qt::DashLine);
    pen.setCosmetic(true);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area);
    painter.restore();
}

QPalette ChangedBoxPalette() {
    QPalette palette;
    palette.setColor(QPalette::Base, ChangeTint());
    return palette;
}

} // namespace waybill
