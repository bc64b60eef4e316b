#pragma once

#include <functional>
#include <QObject>

class QMainWindow;
class QToolBar;

namespace waybill {

// The main window's size: the page area between the menu bar and toolbar above and the
// status bar below has the sheet's proportions (10.25 by 7.75 sheet inches), at start and
// whenever the user resizes a normal window.
class SheetProportions : public QObject {
  public:
    // `following` says when resizes are followed (not while the window is being set up).
    SheetProportions(QMainWindow& window, const QToolBar& toolbar, std::function<bool()> following);

    // A screen up to 1024 pixels wide, or one too low for the sheet at that width, gets a
    // maximised window; otherwise the page area starts 1024 pixels wide.
    void SizeAtStart();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    int ChromeHeight() const;
    void KeepProportions();

    QMainWindow& window_;
    const QToolBar& toolbar_;
    std::function<bool()> following_;
    bool resizing_ = false;
};

} // namespace waybill
