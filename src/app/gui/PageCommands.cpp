// The dialogs of the Pages and Options menus (WindowCommands.h). The page moves, the page
// clipboard, Sort and the numbering options need no dialog: the window's actions call the session
// directly.
#include "app/EditSession.h"
#include "app/gui/dlgAddPage.h"
#include "app/gui/dlgGotoPage.h"
#include "app/gui/dlgRedLine.h"
#include "app/gui/WaybillMain.h"
#include "app/gui/WindowCommands.h"
#include "catalog/Finishes.h"
#include "page/gui/dlgEditAttrib.h"
#include "tensile/gui/dlgEditTensile.h"
#include "tensile/MemberPage.h"

#include <QMainWindow>

namespace waybill {

void PageCommands::GotoPage() {
    w_.session.StoreTyping();
    dlgGotoPage dialog(w_.dialogs, &w_.window);
    dialog.FillList(w_.session.Waybill());
    if (w_.runModal(dialog) == QDialog::Accepted && dialog.ChosenPage()) {
        w_.session.ShowPage(*dialog.ChosenPage());
    }
}

void PageCommands::AddPage() {
    w_.session.StoreTyping();
    dlgAddPage dialog(&w_.window);
    dialog.FillList(w_.session.DefWaybill());
    if (w_.runModal(dialog) == QDialog::Accepted && !dialog.SelectedPages().empty()) {
        w_.session.AddTemplatePages(dialog.SelectedPages(), dialog.Location());
    }
}

// A document without pages takes the red-line pages without a choice.
void PageCommands::RedLine() {
    w_.session.StoreTyping();
    if (w_.session.Waybill().PageCount() == 0) {
        w_.session.AddRedLinePages(false);
        return;
    }
    dlgRedLine dialog(&w_.window);
    switch (w_.runModal(dialog)) {
    case dlgRedLine::CreateNew:
        if (w_.session.Files().FileNew()) {
            w_.session.AddRedLinePages(false);
        }
        break;
    case dlgRedLine::InsertAtEnd:
        w_.session.AddRedLinePages(true);
        break;
    default:
        break;
    }
}

void PageCommands::EditAttributes() {
    w_.session.StoreTyping(); // the editors open on what is typed
    if (!w_.session.IsPageShown() || !w_.module.attribDefs) {
        return;
    }
    const PageView& view = w_.session.View();
    if (const auto target = w_.session.MemberToConfigure()) {
        std::vector<std::string> finishes;
        for (const clsFinish& finish : HitenFinishes().Entries()) {
            finishes.push_back(finish.LongName);
        }
        dlgEditTensile dialog(&w_.window);
        dialog.Load(target->section, target->valueLine, view.titleBlock[TblkFinish], finishes);
        if (w_.runModal(dialog) == QDialog::Accepted && dialog.Result()) {
            w_.session.ConfigureMember(*dialog.Result());
        }
        return;
    }
    dlgEditAttrib dialog(&w_.window);
    dialog.Load(view.BlockAttribValues, *w_.module.attribDefs);
    if (w_.runModal(dialog) == QDialog::Accepted) {
        w_.session.EditAttributes(dialog.Changes().attributes);
    }
}

} // namespace waybill
