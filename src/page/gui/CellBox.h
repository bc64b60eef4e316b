#pragma once

#include <QLineEdit>

namespace waybill {

// How the user left the in-place cell box by a key.
enum class CellBoxExit { Enter, Escape, Left, Right, Up, Down };

// The in-place cell box: a text box laid over a grid cell. Enter, Escape, Tab and the arrows
// at the ends of the text leave it; losing the focus commits it (the window decides).
class CellBox : public QLineEdit {
    Q_OBJECT

  public:
    explicit CellBox(QWidget* parent = nullptr);

  signals:
    void ExitKey(waybill::CellBoxExit how);
    void FocusLost();

  protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

} // namespace waybill
