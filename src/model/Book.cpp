#include "model/Book.h"
#include "model/BookEquality.h"

#include <algorithm>

namespace waybill {

void Book::LastPage() {
    current_ = PageCount();
}

void Book::FirstPage() {
    if (!pages_.empty()) {
        current_ = 1;
    }
}

void Book::NextPage() {
    if (current_ + 1 <= PageCount()) {
        ++current_;
    }
}

void Book::PreviousPage() {
    if (current_ > 1) {
        --current_;
    }
}

void Book::GotoPage(int pageNumber) {
    if (pageNumber >= 1 && pageNumber <= PageCount()) {
        current_ = pageNumber;
    }
}

void Book::DeletePage(int pageNumber) {
    if (pageNumber < 1) {
        pageNumber = current_;
    }
    if (pageNumber < 1 || pageNumber > PageCount()) {
        return;
    }
    pages_.erase(pages_.begin() + (pageNumber - 1));
    if (current_ > PageCount()) {
        current_ = PageCount();
    }
}

void Book::Insert(std::size_t index, PagePtr page) {
    pages_.insert(pages_.begin() + static_cast<std::ptrdiff_t>(index), std::move(page));
}

void Book::AddPage(const Page& newPage, int location) {
    auto copy = std::make_shared<Page>(newPage);
    if (pages_.empty()) {
        pages_.push_back(std::move(copy));
        current_ = 1;
        return;
    }
    switch (location) {
    case AfterCurrentPage:
        Insert(static_cast<std::size_t>(current_), std::move(copy));
        ++current_;
        return;
    case BeforeCurrentPage:
        Insert(static_cast<std::size_t>(current_ - 1), std::move(copy));
        return;
    case AtDefaultLocation:
        for (std::size_t i = 0; i < pages_.size(); ++i) {
            if (pages_[i]->LocIndex > copy->LocIndex) {
                current_ = static_cast<int>(i) + 1;
                Insert(i, std::move(copy));
                return;
            }
        }
        [[fallthrough]];
    default:
        pages_.push_back(std::move(copy));
        current_ = PageCount();
        return;
    }
}

void Book::Add(std::string cadNumber, std::string finish, std::string description,
               PageLines pageData, int location) {
    Page page;
    page.CadNumber = std::move(cadNumber);
    page.Finish = std::move(finish);
    page.Description = std::move(description);
    page.PageData = std::move(pageData);
    // A fresh page sorts like `page` (both have the unknown LocIndex) and every location
    // leaves the cursor on the added page, so the lines can be moved in, not copied.
    AddPage(Page{}, location);
    *pages_[static_cast<std::size_t>(current_ - 1)] = std::move(page);
}

std::size_t Book::IndexOf(int pageNumber) const {
    if (pageNumber < 1 || pageNumber > PageCount()) {
        pageNumber = current_;
    }
    return static_cast<std::size_t>(pageNumber - 1);
}

Page& Book::GetPage(int pageNumber) {
    if (pages_.empty()) {
        blank_ = Page{};
        return blank_;
    }
    PagePtr& page = pages_[IndexOf(pageNumber)];
    if (page.use_count() > 1) {
        page = std::make_shared<Page>(*page); // another book or the clipboard keeps the old one
    }
    return *page;
}

const Page& Book::GetPage(int pageNumber) const {
    static const Page kBlank;
    return pages_.empty() ? kBlank : *pages_[IndexOf(pageNumber)];
}

std::shared_ptr<const Page> Book::GetPagePtr(int pageNumber) const {
    return pages_.empty() ? nullptr : pages_[IndexOf(pageNumber)];
}

void Book::CopyPage() {
    if (!pages_.empty()) {
        pageBuf_ = std::make_shared<Page>(GetPage(current_));
    }
}

// The clipboard shares the cut page; a later change on either side copies it first.
void Book::CutPage() {
    if (!pages_.empty()) {
        pageBuf_ = pages_[IndexOf(current_)];
        DeletePage(0);
    }
}

void Book::PastePage() {
    if (pageBuf_) {
        AddPage(*pageBuf_, AfterCurrentPage);
    }
}

void Book::ReplacePage(PagePtr page) {
    if (pages_.empty() || !page) {
        return;
    }
    pages_[IndexOf(current_)] = std::move(page);
}

void Book::SetPages(std::vector<PagePtr> pages, int current) {
    pages_ = std::move(pages);
    current_ = pages_.empty() ? 0 : std::clamp(current, 1, PageCount());
}

bool Book::SameHeader(const Book& other) const {
    return DetailBy == other.DetailBy && Issue == other.Issue && CheckedBy == other.CheckedBy &&
           CurDate == other.CurDate && Customer == other.Customer && JobNumber == other.JobNumber &&
           Password == other.Password && NumberPgs == other.NumberPgs &&
           ShowPgTot == other.ShowPgTot;
}

bool operator==(const Book& a, const Book& b) {
    const auto sameContent = [](const Book::PagePtr& x, const Book::PagePtr& y) {
        return x->CadNumber == y->CadNumber && x->Finish == y->Finish &&
               x->Description == y->Description && x->PageData == y->PageData;
    };
    return a.SameHeader(b) && std::equal(a.Pages().begin(), a.Pages().end(), b.Pages().begin(),
                                         b.Pages().end(), sameContent);
}

void Book::CopyHeaderFrom(const Book& other) {
    DetailBy = other.DetailBy;
    Issue = other.Issue;
    CheckedBy = other.CheckedBy;
    CurDate = other.CurDate;
    Customer = other.Customer;
    JobNumber = other.JobNumber;
    Password = other.Password;
    NumberPgs = other.NumberPgs;
    ShowPgTot = other.ShowPgTot;
}

} // namespace waybill
