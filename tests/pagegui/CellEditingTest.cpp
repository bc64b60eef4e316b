#include "PageWidgetFixture.h"

namespace waybill::test {
namespace {

using CellEditing = PageWidgetTest;

TEST_F(CellEditing, TypedCharacterOpensTheBoxAndEnterCommits) {
    ShowKind("pre_rel");
    Select(1, 2); // QTY
    QTest::keyClicks(&Grid(), "5");
    ASSERT_TRUE(Box().isVisible());
    EXPECT_EQ(Box().text(), "5");
    // Over the cell, inside its lines.
    const QRect cell = Grid().CellRect(1, 2).toAlignedRect();
    EXPECT_EQ(Box().geometry(),
              QRect(Grid().mapTo(&page, cell.topLeft()), cell.size()).adjusted(1, 1, -1, -1));
    QTest::keyClicks(&Box(), "0|");
    QTest::keyClick(&Box(), Qt::Key_Return);
    EXPECT_FALSE(Box().isVisible());
    EXPECT_EQ(Cell(1, 2), "50\xA6"); // the page data cannot hold a bar
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(Grid().hasFocus());
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(CellEditing, EscapeAndCaseOnlyChangesLeaveTheCell) {
    ShowKind("pre_rel");
    Select(1, 1);
    QTest::keyClicks(&Grid(), "x");
    QTest::keyClick(&Box(), Qt::Key_Escape);
    EXPECT_FALSE(Box().isVisible());
    EXPECT_EQ(Cell(1, 1), "AB1");

    // A double-click shows the cell's text selected; typing replaces it.
    DoubleClick(1, 1);
    ASSERT_TRUE(Box().isVisible());
    EXPECT_EQ(Box().selectedText(), "AB1");
    QTest::keyClicks(&Box(), "ab1");
    QTest::keyClick(&Box(), Qt::Key_Enter);
    EXPECT_EQ(Cell(1, 1), "AB1");
    EXPECT_EQ(changes, 0);
}

TEST_F(CellEditing, KeysMoveBetweenCellsAndCommit) {
    ShowKind("pre_rel");
    Select(6, 1);
    QTest::keyClicks(&Grid(), "A");
    QTest::keyClick(&Box(), Qt::Key_Tab);
    EXPECT_EQ(Cell(6, 1), "A");
    EXPECT_EQ(std::make_pair(Grid().Row(), Grid().Column()), std::make_pair(6, 2));
    EXPECT_TRUE(Grid().hasFocus());

    QTest::keyClicks(&Grid(), "B");
    QTest::keyClick(&Box(), Qt::Key_Left); // caret not at the start: moves in the text
    EXPECT_TRUE(Box().isVisible());
    QTest::keyClick(&Box(), Qt::Key_Left); // at the start: leaves to the left
    EXPECT_EQ(Cell(6, 2), "B");
    EXPECT_EQ(Grid().Column(), 1);

    QTest::keyClick(&Grid(), Qt::Key_Space);
    EXPECT_EQ(Box().selectedText(), "A"); // Space opens on the cell's own text
    QTest::keyClick(&Box(), Qt::Key_Down);
    EXPECT_EQ(Grid().Row(), 7);

    // The data rows and columns are the limits.
    const auto last = std::make_pair(Grid().Rows() - 1, Grid().Columns() - 1);
    Select(last.first, last.second);
    QTest::keyClick(&Grid(), Qt::Key_Return);
    QTest::keyClick(&Box(), Qt::Key_End);
    QTest::keyClick(&Box(), Qt::Key_Right);
    QTest::keyClick(&Box(), Qt::Key_Down);
    EXPECT_EQ(std::make_pair(Grid().Row(), Grid().Column()), last);
    Select(1, 0);
    QTest::keyClick(&Grid(), Qt::Key_Up);
    EXPECT_EQ(Grid().Row(), 1); // never onto the header row
}

TEST_F(CellEditing, SheetPagePartNumberShowsTheFinishMessage) {
    ShowKind("shtap");
    Select(2, 5);
    QTest::keyClicks(&Grid(), "7");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].message, FinishBoxOnlyMessage());
    EXPECT_FALSE(Box().isVisible());
    EXPECT_TRUE(page.TitleBlockBox(TblkFinish)->hasFocus());

    Select(2, 2); // QTY is typed into directly
    QTest::keyClicks(&Grid(), "7");
    EXPECT_TRUE(Box().isVisible());
}

TEST_F(CellEditing, CablePageRedirectsAndRefuses) {
    ShowKind("cable01");
    DoubleClick(3, 7);
    ASSERT_EQ(dialogs.Texts(), std::vector<std::string>{
                                   "You must enter in the shipping length for this item first."});
    ASSERT_TRUE(Box().isVisible());
    EXPECT_EQ(Grid().Column(), 3);
    QTest::keyClicks(&Box(), "10'-0");
    QTest::keyClick(&Box(), Qt::Key_Return);
    EXPECT_EQ(Cell(3, 3), "10'-0");

    // With a shipping length, column 7 goes to the finish words.
    DoubleClick(3, 7);
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(handOvers, (std::vector{std::make_tuple(CellHandOver::CableFinishWords, 3, 7)}));
    EXPECT_FALSE(Box().isVisible());

    Select(2, 5);
    QTest::keyClicks(&Grid(), "x");
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[1].message.text, "This cell may not be modified.");
    EXPECT_FALSE(Box().isVisible());
    EXPECT_TRUE(Grid().hasFocus());
    EXPECT_EQ(Cell(2, 5), "");
}

TEST_F(CellEditing, ClipPageIgnoresSomeCellsAndHandsOverOthers) {
    ShowKind("clp02_1");
    DoubleClick(2, 2);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(handOvers.empty());
    EXPECT_FALSE(Box().isVisible());

    DoubleClick(2, 5);
    EXPECT_EQ(handOvers, (std::vector{std::make_tuple(CellHandOver::ClipCell, 2, 5)}));
}

TEST_F(CellEditing, RevisionGridEditsDirectly) {
    ShowKind("pre_rel");
    CellGrid& revisions = *page.RevisionGrid();
    revisions.setFocus();
    revisions.SetCurrent(2, 1);
    QTest::keyClicks(&revisions, "1");
    QTest::keyClicks(&Box(), "-5-03");
    QTest::keyClick(&Box(), Qt::Key_Return);
    EXPECT_EQ(page.View().revision[1][1], "1-5-03");
    EXPECT_EQ(changes, 1);
}

TEST_F(CellEditing, OpenBoxIsStoredOnceByCommitEditsAndDroppedByShowingAPage) {
    ShowKind("pre_rel");
    Select(9, 1);
    QTest::keyClicks(&Grid(), "M");
    QTest::keyClicks(&Box(), "9");
    page.CommitEdits();
    EXPECT_EQ(Cell(9, 1), "M9");
    EXPECT_FALSE(Box().isVisible());
    Grid().setFocus();
    QApplication::processEvents();
    EXPECT_EQ(changes, 1);

    QTest::keyClicks(&Grid(), "N"); // the next box commits normally
    QTest::keyClick(&Box(), Qt::Key_Return);
    EXPECT_EQ(Cell(9, 1), "N");
    EXPECT_EQ(changes, 2);

    // The page shown next replaces the view the box was editing.
    QTest::keyClicks(&Grid(), "Z");
    Show(2);
    EXPECT_FALSE(Box().isVisible());
    EXPECT_EQ(changes, 2);
}

TEST_F(CellEditing, TitleBlockBoxesChangeOnLeavingIgnoringCase) {
    ShowKind("pre_rel");
    QLineEdit& customer = *page.TitleBlockBox(TblkCustomer);
    customer.setFocus();
    QTest::keyClicks(&customer, "Acme");
    EXPECT_EQ(page.View().titleBlock[TblkCustomer], "Acme");
    EXPECT_EQ(changes, 0); // not until the box is left
    Grid().setFocus();
    EXPECT_EQ(changes, 1);

    customer.setFocus();
    customer.selectAll();
    QTest::keyClicks(&customer, "ACME");
    Grid().setFocus();
    EXPECT_EQ(changes, 1);

    // A box still being typed in counts when the page is composed.
    QLineEdit& job = *page.TitleBlockBox(TblkJobNumber);
    job.setFocus();
    QTest::keyClicks(&job, "03-1");
    page.CommitEdits();
    EXPECT_EQ(changes, 2);

    // A pasted line end would split the document file's line.
    QApplication::clipboard()->setText("Plant\r\n2\r\n");
    page.Paste();
    EXPECT_EQ(job.text(), "03-1Plant 2");
    EXPECT_EQ(page.View().titleBlock[TblkJobNumber], "03-1Plant 2");

    // The drawing number and the finish share a comma-separated line with the description.
    QLineEdit& cad = *page.TitleBlockBox(TblkCadNumber);
    cad.setFocus();
    cad.selectAll();
    QTest::keyClicks(&cad, "A-1, rev 2");
    EXPECT_EQ(cad.text(), "A-1; rev 2");
    EXPECT_EQ(page.View().titleBlock[TblkCadNumber], "A-1; rev 2");

    // Only the finish box opens a list on a click.
    int clicks = 0;
    QObject::connect(&page, &PageWidget::FinishBoxClicked, [&] { ++clicks; });
    QTest::mouseClick(page.TitleBlockBox(TblkFinish), Qt::LeftButton);
    QTest::mouseClick(page.TitleBlockBox(TblkDetailBy), Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
}

TEST_F(CellEditing, ShowingAnotherPageIsNoChangeOfTheFocusedBox) {
    ShowKind("pre_rel");
    ASSERT_TRUE(page.TitleBlockBox(TblkFinish)->hasFocus());
    ShowKind("bu_steel"); // another finish in the box that keeps the focus
    page.CommitEdits();
    ShowKind("shtap");
    Grid().setFocus();
    EXPECT_EQ(changes, 0);

    // Typed after the page was shown, it is a change.
    page.TitleBlockBox(TblkFinish)->setFocus();
    QTest::keyClicks(page.TitleBlockBox(TblkFinish), "X");
    page.CommitEdits();
    EXPECT_EQ(changes, 1);
}

TEST_F(CellEditing, CopyGivesTabsAndCarriageReturns) {
    ShowKind("pre_rel");
    Select(1, 0);
    EXPECT_TRUE(page.CanCopy());
    QTest::keyClick(&Grid(), Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(&Grid(), Qt::Key_Right, Qt::ShiftModifier);
    page.Copy();
    EXPECT_EQ(QApplication::clipboard()->text(), "ABOLT\tAB1\rABOLT\tAB2");
    EXPECT_TRUE(page.CanPaste());

    Select(1, 2); // an empty cell: nothing to copy
    EXPECT_FALSE(page.CanCopy());
}

TEST_F(CellEditing, PasteAtTheLastRowFillsOnlyTheLastRow) {
    ShowKind("pre_rel");
    const int last = Grid().Rows() - 1;
    const std::string above = Cell(last - 1, 1);
    QApplication::clipboard()->setText("a\tb|\tc\rd\te\tf");
    Select(last, 1);
    page.Paste();
    EXPECT_EQ(Cell(last, 1) + Cell(last, 2) + Cell(last, 3), "ab\xA6"
                                                             "c");
    EXPECT_EQ(Cell(last - 1, 1), above);
    const CellRange s = Grid().Selection();
    EXPECT_EQ(std::make_tuple(s.top, s.left, s.bottom, s.right), std::make_tuple(last, 1, last, 3));
    EXPECT_GT(changes, 0);

    // A paste starts from a single cell only.
    QApplication::clipboard()->setText("z");
    page.Paste();
    EXPECT_EQ(Cell(last, 1), "a");
}

TEST_F(CellEditing, DeleteKeepsToCellsThatMayBeTyped) {
    ShowKind("shtap");
    page.View().grid->SetCell(1, 4, "FLAT");
    page.View().grid->SetCell(1, 5, "51APAY");
    page.RefreshFromView();
    Select(1, 4);
    QTest::keyClick(&Grid(), Qt::Key_Right, Qt::ShiftModifier);
    page.Delete();
    EXPECT_EQ(QApplication::clipboard()->text(), "FLAT\t51APAY");
    EXPECT_EQ(Cell(1, 4), "");
    EXPECT_EQ(Cell(1, 5), "51APAY"); // the part number follows the finish
    EXPECT_EQ(changes, 1);
    page.Cut();
    EXPECT_EQ(Cell(1, 5), "51APAY");
}

} // namespace
} // namespace waybill::test
