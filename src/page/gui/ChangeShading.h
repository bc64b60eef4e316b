#pragma once

#include <QColor>
#include <QPalette>
#include <QRectF>

class QPainter;

namespace waybill {

// How a place changed since the comparison base looks on screen: one light amber tint, which
// prints and copies as a light grey, and a dashed dark outline, which tells it apart without
// colour. The tint goes behind the text and the outline around the place, never across its
// text, so a marked place reads as well as any other at every size.
QColor ChangeTint();
QColor ChangeOutline();

// The tint over `area`, under the text drawn afterwards.
void PaintChangeTint(QPainter& painter, const QRectF& area);
// The outline along the edges of `area`.
void PaintChangeOutline(QPainter& painter, const QRectF& area);

// The palette of a marked text box: the tint as its background, all else its own, so that
// setting the box's palette back to an empty one leaves it as it was.
QPalette ChangedBoxPalette();

} // namespace waybill
