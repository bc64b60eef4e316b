#include "app/gui/DeferredIconStyle.h"

#include <QIconEngine>
#include <QPainter>
#include <QPointer>

namespace waybill {
namespace {

// Asks the style for the icon the first time a picture of it is wanted.
class DeferredIconEngine : public QIconEngine {
  public:
    DeferredIconEngine(QPointer<QStyle> style, QStyle::StandardPixmap icon)
        : style_(std::move(style)), icon_(icon) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        Icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        return Icon().pixmap(size, scale, mode, state);
    }
    // Laying out asks for no picture: the buttons take the size they are given.
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }
    bool isNull() override { return false; }
    QIconEngine* clone() const override { return new DeferredIconEngine(style_, icon_); }

  private:
    const QIcon& Icon() {
        if (!loaded_) {
            loaded_ = true;
            if (style_) {
                loadedIcon_ = style_->standardIcon(icon_);
            }
        }
        return loadedIcon_;
    }

    QPointer<QStyle> style_;
    QStyle::StandardPixmap icon_;
    bool loaded_ = false;
    QIcon loadedIcon_;
};

} // namespace

QIcon DeferredIconStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                      const QWidget* widget) const {
    if (icon == SP_ToolBarHorizontalExtensionButton || icon == SP_ToolBarVerticalExtensionButton) {
        return QIcon(new DeferredIconEngine(baseStyle(), icon));
    }
    return QProxyStyle::standardIcon(icon, option, widget);
}

} // namespace waybill
