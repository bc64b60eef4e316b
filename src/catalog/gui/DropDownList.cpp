#include "catalog/gui/DropDownList.h"

#include "catalog/gui/Placement.h"

#include <algorithm>
#include <QAbstractItemView>
#include <QKeyEvent>
#include <QScreen>

namespace waybill {

DropDownList::DropDownList(QWidget* parent) : QComboBox(parent) {
    setEditable(false);
    setFocusPolicy(Qt::StrongFocus);
    hide();
    view()->installEventFilter(this);
    connect(this, &QComboBox::activated, this, &DropDownList::Take);
}

void DropDownList::Open(const QStringList& items, std::optional<int> preselected,
                        const QRect& rect) {
    clear();
    addItems(items);
    setCurrentIndex(preselected && *preselected < count() ? *preselected : -1);
    setGeometry(rect.x(), rect.y(), rect.width(), std::max(rect.height(), sizeHint().height()));
    show();
    raise();
    setFocus(Qt::OtherFocusReason);
    showPopup();
}

// Some styles open the list with the current entry over the box, under the pointer.
void DropDownList::showPopup() {
    QComboBox::showPopup();
    QWidget* popup = view()->window();
    const QRect box(mapToGlobal(QPoint(0, 0)), size());
    popup->setGeometry(PlaceDropDown(box, popup->size(), screen()->availableGeometry()));
    if (currentIndex() >= 0) {
        view()->scrollTo(model()->index(currentIndex(), modelColumn()),
                         QAbstractItemView::EnsureVisible);
    }
}

void DropDownList::Dismiss() {
    if (!isVisible()) {
        return;
    }
    hidePopup();
    hide();
    emit Dismissed();
}

void DropDownList::Take(int index) {
    if (index < 0 || index >= count()) {
        return;
    }
    hidePopup();
    hide();
    emit Chosen(index);
}

void DropDownList::Escape() {
    const bool shown = isVisible();
    Dismiss();
    if (shown) {
        emit Escaped();
    }
}

void DropDownList::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Take(currentIndex());
        return;
    case Qt::Key_Escape:
        Escape();
        return;
    default:
        QComboBox::keyPressEvent(event);
    }
}

bool DropDownList::eventFilter(QObject* watched, QEvent* event) {
    // Escape in the dropped-down list leaves the list altogether, not only its popup.
    if (watched == view() && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        Escape();
        return true;
    }
    return QComboBox::eventFilter(watched, event);
}

void DropDownList::focusOutEvent(QFocusEvent* event) {
    QComboBox::focusOutEvent(event);
    // Dropping the list down moves the focus into its popup; that is no leaving.
    if (event->reason() != Qt::PopupFocusReason && !view()->isVisible()) {
        Dismiss();
    }
}

} // namespace waybill
