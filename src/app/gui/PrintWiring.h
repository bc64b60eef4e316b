#pragma once

#include "app/gui/frmWaybillMain.h"
#include "page/BlockLibrary.h"

#include <QPrinter>

namespace waybill {

// What printing keeps for the whole run: the printer with the user's setup, and the block
// drawings read so far.
struct frmWaybillMain::Printing {
    QPrinter printer;
    BlockLibrary blocks;
};

} // namespace waybill
