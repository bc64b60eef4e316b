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

void PaintChangeShading(QPainter& painter, const QRectF& area) {
    painter.save();
    painter.fillRect(area, ChangeTint());
    QPen pen(ChangeOutline(), 1.5, Qt::DashLine);
    pen.setCosmetic(true);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area.adjusted(1.5, 1.5, -1.5, -1.5));
    painter.restore();
}

QString ChangedBoxStyle() {
    return QStringLiteral("QLineEdit { background: %1; border: 2px dashed %2; }")
        .arg(ChangeTint().name(), ChangeOutline().name());
}

} // namespace waybill
