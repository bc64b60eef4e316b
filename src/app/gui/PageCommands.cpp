// The Pages and Options menus: moving between pages, adding, deleting, copying, cutting and
// pasting pages, the standard page order, page numbering and red-line pages.
#include "app/AppMessages.h"
#include "app/gui/dlgAddPage.h"
#include "app/gui/dlgGotoPage.h"
#include "app/gui/dlgRedLine.h"
#include "app/gui/frmWaybillMain.h"
#include "app/gui/MainWindowActions.h"
#include "app/gui/WaybillMain.h"
#include "model/FwbFile.h"
#include "page/gui/PageWidget.h"
#include "platform/gui/DialogService.h"
#include "platform/gui/QtText.h"
#include "platform/gui/WaitCursor.h"

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

void frmWaybillMain::CheckSort() {
    actions_->mnuOptSort->setEnabled(!IsSorted(document_.GetBook()));
}

void frmWaybillMain::SortWaybills() {
    RecordDocumentEdit(QStringLiteral("Sort"),
                       [](Book& book) { book = waybill::SortWaybills(book); });
}

void frmWaybillMain::FirstPage() {
    ChkPgContents();
    document_.GotoPage(1);
    ShowPage(0);
}

void frmWaybillMain::PreviousPage() {
    ChkPgContents();
    document_.GotoPage(document_.GetBook().CurPage() - 1);
    ShowPage(0);
}

void frmWaybillMain::NextPage() {
    ChkPgContents();
    document_.GotoPage(document_.GetBook().CurPage() + 1);
    ShowPage(0);
}

void frmWaybillMain::LastPage() {
    ChkPgContents();
    document_.GotoPage(document_.GetBook().PageCount());
    ShowPage(0);
}

void frmWaybillMain::GotoPage() {
    ChkPgContents();
    dlgGotoPage dialog(dialogs_, this);
    dialog.FillList(document_.GetBook());
    if (runModal_(dialog) == QDialog::Accepted && dialog.ChosenPage()) {
        ShowPage(*dialog.ChosenPage());
    }
}

void frmWaybillMain::CopyPage() {
    ChkPgContents();
    document_.CopyPage();
    SetCtrlMenus();
}

void frmWaybillMain::CutPage() {
    ChkPgContents();
    document_.CopyPage();
    RecordDocumentEdit(QStringLiteral("Cut Page"), [](Book& book) { book.DeletePage(0); });
}

void frmWaybillMain::PastePage() {
    RecordDocumentEdit(QStringLiteral("Paste Page"), [](Book& book) { book.PastePage(); });
}

void frmWaybillMain::DeletePage() {
    ChkPgContents();
    if (dialogs_.ShowMessage(DeletePageQuestion(), MessageButtons::YesNo) != MessageAnswer::Yes) {
        return;
    }
    RecordDocumentEdit(QStringLiteral("Delete Page"), [](Book& book) { book.DeletePage(0); });
}

void frmWaybillMain::AddPage() {
    ChkPgContents();
    dlgAddPage dialog(this);
    dialog.FillList(defWaybill_);
    if (runModal_(dialog) != QDialog::Accepted || dialog.SelectedPages().empty()) {
        return;
    }
    RecordDocumentEdit(QStringLiteral("Add Page"), [&](Book& book) {
        AddTemplatePages(book, defWaybill_, dialog.SelectedPages(), dialog.Location());
    });
}

// The red-line pages come from "Red-line.fwb" in the program folder, where it is installed.
// They go after the current page, or after the last one when `atEnd`. When the file cannot
// be read nothing is added, and the page on screen is shown again as it is in the document.
void frmWaybillMain::AddRedLine(bool atEnd) {
    Book redLine;
    const auto failure =
        ReadFWB(FsPath(module_.programFolder + QStringLiteral("/Red-line.fwb")), redLine);
    if (failure) {
        dialogs_.ShowMessage(*failure);
        ShowPage(0);
        CheckSort();
        return;
    }
    waybill::SetLocIdx(redLine, defWblIdx_);
    RecordDocumentEdit(QStringLiteral("Red Line"), [&](Book& book) {
        if (atEnd) {
            book.LastPage();
        }
        AddRedLinePages(book, redLine);
    });
}

void frmWaybillMain::RedLine() {
    ChkPgContents();
    if (document_.GetBook().PageCount() == 0) {
        AddRedLine(false);
        return;
    }
    dlgRedLine dialog(this);
    switch (runModal_(dialog)) {
    case dlgRedLine::CreateNew:
        if (ChangedOK()) {
            ReplaceDocument();
            AddRedLine(false);
        }
        break;
    case dlgRedLine::InsertAtEnd:
        AddRedLine(true);
        break;
    default:
        break;
    }
}

// Shows the numbering fields the options ask for.
void frmWaybillMain::TogNumberPages() {
    const bool numberPages = actions_->mnuOptNumberPages->isChecked();
    const bool showTotal = actions_->mnuOptShowTotalPages->isChecked();
    page_->SetPageNumbering(numberPages, numberPages && showTotal);
}

// The options are stored in the document, so changing them is a step.
void frmWaybillMain::ToggleNumbering(const QString& name) {
    TogNumberPages();
    const bool numberPages = actions_->mnuOptNumberPages->isChecked();
    const bool showTotal = actions_->mnuOptShowTotalPages->isChecked();
    ChkPgContents();
    RecordStep(name, [&](Book& book) {
        book.NumberPgs = numberPages;
        book.ShowPgTot = showTotal;
    });
}

} // namespace waybill
