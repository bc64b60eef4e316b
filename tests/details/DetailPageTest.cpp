#include "details/DetailPage.h"

#include <gtest/gtest.h>

namespace waybill {
namespace {

Page Named(const std::string& cad) {
    Page page;
    page.CadNumber = cad;
    return page;
}

std::vector<std::string> CadNumbers(const Book& book) {
    std::vector<std::string> names;
    for (const auto& page : book.Pages()) {
        names.push_back(page->CadNumber);
    }
    return names;
}

TEST(AddDetailPages, GoAfterTheCurrentPageInOrderAndTheLastBecomesCurrent) {
    Book book;
    AddDetailPages(book, {Named("trim20"), Named("trim24")}); // into an empty document
    EXPECT_EQ(CadNumbers(book), (std::vector<std::string>{"trim20", "trim24"}));
    EXPECT_EQ(book.CurPage(), 2);
    book = Book{};
    for (const char* cad : {"a", "b", "c"}) {
        book.AddPage(Named(cad), AfterLastPage);
    }
    book.GotoPage(2);
    AddDetailPages(book, {Named("trim20"), Named("trim24")});
    EXPECT_EQ(CadNumbers(book), (std::vector<std::string>{"a", "b", "trim20", "trim24", "c"}));
    EXPECT_EQ(book.CurPage(), 4);

    book.LastPage();
    AddDetailPages(book, {Named("trim22")});
    EXPECT_EQ(CadNumbers(book).back(), "trim22");
    EXPECT_EQ(book.CurPage(), 6);
}

TEST(MakeDetailPage, BlockAndValueLinePairs) {
    const Page page = MakeDetailPage("trim25-01", "TRIM DETAILS (x)",
                                     {{"trim25", {"a", "", "c"}}, {"gutter_strap", {}}});
    EXPECT_EQ(page.PageData,
              (PageLines{"ATTRIBLK: trim25", "|a||c|", "ATTRIBLK: gutter_strap", "|"}));
    EXPECT_EQ(page.Finish, "");
}

} // namespace
} // namespace waybill
