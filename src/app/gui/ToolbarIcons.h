#pragma once

#include <QIcon>
#include <QString>

namespace waybill {

// The toolbar's pictures, drawn rather than loaded so they are sharp at any scale. `key` is
// the button's key ("New", "CopyPg", ...); an unknown key gives an empty icon.
QIcon ToolbarIcon(const QString& key);

} // namespace waybill
