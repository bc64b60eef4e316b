#include "model/Book.h"

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

Page& Book::GetPage(int pageNumber) {
    return *GetPagePtr(pageNumber);
}

const Page& Book::GetPage(int pageNumber) const {
    return *GetPagePtr(pageNumber);
}

Book::PagePtr Book::GetPagePtr(int pageNumber) const {
    if (pageNumber < 1 || pageNumber > PageCount()) {
        pageNumber = current_;
    }
    return pages_.at(static_cast<std::size_t>(pageNumber - 1));
}

void Book::CopyPage() {
    pageBuf_ = std::make_shared<Page>(GetPage(current_));
}

void Book::CutPage() {
    pageBuf_ = GetPagePtr(current_);
    DeletePage(0);
}

void Book::PastePage() {
    if (pageBuf_) {
        AddPage(*pageBuf_, AfterCurrentPage);
    }
}

void Book::ReplacePage(PagePtr page) {
    if (pages_.empty()) {
        return;
    }
    const auto index = static_cast<std::size_t>(current_ - 1);
    pages_.erase(pages_.begin() + static_cast<std::ptrdiff_t>(index));
    if (index >= pages_.size()) {
        pages_.push_back(std::move(page));
    } else {
        Insert(index, std::move(page));
    }
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
