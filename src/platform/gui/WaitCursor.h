#pragma once

#include <QApplication>
#include <QCursor>

namespace waybill {

// The hourglass pointer while a slow step runs (WaitStart / WaitEnd). Messages are shown
// after it ends, so a message box never carries the hourglass.
class WaitCursor {
  public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace waybill
