#include "model/Book.h"

#include "model/BookEquality.h"

#include <gtest/gtest.h>
#include <utility>

namespace waybill {
namespace {

Page MakePage(const std::string& cad, std::int16_t loc = kUnknownLocIndex) {
    Page p;
    p.CadNumber = cad;
    p.LocIndex = loc;
    p.PageData = {"GRID: " + cad};
    return p;
}

std::string Order(const Book& book) {
    std::string s;
    for (const auto& page : book.Pages()) {
        s += page->CadNumber + " ";
    }
    return s;
}

Book Three() {
    Book b;
    for (const char* cad : {"a", "b", "c"}) {
        b.AddPage(MakePage(cad), AfterLastPage);
    }
    return b;
}

TEST(BookCursor, MovesOnlyWithinThePages) {
    Book b = Three();
    EXPECT_EQ(b.CurPage(), 3);
    b.NextPage();
    EXPECT_EQ(b.CurPage(), 3);
    b.FirstPage();
    b.PreviousPage();
    EXPECT_EQ(b.CurPage(), 1);
    b.GotoPage(0);
    b.GotoPage(4);
    EXPECT_EQ(b.CurPage(), 1);
    b.GotoPage(2);
    EXPECT_EQ(b.CurPage(), 2);
    EXPECT_EQ(b.GetPage(99).CadNumber, "b"); // out of range: the current page
}

TEST(BookDelete, KeepsTheCursorInRange) {
    Book b = Three();
    b.DeletePage(0); // the current, last page
    EXPECT_EQ(Order(b), "a b ");
    EXPECT_EQ(b.CurPage(), 2);

    b.GotoPage(2);
    b.DeletePage(1); // an earlier page: the cursor now names the page that followed
    EXPECT_EQ(b.CurPage(), 1);
    EXPECT_EQ(b.GetPage(0).CadNumber, "b");
    b.DeletePage(7);
    EXPECT_EQ(b.PageCount(), 1);
    b.DeletePage(-1);
    EXPECT_EQ(b.PageCount(), 0);
    EXPECT_EQ(b.CurPage(), 0);
}

TEST(BookAdd, LocationCodes) {
    Book b = Three();
    b.GotoPage(2);
    b.AddPage(MakePage("after"), AfterCurrentPage);
    EXPECT_EQ(Order(b), "a b after c ");
    EXPECT_EQ(b.CurPage(), 3);
    b.AddPage(MakePage("before"), BeforeCurrentPage);
    EXPECT_EQ(Order(b), "a b before after c ");
    EXPECT_EQ(b.GetPage(0).CadNumber, "before");
    b.AddPage(MakePage("end"), 42); // any other code appends
    EXPECT_EQ(Order(b), "a b before after c end ");
    EXPECT_EQ(b.CurPage(), 6);
}

TEST(BookAdd, DefaultLocationIsAStableAscendingOrder) {
    Book b;
    for (std::int16_t loc : {1, 2, 3}) {
        b.AddPage(MakePage("p" + std::to_string(loc), loc), AfterLastPage);
    }
    b.AddPage(MakePage("new", 2), AtDefaultLocation);
    EXPECT_EQ(Order(b), "p1 p2 new p3 ");
    EXPECT_EQ(b.CurPage(), 3);

    Book unknown;
    unknown.AddPage(MakePage("x"), AfterLastPage);
    unknown.AddPage(MakePage("y"), AfterLastPage);
    unknown.GotoPage(1);
    unknown.AddPage(MakePage("five", 5), AtDefaultLocation);
    unknown.AddPage(MakePage("seven", 7), AtDefaultLocation);
    EXPECT_EQ(Order(unknown), "five seven x y ");

    Book empty;
    empty.AddPage(MakePage("only", 5), BeforeCurrentPage);
    EXPECT_EQ(empty.CurPage(), 1);
}

TEST(BookClipboard, CopiesAreIndependent) {
    Book b = Three();
    b.GotoPage(1);
    EXPECT_FALSE(b.HasPageBuf());
    b.CutPage();
    EXPECT_EQ(Order(b), "b c ");
    EXPECT_EQ(b.CurPage(), 1);
    b.PastePage();
    b.PastePage();
    EXPECT_EQ(Order(b), "b a a c ");
    EXPECT_EQ(b.CurPage(), 3);
    b.GetPage(2).CadNumber = "changed";
    EXPECT_EQ(b.GetPage(3).CadNumber, "a");
    EXPECT_EQ(b.PageBuf()->CadNumber, "a");

    b.GotoPage(4);
    b.CopyPage();
    b.GetPage(4).Finish = "GR";
    EXPECT_EQ(b.PageBuf()->Finish, "");
}

TEST(BookReplace, PutsThePageItselfAtTheCursor) {
    Book b = Three();
    b.GotoPage(2);
    auto replacement = std::make_shared<Page>(MakePage("new"));
    b.ReplacePage(replacement);
    EXPECT_EQ(Order(b), "a new c ");
    EXPECT_EQ(b.CurPage(), 2);
    replacement->Finish = "GR";
    EXPECT_EQ(b.GetPage(2).Finish, "GR");

    b.LastPage();
    b.ReplacePage(std::make_shared<Page>(MakePage("last")));
    EXPECT_EQ(Order(b), "a new last ");

    Book empty;
    empty.ReplacePage(std::make_shared<Page>(MakePage("x")));
    EXPECT_EQ(empty.PageCount(), 0);
}

TEST(BookEmpty, EveryOperationIsSafe) {
    Book b;
    b.CopyPage();
    EXPECT_FALSE(b.HasPageBuf());
    b.CutPage();
    b.PastePage();
    b.DeletePage(0);
    b.DeletePage(1);
    b.FirstPage();
    b.NextPage();
    b.LastPage();
    b.PreviousPage();
    b.ReplacePage(nullptr);
    EXPECT_EQ(b.GetPagePtr(1), nullptr);
    EXPECT_EQ(std::as_const(b).GetPage(1).CadNumber, "");
    b.GetPage(0).CadNumber = "nowhere"; // a blank page that belongs to no book
    EXPECT_EQ(b.PageCount(), 0);
    EXPECT_EQ(b.GetPage(0).CadNumber, "");
    EXPECT_EQ(b.CurPage(), 0);
}

TEST(BookEquality, ComparesWhatTheFileHoldsOnly) {
    const Book base = Three();
    Book moved = base;
    moved.FirstPage();
    moved.CopyPage();
    moved.GetPage(2).LocIndex = 7;
    EXPECT_EQ(moved, base); // cursor, clipboard and sort positions are not the document

    const std::vector<std::pair<const char*, void (*)(Book&)>> changes{
        {"header", [](Book& b) { b.JobNumber = "24-1"; }},
        {"option", [](Book& b) { b.ShowPgTot = true; }},
        {"finish", [](Book& b) { b.GetPage(3).Finish = "GALV"; }},
        {"description", [](Book& b) { b.GetPage(1).Description = "x"; }},
        {"line", [](Book& b) { b.GetPage(2).PageData.push_back("BLOCK: x"); }},
        {"one page less", [](Book& b) { b.DeletePage(3); }},
    };
    for (const auto& [what, change] : changes) {
        Book changed = base;
        change(changed);
        EXPECT_NE(changed, base) << what;
        EXPECT_NE(base, changed) << what;
    }
}

TEST(BookCopies, ShareUnchangedPagesAndCopyOnWrite) {
    Book a = Three();
    Book b = a;
    EXPECT_EQ(a.GetPagePtr(2), b.GetPagePtr(2));
    b.GetPage(2).Finish = "GR";
    EXPECT_EQ(std::as_const(a).GetPage(2).Finish, "");
    EXPECT_EQ(a.GetPagePtr(1), b.GetPagePtr(1));
    b.SetPages({}, 5);
    EXPECT_EQ(b.CurPage(), 0);
    b.SetPages(a.Pages(), 9);
    EXPECT_EQ(b.CurPage(), 3);
}

} // namespace
} // namespace waybill
