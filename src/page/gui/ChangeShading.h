#pragma once

#include <QColor>
#include <QRectF>
#include <QString>

class QPainter;

namespace waybill {

// How a place changed since the comparison base looks on screen: one light amber tint, which
// prints and copies as a light grey, and a dashed dark outline, which tells it apart without
// colour.
QColor ChangeTint();
QColor ChangeOutline();

// The tint and the outline over `area`, under the text drawn afterwards.
void PaintChangeShading(QPainter& painter, const QRectF& area);

// The style sheet of a marked text box.
QString ChangedBoxStyle();

} // namespace waybill
