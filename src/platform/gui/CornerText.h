#pragma once

#include <QPointF>
#include <QString>

class QFont;
class QPainter;

namespace waybill {

// Draws `text` with the top of its character cell at `topLeft`, turned `rotation` degrees
// counter-clockwise about that corner and narrowed by `condense` (1: as the font draws it).
// The editor's block picture and the printed sheet both place their texts this way, so a
// text sits at the same spot of its drawing on screen and on paper.
void PaintCornerText(QPainter& painter, const QFont& font, QPointF topLeft, double rotation,
                     const QString& text, double condense = 1);

} // namespace waybill
