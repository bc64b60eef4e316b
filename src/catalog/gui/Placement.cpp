#include "catalog/gui/Placement.h"

#include <algorithm>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace waybill {

void PlaceBelowCell(QWidget& window, const QRect& cellRect) {
    window.adjustSize();
    QPoint topLeft(cellRect.left(), cellRect.bottom() + 1);
    if (const QScreen* screen = QGuiApplication::screenAt(cellRect.center())) {
        const QRect area = screen->availableGeometry();
        const QSize size = window.frameGeometry().size();
        topLeft.setX(std::clamp(topLeft.x(), area.left(),
                                std::max(area.left(), area.right() + 1 - size.width())));
        topLeft.setY(std::clamp(topLeft.y(), area.top(),
                                std::max(area.top(), area.bottom() + 1 - size.height())));
    }
    window.move(topLeft);
}

QRect PlaceDropDown(const QRect& box, const QSize& list, const QRect& area) {
    const int below = area.bottom() - box.bottom();
    const int above = box.top() - area.top();
    const bool down = list.height() <= below || below >= above;
    const int height = std::max(0, std::min(list.height(), down ? below : above));
    const int left =
        std::clamp(box.left(), area.left(), std::max(area.left(), area.right() + 1 - list.width()));
    return {left, down ? box.bottom() + 1 : box.top() - height, list.width(), height};
}

} // namespace waybill
