#pragma once

#include <QRect>
#include <QSize>

class QWidget;

namespace waybill {

// Moves a top-level window just below a cell (`cellRect` in global coordinates), kept on the
// cell's screen.
void PlaceBelowCell(QWidget& window, const QRect& cellRect);

// Where a drop-down list of `list` size opens for its box (`box`, global coordinates) within
// the screen's `area`: just below the box, else just above it when there is no room below,
// else on the side with more room, cut to that room. Never over the box, so a click where
// the box was cannot pick an entry by accident.
QRect PlaceDropDown(const QRect& box, const QSize& list, const QRect& area);

} // namespace waybill
