#include "app/PageOrder.h"

#include <gtest/gtest.h>

namespace waybill {
namespace {

using Names = std::vector<std::string>;

Book BookOf(const Names& cads, const std::vector<std::int16_t>& locs = {}) {
    Book book;
    for (std::size_t i = 0; i < cads.size(); ++i) {
        Page page;
        page.CadNumber = cads[i];
        page.LocIndex = i < locs.size() ? locs[i] : kUnknownLocIndex;
        book.AddPage(page, AfterLastPage);
    }
    return book;
}

template <class T> std::vector<T> Each(const Book& book, T Page::*field) {
    std::vector<T> values;
    for (const auto& page : book.Pages()) {
        values.push_back((*page).*field);
    }
    return values;
}

TEST(PageOrderTest, DefaultDocumentGivesEachKindItsPositionFirstOneWinning) {
    EXPECT_EQ(CadBase("Sht-a-b"), "sht");
    EXPECT_EQ(CadBase("-x"), "");
    Book defaults = BookOf({"pre_rel-01", "stl-01", "STL-02", "brc-01"});
    const LocationIndex index = MakeLocationIndex(defaults);
    EXPECT_EQ(Each(defaults, &Page::LocIndex), (std::vector<std::int16_t>{1, 2, 2, 4}));
    EXPECT_EQ(index.Find("other"), std::nullopt);

    Book doc = BookOf({"BRC-07", "new-01", "stl-9"}, {5, 7});
    SetLocIdx(doc, index);
    EXPECT_EQ(Each(doc, &Page::LocIndex), (std::vector<std::int16_t>{4, 7, 2}));
}

TEST(PageOrderTest, SortPutsPagesInDefaultOrderKeepingTiesAndHeader) {
    Book doc = BookOf({"c", "a", "x", "b", "a2"}, {3, 1, 999, 2, 1});
    doc.Customer = "ACME, Inc.";
    EXPECT_FALSE(IsSorted(doc));
    const Book sorted = SortWaybills(doc);
    EXPECT_EQ(Each(sorted, &Page::CadNumber), (Names{"a", "a2", "b", "c", "x"}));
    EXPECT_TRUE(IsSorted(sorted));
    EXPECT_EQ(sorted.Customer, "ACME, Inc.");
    EXPECT_EQ(sorted.CurPage(), 1);
    EXPECT_EQ(sorted.GetPagePtr(1), doc.GetPagePtr(2)); // shared, not copied
    // Unknown kinds and empty documents count as sorted.
    EXPECT_TRUE(IsSorted(BookOf({"a", "b"})));
    EXPECT_TRUE(IsSorted(Book{}));
    EXPECT_FALSE(IsSorted(BookOf({"a", "b"}, {999, 2})));
}

// Page 2 of t1, t3, t4 is shown; after the first added page the others follow in list order.
TEST(PageOrderTest, AddTemplatePagesAtEachLocation) {
    Book defaults = BookOf({"t1", "t2", "t3", "t4"});
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
        Book doc = BookOf({"t1", "t3", "t4"}, {1, 3, 4});
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

} // namespace
} // namespace waybill
