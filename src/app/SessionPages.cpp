// The edit session's page commands (EditSession.h): the page clipboard, pages added, removed,
// sorted and recomposed, the numbering options.
#include "app/AppMessages.h"
#include "app/EditSession.h"
#include "details/DetailPage.h"
#include "model/FwbFile.h"
#include "model/Page.h"
#include "page/PageData.h"

namespace waybill {

using namespace SessionChange;

void EditSession::CopyPage() {
    StoreTyping();
    document_.CopyPage();
    Notify(PageList);
}

void EditSession::CutPage() {
    StoreTyping();
    document_.CopyPage();
    RecordDocumentEdit("Cut Page", [](Book& book) { book.DeletePage(0); });
}

void EditSession::PastePage() {
    RecordDocumentEdit("Paste Page", [](Book& book) { book.PastePage(); });
}

void EditSession::DeletePage() {
    StoreTyping();
    if (questions_.ShowMessage(DeletePageQuestion(), MessageButtons::YesNo) == MessageAnswer::Yes) {
        RecordDocumentEdit("Delete Page", [](Book& book) { book.DeletePage(0); });
    }
}

void EditSession::AddTemplatePages(const std::vector<int>& templatePages, PageLocation location) {
    RecordDocumentEdit("Add Page", [&](Book& book) {
        waybill::AddTemplatePages(book, defWaybill_, templatePages, location);
    });
}

// When the file cannot be read nothing is added, and the page is shown again as it is in the
// document.
void EditSession::AddRedLinePages(bool atEnd) {
    StoreTyping();
    Book redLine;
    if (const auto failure = ReadFWB(setup_.redLineDocument, redLine)) {
        ShowMessage(*failure);
        ShowPage(0);
        return;
    }
    SetLocIdx(redLine, defWblIdx_);
    RecordDocumentEdit("Red Line", [&](Book& book) {
        if (atEnd) {
            book.LastPage();
        }
        waybill::AddRedLinePages(book, redLine);
    });
}

void EditSession::AddDetailPages(std::string_view step, std::vector<Page> pages) {
    for (Page& page : pages) {
        if (const auto position = defWblIdx_.Find(waybill::CadBase(page.CadNumber))) {
            page.LocIndex = *position;
        }
    }
    RecordDocumentEdit(step, [&pages](Book& book) { waybill::AddDetailPages(book, pages); });
}

void EditSession::SortPages() {
    RecordDocumentEdit("Sort", [](Book& book) { book = SortWaybills(book); });
}

void EditSession::ToggleNumberPages() {
    RecordDocumentEdit("Number Pages", [](Book& book) { book.NumberPgs = !book.NumberPgs; });
}

void EditSession::ToggleShowPageTotal() {
    RecordDocumentEdit("Show Total Pages", [](Book& book) { book.ShowPgTot = !book.ShowPgTot; });
}

void EditSession::Recompose() {
    StoreTyping();
    const int current = document_.GetBook().CurPage();
    document_.Record("Recompose", [this](Book& book) {
        for (int page = 1; page <= book.PageCount(); ++page) {
            book.GotoPage(page);
            Render(book);
            ComposePageData(view_, book);
        }
    });
    document_.GotoPage(current);
    Render(document_.GetBook(), false); // each page's messages were shown once
    Notify(PageShown | PageList | Header | History);
}

} // namespace waybill
