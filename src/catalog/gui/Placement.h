#pragma once

#include <QRect>

class QWidget;

namespace waybill {

// Moves a top-level window just below a cell (`cellRect` in global coordinates), kept on the
// cell's screen.
void PlaceBelowCell(QWidget& window, const QRect& cellRect);

} // namespace waybill
