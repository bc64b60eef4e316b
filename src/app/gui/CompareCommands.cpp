// File > Compare With... and Stop Comparing. The session reads the base and compares; the
// changes dock follows its notice.
#include "app/EditSession.h"
#include "app/gui/WindowCommands.h"
#include "app/StartFolder.h"
#include "platform/gui/DialogService.h"
#include "platform/gui/QtText.h"

namespace waybill {

void CompareCommands::CompareWith() {
    FileDialogRequest request;
    request.title = QStringLiteral("Compare With");
    request.filter = DocumentFileFilter();
    request.startFolder = DialogStartFolder(w_, FileDialogKind::Document);
    request.mustExist = true;
    const auto chosen = w_.dialogs.GetOpenFileName(request);
    if (chosen && !chosen->trimmed().isEmpty()) {
        w_.session.CompareWith(ToUtf8(*chosen));
    }
}

void CompareCommands::Stop() {
    w_.session.StopComparing();
}

} // namespace waybill
