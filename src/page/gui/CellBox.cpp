#include "page/gui/CellBox.h"

#include <QKeyEvent>

namespace waybill {

CellBox::CellBox(QWidget* parent) : QLineEdit(parent) {
    setFrame(false);
    hide();
}

bool CellBox::event(QEvent* event) {
    // Tab and Shift+Tab move between cells like the arrows instead of through the window.
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier)) {
            emit ExitKey(CellBoxExit::Right);
            return true;
        }
        if (key->key() == Qt::Key_Backtab ||
            (key->key() == Qt::Key_Tab && (key->modifiers() & Qt::ShiftModifier))) {
            emit ExitKey(CellBoxExit::Left);
            return true;
        }
    }
    return QLineEdit::event(event);
}

void CellBox::keyPressEvent(QKeyEvent* event) {
    const bool nothingSelected = !hasSelectedText();
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit ExitKey(CellBoxExit::Enter);
        return;
    case Qt::Key_Escape:
        emit ExitKey(CellBoxExit::Escape);
        return;
    case Qt::Key_Up:
        emit ExitKey(CellBoxExit::Up);
        return;
    case Qt::Key_Down:
        emit ExitKey(CellBoxExit::Down);
        return;
    case Qt::Key_Left:
        if (nothingSelected && cursorPosition() == 0 && event->modifiers() == Qt::NoModifier) {
            emit ExitKey(CellBoxExit::Left);
            return;
        }
        break;
    case Qt::Key_Right:
        if (nothingSelected && cursorPosition() == text().size() &&
            event->modifiers() == Qt::NoModifier) {
            emit ExitKey(CellBoxExit::Right);
            return;
        }
        break;
    default:
        break;
    }
    QLineEdit::keyPressEvent(event);
}

void CellBox::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // Switching to another window or opening a menu keeps the box open; the Edit menu acts on
    // it then.
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason) {
        emit FocusLost();
    }
}

} // namespace waybill
