// Edit Attributes: the member editor on Zee and Cee pages, the attribute editor on every
// other page. An accepted OK that changes the page is one undoable step.
#include "app/gui/frmWaybillMain.h"
#include "app/gui/WaybillMain.h"
#include "catalog/Finishes.h"
#include "page/AttribEditor.h"
#include "page/gui/dlgEditAttrib.h"
#include "page/gui/PageWidget.h"
#include "tensile/gui/dlgEditTensile.h"
#include "tensile/MemberPage.h"

namespace waybill {
namespace {

std::vector<std::string> HitenFinishNames() {
    std::vector<std::string> names;
    for (const clsFinish& finish : HitenFinishes().Entries()) {
        names.push_back(finish.LongName);
    }
    return names;
}

} // namespace

void frmWaybillMain::EditAttributes() {
    ChkPgContents(); // the editors open on what is typed
    if (document_.GetBook().PageCount() == 0 || !module_.attribDefs) {
        return;
    }
    const PageView& view = page_->View();
    if (const auto target = FindMemberTarget(page_->CadBase(), view)) {
        dlgEditTensile dialog(this);
        dialog.Load(target->section, target->valueLine, view.titleBlock[TblkFinish],
                    HitenFinishNames());
        if (runModal_(dialog) != QDialog::Accepted || !dialog.Result()) {
            return;
        }
        if (const auto edit = PlanMemberEdit(*target, view, *dialog.Result())) {
            RecordPageChanges(QStringLiteral("Member Configuration"), *edit);
        }
        return;
    }
    dlgEditAttrib dialog(this);
    dialog.Load(view.BlockAttribValues, *module_.attribDefs);
    if (runModal_(dialog) == QDialog::Accepted) {
        RecordPageChanges(QStringLiteral("Edit Attributes"), dialog.Changes());
    }
}

} // namespace waybill
