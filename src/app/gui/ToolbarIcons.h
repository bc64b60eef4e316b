#pragma once

#include <QIcon>
#include <QString>

namespace waybill {

// The toolbar's pictures at 1, 2 and 3 times their size, so they are sharp at any screen
// scale; drawn when the program is built (tools/toolbar_pictures), not at every start. `key`
// is the button's key ("New", "CopyPg", ...); an unknown key gives an empty icon.
QIcon ToolbarIcon(const QString& key);

} // namespace waybill
