#include "platform/gui/CornerText.h"

#include <QFontMetricsF>
#include <QPainter>

namespace waybill {

void PaintCornerText(QPainter& painter, const QFont& font, QPointF topLeft, double rotation,
                     const QString& text, double condense) {
    painter.save();
    painter.setFont(font);
    painter.translate(topLeft);
    painter.rotate(-rotation);
    if (condense != 1) {
        painter.scale(condense, 1);
    }
    // Qt draws from the base line.
    painter.drawText(QPointF(0, QFontMetricsF(font).ascent()), text);
    painter.restore();
}

} // namespace waybill
