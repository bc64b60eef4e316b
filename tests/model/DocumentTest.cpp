#include "model/Document.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace waybill {
namespace {

Book Pages(std::initializer_list<const char*> cads) {
    Book book;
    for (const char* cad : cads) {
        Page page;
        page.CadNumber = cad;
        page.PageData = {"GRID: x", std::string("|") + cad + "|"};
        book.AddPage(page, AfterLastPage);
    }
    book.FirstPage();
    return book;
}

std::string Order(const Book& book) {
    std::string s;
    for (const auto& page : book.Pages()) {
        s += page->CadNumber + " ";
    }
    return s;
}

// An edit of a page, made as the window makes it: on the page shown.
void Rename(Document& doc, int page, const std::string& cad) {
    doc.GotoPage(page);
    doc.Record("Cell Edit", [&](Book& b) { b.GetPage(0).CadNumber = cad; });
}

TEST(DocumentHistory, EachStepUndoesAndRedoesOnItsOwn) {
    Document doc;
    doc.Reset(Pages({"a", "b", "c"}), "/w/x.fwb", false);
    EXPECT_FALSE(doc.FileChanged());
    EXPECT_FALSE(doc.CanUndo());
    Rename(doc, 2, "B1");
    Rename(doc, 2, "B2"); // the same cell twice: two steps, nothing merged
    doc.GotoPage(1);
    doc.Record("Delete Page", [](Book& b) { b.DeletePage(0); });
    EXPECT_EQ(doc.StepCount(), 3u);
    EXPECT_EQ(doc.UndoName(), "Delete Page");
    EXPECT_EQ(Order(doc.GetBook()), "B2 c ");

    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(Order(doc.GetBook()), "a B2 c ");
    EXPECT_EQ(doc.GetBook().CurPage(), 1); // the page the step changed
    EXPECT_EQ(doc.RedoName(), "Delete Page");
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(Order(doc.GetBook()), "a B1 c ");
    EXPECT_EQ(doc.GetBook().CurPage(), 2);
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(Order(doc.GetBook()), "a b c ");
    EXPECT_FALSE(doc.FileChanged()); // back where it was opened
    EXPECT_FALSE(doc.Undo());
    EXPECT_EQ(doc.UndoName(), "");

    ASSERT_TRUE(doc.Redo());
    EXPECT_TRUE(doc.FileChanged());
    ASSERT_TRUE(doc.Redo());
    ASSERT_TRUE(doc.Redo());
    EXPECT_EQ(Order(doc.GetBook()), "B2 c ");
    EXPECT_FALSE(doc.Redo());
}

TEST(DocumentHistory, CleanStateFollowsSaveAndIsLostWithTheBranchCutOff) {
    Document doc;
    doc.Reset(Pages({"a", "b"}), "", false);
    Rename(doc, 1, "a1");
    doc.MarkSaved("/w/x.fwb");
    EXPECT_EQ(doc.Path(), "/w/x.fwb");
    EXPECT_FALSE(doc.FileChanged());
    doc.Undo();
    EXPECT_TRUE(doc.FileChanged()); // before the save
    doc.Redo();
    EXPECT_FALSE(doc.FileChanged());

    doc.Undo();
    Rename(doc, 2, "b1"); // cuts off the saved step
    EXPECT_FALSE(doc.CanRedo());
    EXPECT_TRUE(doc.FileChanged());
    doc.Undo();
    EXPECT_TRUE(doc.FileChanged()); // the saved state is no longer in the history
    EXPECT_EQ(Order(doc.GetBook()), "a b ");
}

TEST(DocumentHistory, ChangesThatChangeNothingRecordNothing) {
    Document doc;
    doc.Reset(Pages({"a", "b"}), "", false);
    const auto shared = doc.GetBook().GetPagePtr(1);
    // Written back as it was: no step, and the page stays the one shared with the history.
    EXPECT_FALSE(doc.Record("Cell Edit", [](Book& b) { b.GetPage(1).CadNumber = "a"; }));
    EXPECT_EQ(doc.GetBook().GetPagePtr(1), shared);
    EXPECT_FALSE(doc.Record("Move", [](Book& b) { b.GotoPage(2); }));
    EXPECT_EQ(doc.GetBook().CurPage(), 2); // the move still happens
    EXPECT_FALSE(doc.CanUndo());
    EXPECT_FALSE(doc.FileChanged());
    // A header field alone is a change.
    EXPECT_TRUE(doc.Record("Title Block Edit", [](Book& b) { b.Customer = "ACME"; }));
    doc.Undo();
    EXPECT_EQ(doc.GetBook().Customer, "");
}

TEST(DocumentHistory, StepsNeverChangeAPageAnOlderStateHolds) {
    Document doc;
    doc.Reset(Pages({"a", "b", "c"}), "", false);
    const auto before = doc.GetBook().GetPagePtr(2);
    const auto untouched = doc.GetBook().GetPagePtr(1);
    doc.Record("Cell Edit", [](Book& b) { b.GetPage(2).PageData.push_back("|new|"); });
    EXPECT_EQ(before->PageData.size(), 2u); // the old page is untouched
    EXPECT_NE(doc.GetBook().GetPagePtr(2), before);
    EXPECT_EQ(doc.GetBook().GetPagePtr(1), untouched); // unchanged pages are shared
    doc.Undo();
    EXPECT_EQ(doc.GetBook().GetPagePtr(2), before); // the very page comes back

    // The page clipboard keeps a cut page as it was, whatever happens to the document.
    doc.GotoPage(2);
    doc.Record("Cut Page", [](Book& b) { b.CutPage(); });
    doc.Undo();
    doc.Record("Cell Edit", [](Book& b) { b.GetPage(2).CadNumber = "changed"; });
    Book probe = doc.GetBook();
    probe.PastePage();
    EXPECT_EQ(probe.GetPage(0).CadNumber, "b");
}

TEST(DocumentHistory, TheLimitForgetsTheOldestSteps) {
    Document doc(3);
    doc.Reset(Pages({"a"}), "", false);
    for (const char* cad : {"1", "2", "3", "4", "5"}) {
        Rename(doc, 1, cad);
    }
    EXPECT_EQ(doc.StepCount(), 3u);
    while (doc.Undo()) {
    }
    EXPECT_EQ(doc.GetBook().GetPage(1).CadNumber, "2");
    EXPECT_TRUE(doc.FileChanged()); // the opened state was forgotten
    doc.Reset(Pages({"b"}), "", false);
    EXPECT_FALSE(doc.CanUndo()); // a new document starts an empty history
    EXPECT_FALSE(doc.CanRedo());
}

TEST(DocumentHistory, UnsavedMarkAndDiskStamp) {
    test::TempDir dir;
    const auto file = dir.Write("x.fwb", "one");
    Document doc;
    doc.Reset(Pages({"a"}), file.string(), false);
    doc.MarkUnsaved();
    EXPECT_TRUE(doc.FileChanged());
    EXPECT_FALSE(doc.ChangedOnDisk()); // no stamp taken: nothing to compare
    doc.SetDiskStamp(ReadFileStamp(file));
    EXPECT_FALSE(doc.ChangedOnDisk());
    dir.Write("x.fwb", "someone else's");
    EXPECT_TRUE(doc.ChangedOnDisk());
    std::filesystem::remove(file);
    EXPECT_FALSE(doc.ChangedOnDisk()); // nothing there to overwrite
    EXPECT_FALSE(ReadFileStamp(dir / "missing.fwb"));
}

} // namespace
} // namespace waybill
