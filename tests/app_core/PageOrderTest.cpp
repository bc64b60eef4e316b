#include "app/PageOrder.h"

#include <gtest/gtest.h>

namespace waybill {
namespace {

using Names = std::vector<std::string>;

Page MakePage(std::string cad, std::int16_t loc = kUnknownLocIndex) {
    Page page;
    page.CadNumber = std::move(cad);
    page.LocIndex = loc;
    return page;
}

Book BookOf(const std::vector<Page>& pages) {
    Book book;
    for (const auto& page : pages) {
        book.AddPage(page, AfterLastPage);
    }
    return book;
}

// One field of every page, first to last.
template <class T> std::vector<T> Each(const Book& book, T Page::*field) {
    std::vector<T> values;
    for (const auto& page : book.Pages()) {
        values.push_back((*page).*field);
    }
    return values;
}

TEST(PageOrderTest, PageKindKeyIsTheCadNumberUpToTheFirstDash) {
    EXPECT_EQ(PageKindKey("cable01-01"), "cable01");
    EXPECT_EQ(PageKindKey("Sht-a-b"), "Sht");
    EXPECT_EQ(PageKindKey("nodash"), "nodash");
    EXPECT_EQ(PageKindKey("-x"), "");
}

TEST(PageOrderTest, DefaultDocumentGivesEachKindItsPositionFirstOneWinning) {
    Book defaults = BookOf(
        {MakePage("pre_rel-01"), MakePage("stl-01"), MakePage("STL-02"), MakePage("brc-01")});
    const LocationIndex index = MakeLocationIndex(defaults);
    EXPECT_EQ(Each(defaults, &Page::LocIndex), (std::vector<std::int16_t>{1, 2, 2, 4}));
    EXPECT_EQ(index.Find("Stl"), 2);
    EXPECT_EQ(index.Find("other"), std::nullopt);

    Book doc = BookOf({MakePage("BRC-07", 5), MakePage("new-01", 7), MakePage("stl-9")});
    SetLocIdx(doc, index);
    EXPECT_EQ(Each(doc, &Page::LocIndex), (std::vector<std::int16_t>{4, 7, 2}));
}

TEST(PageOrderTest, SortPutsPagesInDefaultOrderKeepingTiesAndHeader) {
    Book doc = BookOf({MakePage("c", 3), MakePage("a", 1), MakePage("x", 999), MakePage("b", 2),
                       MakePage("a2", 1)});
    doc.Customer = "ACME, Inc.";
    doc.CopyPage();
    EXPECT_FALSE(IsSorted(doc));
    const Book sorted = SortWaybills(doc);
    EXPECT_EQ(Each(sorted, &Page::CadNumber), (Names{"a", "a2", "b", "c", "x"}));
    EXPECT_TRUE(IsSorted(sorted));
    EXPECT_EQ(sorted.Customer, "ACME, Inc.");
    EXPECT_FALSE(sorted.HasPageBuf());
    // Unknown kinds and empty documents count as sorted.
    EXPECT_TRUE(IsSorted(BookOf({MakePage("a"), MakePage("b")})));
    EXPECT_TRUE(IsSorted(Book{}));
    EXPECT_FALSE(IsSorted(BookOf({MakePage("a"), MakePage("b", 2)})));
}

// Page 2 of t1, t3, t4 is shown; after the first added page the others follow in list order.
TEST(PageOrderTest, AddTemplatePagesAtEachLocation) {
    Book defaults = BookOf({MakePage("t1"), MakePage("t2"), MakePage("t3"), MakePage("t4")});
    MakeLocationIndex(defaults);
    struct Case {
        std::vector<int> templates;
        PageLocation location;
        Names cads;
        int current;
    };
    const Case cases[] = {{{2, 4}, AfterCurrentPage, {"t1", "t3", "t2", "t4", "t4"}, 4},
                          {{1, 2}, BeforeCurrentPage, {"t1", "t1", "t2", "t3", "t4"}, 3},
                          {{1, 2}, AfterLastPage, {"t1", "t3", "t4", "t1", "t2"}, 5},
                          {{2, 4}, AtDefaultLocation, {"t1", "t2", "t3", "t4", "t4"}, 5}};
    for (const Case& c : cases) {
        Book doc = BookOf({MakePage("t1", 1), MakePage("t3", 3), MakePage("t4", 4)});
        doc.GotoPage(2);
        AddTemplatePages(doc, defaults, c.templates, c.location);
        EXPECT_EQ(Each(doc, &Page::CadNumber), c.cads) << c.location;
        EXPECT_EQ(doc.CurPage(), c.current) << c.location;
    }
    Book empty;
    AddTemplatePages(empty, defaults, {3, 0, 9, 1}, AfterCurrentPage); // no such pages: skipped
    EXPECT_EQ(Each(empty, &Page::CadNumber), (Names{"t3", "t1"}));
    EXPECT_EQ(empty.CurPage(), 2);
}

TEST(RedLineTest, PagesFollowTheCurrentPageInFileOrder) {
    Book doc = BookOf({MakePage("a"), MakePage("b")});
    doc.GotoPage(1);
    AddRedLinePages(doc, BookOf({MakePage("r1"), MakePage("r2")}));
    EXPECT_EQ(Each(doc, &Page::CadNumber), (Names{"a", "r1", "r2", "b"}));
    EXPECT_EQ(doc.CurPage(), 3);
}

} // namespace
} // namespace waybill
