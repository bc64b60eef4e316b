#include "app/PageOrder.h"

#include <gtest/gtest.h>

namespace waybill {
namespace {

Page MakePage(std::string cad, std::int16_t loc = kUnknownLocIndex) {
    Page page;
    page.CadNumber = std::move(cad);
    page.LocIndex = loc;
    return page;
}

std::vector<std::int16_t> Positions(const Book& book) {
    std::vector<std::int16_t> positions;
    for (const auto& page : book.Pages()) {
        positions.push_back(page->LocIndex);
    }
    return positions;
}

std::vector<std::string> Cads(const Book& book) {
    std::vector<std::string> cads;
    for (const auto& page : book.Pages()) {
        cads.push_back(page->CadNumber);
    }
    return cads;
}

Book BookOf(const std::vector<Page>& pages) {
    Book book;
    for (const auto& page : pages) {
        book.AddPage(page, AfterLastPage);
    }
    return book;
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
    EXPECT_EQ(Positions(defaults), (std::vector<std::int16_t>{1, 2, 2, 4}));
    EXPECT_EQ(index.Find("Stl"), 2);
    EXPECT_EQ(index.Find("brc"), 4);
    EXPECT_EQ(index.Find("other"), std::nullopt);

    Book doc = BookOf({MakePage("BRC-07", 5), MakePage("new-01", 7), MakePage("stl-9")});
    SetLocIdx(doc, index);
    EXPECT_EQ(Positions(doc), (std::vector<std::int16_t>{4, 7, 2}));
}

TEST(PageOrderTest, SortPutsPagesInDefaultOrderKeepingTiesAndHeader) {
    Book doc = BookOf({MakePage("c", 3), MakePage("a", 1), MakePage("x", 999), MakePage("b", 2),
                       MakePage("a2", 1)});
    doc.Customer = "ACME, Inc.";
    doc.NumberPgs = true;
    doc.CopyPage();
    EXPECT_FALSE(IsSorted(doc));
    const Book sorted = SortWaybills(doc);
    EXPECT_EQ(Cads(sorted), (std::vector<std::string>{"a", "a2", "b", "c", "x"}));
    EXPECT_TRUE(IsSorted(sorted));
    EXPECT_EQ(sorted.Customer, "ACME, Inc.");
    EXPECT_TRUE(sorted.NumberPgs);
    EXPECT_FALSE(sorted.HasPageBuf());
}

TEST(PageOrderTest, UnknownKindsAndEmptyDocumentsAreSorted) {
    EXPECT_TRUE(IsSorted(BookOf({MakePage("a"), MakePage("b")})));
    EXPECT_TRUE(IsSorted(Book{}));
    EXPECT_FALSE(IsSorted(BookOf({MakePage("a"), MakePage("b", 2)})));
}

class AddTemplatePagesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        defaults = BookOf({MakePage("t1"), MakePage("t2"), MakePage("t3"), MakePage("t4")});
        MakeLocationIndex(defaults);
        doc = BookOf({MakePage("t1", 1), MakePage("t3", 3), MakePage("t4", 4)});
        doc.GotoPage(2);
    }
    Book defaults;
    Book doc;
};

TEST_F(AddTemplatePagesTest, AfterCurrentPageFollowInListOrder) {
    AddTemplatePages(doc, defaults, {2, 4}, AfterCurrentPage);
    EXPECT_EQ(Cads(doc), (std::vector<std::string>{"t1", "t3", "t2", "t4", "t4"}));
    EXPECT_EQ(doc.CurPage(), 4);
}

TEST_F(AddTemplatePagesTest, BeforeCurrentPageThenTheRestFollow) {
    AddTemplatePages(doc, defaults, {1, 2}, BeforeCurrentPage);
    EXPECT_EQ(Cads(doc), (std::vector<std::string>{"t1", "t1", "t2", "t3", "t4"}));
    EXPECT_EQ(doc.CurPage(), 3);
}

TEST_F(AddTemplatePagesTest, AfterLastPageThenTheRestFollow) {
    AddTemplatePages(doc, defaults, {1, 2}, AfterLastPage);
    EXPECT_EQ(Cads(doc), (std::vector<std::string>{"t1", "t3", "t4", "t1", "t2"}));
    EXPECT_EQ(doc.CurPage(), 5);
}

TEST_F(AddTemplatePagesTest, AtDefaultLocationEachGoesToItsOwnPlace) {
    AddTemplatePages(doc, defaults, {2, 4}, AtDefaultLocation);
    EXPECT_EQ(Cads(doc), (std::vector<std::string>{"t1", "t2", "t3", "t4", "t4"}));
    EXPECT_TRUE(IsSorted(doc));
    EXPECT_EQ(doc.CurPage(), 5);
}

TEST_F(AddTemplatePagesTest, IntoAnEmptyDocument) {
    Book empty;
    AddTemplatePages(empty, defaults, {3, 1}, AfterCurrentPage);
    EXPECT_EQ(Cads(empty), (std::vector<std::string>{"t3", "t1"}));
    EXPECT_EQ(empty.CurPage(), 2);
}

TEST(RedLineTest, PagesFollowTheCurrentPageInFileOrder) {
    Book doc = BookOf({MakePage("a"), MakePage("b")});
    doc.GotoPage(1);
    AddRedLinePages(doc, BookOf({MakePage("r1"), MakePage("r2")}));
    EXPECT_EQ(Cads(doc), (std::vector<std::string>{"a", "r1", "r2", "b"}));
    EXPECT_EQ(doc.CurPage(), 3);
}

} // namespace
} // namespace waybill
