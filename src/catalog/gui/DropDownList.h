#pragma once

#include <optional>
#include <QComboBox>
#include <QStringList>

namespace waybill {

// A drop-down list laid over a cell or a box while the user picks from it. It opens dropped
// down on the entry that matches what the cell holds, without that counting as a pick: only
// the user's own choices (QComboBox::activated, Enter) are picks, never a selection made by
// the program.
// The list opens below its box (above when there is no room), the entry highlighted and in view.
// Enter or a click takes the highlighted entry, Escape dismisses the list, and it hides
// itself when the focus goes elsewhere.
class DropDownList : public QComboBox {
    Q_OBJECT

  public:
    explicit DropDownList(QWidget* parent = nullptr);

    // Fills the list, selects `preselected` (no pick), lays it over `rect` (the parent's
    // coordinates), shows it with the focus and drops it down.
    void Open(const QStringList& items, std::optional<int> preselected, const QRect& rect);
    // Hides the list without a pick.
    void Dismiss();
    void showPopup() override;

  signals:
    // The user took entry `index`; the list is hidden already.
    void Chosen(int index);
    // The user left the list without a pick (Escape or the focus went elsewhere).
    void Dismissed();
    // The user left the list with Escape (after Dismissed): the focus is for the caller to
    // put back where the list was opened from.
    void Escaped();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Take(int index);
    void Escape();
};

} // namespace waybill
