#include "app/gui/SheetProportions.h"

#include <cmath>
#include <QEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>

namespace waybill {
namespace {

constexpr double kSheetRatio = 7.75 / 10.25;
constexpr int kStartWidth = 1024;
constexpr int kMinimumWidth = 800;
constexpr int kMinimumHeight = 600;

} // namespace

SheetProportions::SheetProportions(QMainWindow& window, const QToolBar& toolbar,
                                   std::function<bool()> following)
    : QObject(&window), window_(window), toolbar_(toolbar), following_(std::move(following)) {
    window_.installEventFilter(this);
}

// The bars as the window lays them out (their own sizes are not settled yet while the
// window is first shown).
int SheetProportions::ChromeHeight() const {
    const QMenuBar* menu = window_.menuBar();
    const QStatusBar* status = window_.statusBar();
    return (menu->isNativeMenuBar() ? 0 : menu->sizeHint().height()) +
           (status->isHidden() ? 0 : status->sizeHint().height()) +
           (toolbar_.isHidden() ? 0 : toolbar_.sizeHint().height());
}

void SheetProportions::SizeAtStart() {
    const int height = static_cast<int>(std::lround(kStartWidth * kSheetRatio)) + ChromeHeight();
    const QScreen* display = window_.screen();
    if (display == nullptr || display->geometry().width() <= kStartWidth ||
        display->availableGeometry().height() < height) {
        // Sized as the maximized window would be too, for a desktop that does not maximize.
        if (display != nullptr) {
            window_.resize(display->availableGeometry().size());
        }
        window_.setWindowState(window_.windowState() | Qt::WindowMaximized);
    } else {
        window_.resize(kStartWidth, height);
    }
}

bool SheetProportions::eventFilter(QObject* watched, QEvent* event) {
    const auto fixedStates = Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen;
    if (watched == &window_ && event->type() == QEvent::Resize && !resizing_ &&
        !(window_.windowState() & fixedStates) && following_()) {
        KeepProportions();
    }
    return false;
}

// A wide window sets the height from the width (at least 800 pixels), a tall one the width
// from the height (at least 600).
void SheetProportions::KeepProportions() {
    resizing_ = true;
    const int chrome = ChromeHeight();
    int width = window_.width();
    int height = window_.height();
    if (width > height) {
        width = std::max(width, kMinimumWidth);
        height = static_cast<int>(std::lround(width * kSheetRatio)) + chrome;
    } else {
        height = std::max(height, kMinimumHeight);
        width = static_cast<int>(std::lround((height - chrome) / kSheetRatio));
    }
    if (QSize(width, height) != window_.size()) {
        window_.resize(width, height);
    }
    resizing_ = false;
}

} // namespace waybill
