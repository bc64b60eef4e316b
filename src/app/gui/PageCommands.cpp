// The Pages and Options menus: moving between pages, adding, deleting, copying, cutting and
// pasting pages, the standard page order, page numbering and red-line pages.
#include "app/AppMessages.h"
#include "app/gui/dlgAddPage.h"
#include "app/gui/dlgGotoPage.h"
#include "app/gui/dlgRedLine.h"
#include "app/gui/frmWaybillMain.h"
#include "app/gui/MainWindowActions.h"
#include "platform/gui/QtText.h"
#include "platform/gui/WaitCursor.h"
#include "app/gui/WaybillMain.h"
#include "model/FwbFile.h"
#include "page/gui/PageWidget.h"
#include "platform/gui/DialogService.h"

#include <QAction>

namespace waybill {

void frmWaybillMain::MakeDefWaybill() {
    defWaybill_ = Book{};
    std::optional<UserMessage> failure;
    {
        WaitCursor wait;
        failure = ReadFWB(FsPath(FromUtf8(module_.paths.DefFwb)), defWaybill_);
    }
    ShowMessages(failure);
    defWblIdx_ = MakeLocationIndex(defWaybill_);
}

void frmWaybillMain::SetLocIdx() {
    waybill::SetLocIdx(waybill_, defWblIdx_);
}

void frmWaybillMain::CheckSort() {
    actions_->mnuOptSort->setEnabled(!IsSorted(waybill_));
}

void frmWaybillMain::SortWaybills() {
    ChkPgContents();
    {
        WaitCursor wait;
        waybill_ = waybill::SortWaybills(waybill_);
    }
    fileChanged_ = true;
    ShowPage(1);
    actions_->mnuOptSort->setEnabled(false);
}

void frmWaybillMain::FirstPage() {
    ChkPgContents();
    waybill_.FirstPage();
    ShowPage(0);
}

void frmWaybillMain::PreviousPage() {
    ChkPgContents();
    waybill_.PreviousPage();
    ShowPage(0);
}

void frmWaybillMain::NextPage() {
    ChkPgContents();
    waybill_.NextPage();
    ShowPage(0);
}

void frmWaybillMain::LastPage() {
    ChkPgContents();
    waybill_.LastPage();
    ShowPage(0);
}

void frmWaybillMain::GotoPage() {
    ChkPgContents();
    dlgGotoPage dialog(dialogs_, this);
    dialog.FillList(waybill_);
    if (runModal_(dialog) == QDialog::Accepted && dialog.ChosenPage()) {
        ShowPage(*dialog.ChosenPage());
    }
}

void frmWaybillMain::CopyPage() {
    ChkPgContents();
    waybill_.CopyPage();
    SetCtrlMenus();
}

void frmWaybillMain::CutPage() {
    ChkPgContents();
    waybill_.CopyPage();
    waybill_.DeletePage(0);
    fileChanged_ = true;
    ShowPage(0);
    CheckSort();
}

void frmWaybillMain::PastePage() {
    ChkPgContents();
    waybill_.PastePage();
    fileChanged_ = true;
    ShowPage(0);
    CheckSort();
}

void frmWaybillMain::DeletePage() {
    if (dialogs_.ShowMessage(DeletePageQuestion(), MessageButtons::YesNo) != MessageAnswer::Yes) {
        return;
    }
    waybill_.DeletePage(0);
    fileChanged_ = true;
    ShowPage(0);
    CheckSort();
}

void frmWaybillMain::AddPage() {
    ChkPgContents();
    dlgAddPage dialog(this);
    dialog.FillList(defWaybill_);
    if (runModal_(dialog) != QDialog::Accepted || dialog.SelectedPages().empty()) {
        return;
    }
    AddTemplatePages(waybill_, defWaybill_, dialog.SelectedPages(), dialog.Location());
    fileChanged_ = true;
    ShowPage(0);
    CheckSort();
}

// The red-line pages come from "Red-line.fwb" in the program folder, where it is installed.
void frmWaybillMain::AddRedLine() {
    Book redLine;
    const auto failure =
        ReadFWB(FsPath(module_.programFolder + QStringLiteral("/Red-line.fwb")), redLine);
    if (failure) {
        dialogs_.ShowMessage(*failure);
        return;
    }
    waybill::SetLocIdx(redLine, defWblIdx_);
    AddRedLinePages(waybill_, redLine);
    fileChanged_ = true;
    ShowPage(0);
    CheckSort();
}

void frmWaybillMain::RedLine() {
    ChkPgContents();
    if (waybill_.PageCount() == 0) {
        AddRedLine();
        return;
    }
    dlgRedLine dialog(this);
    switch (runModal_(dialog)) {
    case dlgRedLine::CreateNew:
        if (ChangedOK()) {
            MakeNewWaybill();
            AddRedLine();
        }
        break;
    case dlgRedLine::InsertAtEnd:
        waybill_.LastPage();
        AddRedLine();
        break;
    default:
        break;
    }
}

void frmWaybillMain::TogNumberPages() {
    const bool numberPages = actions_->mnuOptNumberPages->isChecked();
    const bool showTotal = actions_->mnuOptShowTotalPages->isChecked();
    page_->SetPageNumbering(numberPages, numberPages && showTotal);
    waybill_.NumberPgs = numberPages;
    waybill_.ShowPgTot = showTotal;
}

// The options are stored in the document, so changing them changes the document.
void frmWaybillMain::ToggleNumbering() {
    TogNumberPages();
    fileChanged_ = true;
}

} // namespace waybill
