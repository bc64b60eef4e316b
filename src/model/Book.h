#pragma once

#include "model/Page.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace waybill {

// Where AddPage puts a page.
enum PageLocation : std::int16_t {
    AtDefaultLocation = 0,
    AfterCurrentPage = 1,
    BeforeCurrentPage = 2,
    AfterLastPage = 3,
};

// The open document: header fields, pages with a current-page cursor (1-based, 0 only when
// empty) and a one-page clipboard. Pages are held by shared handles, so copying a book is
// cheap and the copies share their pages; a change through the mutable GetPage copies a page
// that another book still holds first (copy on write), so it changes this book only. Every
// operation is safe on an empty book: it does nothing, and GetPage hands out a blank page.
class Book {
  public:
    using PagePtr = std::shared_ptr<Page>;

    std::string DetailBy;
    std::string Issue;
    std::string CheckedBy;
    std::string CurDate;
    std::string Customer;
    std::string JobNumber;
    std::string Password;
    bool NumberPgs = false;
    bool ShowPgTot = false;

    void LastPage();
    void FirstPage();
    void NextPage();
    void PreviousPage();
    void GotoPage(int pageNumber);
    // A number below 1 means the current page; one above the count removes nothing.
    void DeletePage(int pageNumber);
    // Adds a copy of the page; `location` is one of PageLocation (any other value appends).
    void AddPage(const Page& newPage, int location);
    void Add(std::string cadNumber, std::string finish, std::string description, PageLines pageData,
             int location);
    int CurPage() const { return current_; }
    // The stored page; a number outside 1..count means the current page. An empty book
    // hands out a blank page that belongs to no book, so a change through it goes nowhere.
    Page& GetPage(int pageNumber);
    const Page& GetPage(int pageNumber) const;
    // The shared handle of the stored page (null for an empty book). Read only: changes go
    // through GetPage, which keeps other books' pages as they were.
    std::shared_ptr<const Page> GetPagePtr(int pageNumber) const;
    bool HasPageBuf() const { return pageBuf_ != nullptr; }
    const Page* PageBuf() const { return pageBuf_.get(); }
    int PageCount() const { return static_cast<int>(pages_.size()); }
    // The pages in order, for iteration.
    const std::vector<PagePtr>& Pages() const { return pages_; }
    void CopyPage();
    void CutPage();
    void PastePage();
    // The current page is replaced by `page` itself; the cursor is unchanged.
    void ReplacePage(PagePtr page);

    // The header fields and the options, without pages or clipboard.
    void CopyHeaderFrom(const Book& other);
    bool SameHeader(const Book& other) const;
    // Puts back a page list and cursor taken from another state of this document; the
    // cursor is kept inside the pages.
    void SetPages(std::vector<PagePtr> pages, int current);

  private:
    void Insert(std::size_t index, PagePtr page);
    std::size_t IndexOf(int pageNumber) const;

    std::vector<PagePtr> pages_;
    int current_ = 0;
    PagePtr pageBuf_;
    Page blank_;
};

} // namespace waybill
