// Export Punches (WindowCommands.h): the session checks the document and writes the punching
// machine's file; the window asks which members to export.
#include "app/EditSession.h"
#include "app/gui/WindowCommands.h"
#include "tensile/gui/dlgExportPunches.h"

#include <QMainWindow>

namespace waybill {

void ExportCommands::ExportPunches() {
    if (!w_.session.ReadyToExportPunches()) {
        return;
    }
    if (exportPunches_ == nullptr) {
        exportPunches_ = new dlgExportPunches(&w_.window);
    }
    if (const auto selection = exportPunches_->StartExport(w_.runModal)) {
        w_.session.ExportPunches(*selection);
    }
}

} // namespace waybill
