#pragma once

#include <QProxyStyle>

namespace waybill {

// The platform's style, with the menu bar's and the toolbar's overflow icons read when they are
// first drawn: each window builds them and almost never shows them, and reading them at start
// loads every image plugin.
class DeferredIconStyle : public QProxyStyle {
  public:
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

} // namespace waybill
