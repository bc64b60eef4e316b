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
    QTest::keyClicks(&Box(), "0");
    QTest::keyClick(&Box(), Qt::Key_Return);
    EXPECT_FALSE(Box().isVisible());
    EXPECT_EQ(Cell(1, 2), "50");
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
    DoubleClick(Grid(), 1, 1);
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
    EXPECT_EQ(Grid().Row(), 6);
    EXPECT_EQ(Grid().Column(), 2);
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
    Select(Grid().Rows() - 1, Grid().Columns() - 1);
    QTest::keyClick(&Grid(), Qt::Key_Return);
    QTest::keyClick(&Box(), Qt::Key_End);
    QTest::keyClick(&Box(), Qt::Key_Right);
    QTest::keyClick(&Box(), Qt::Key_Down);
    EXPECT_EQ(Grid().Row(), Grid().Rows() - 1);
    EXPECT_EQ(Grid().Column(), Grid().Columns() - 1);
    Select(1, 0);
    QTest::keyClick(&Grid(), Qt::Key_Up);
    EXPECT_EQ(Grid().Row(), 1); // never onto the header row
}

TEST_F(CellEditing, BarIsReplacedOnCommitAndPaste) {
    ShowKind("pre_rel");
    Select(7, 4);
    QTest::keyClicks(&Grid(), "|");
    QTest::keyClicks(&Box(), "A|B");
    QTest::keyClick(&Box(), Qt::Key_Return);
    EXPECT_EQ(Cell(7, 4), "\xA6"
                          "A\xA6"
                          "B");
    QApplication::clipboard()->setText("x|y");
    Select(8, 4);
    page.Paste();
    EXPECT_EQ(Cell(8, 4), "x\xA6y");
}

TEST_F(CellEditing, SheetPagePartNumberShowsTheFinishMessage) {
    ShowKind("shtap");
    Select(2, 5);
    QTest::keyClicks(&Grid(), "7");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    const UserMessage& m = dialogs.messages[0].message;
    EXPECT_EQ(m.caption, "Note");
    EXPECT_EQ(m.icon, MessageIcon::None);
    EXPECT_EQ(m.text,
              "You can only change the finish in this waybill\r\nusing the Finish text box.");
    EXPECT_FALSE(Box().isVisible());
    EXPECT_TRUE(page.TitleBlockBox(TblkFinish)->hasFocus());

    // QTY is typed into directly.
    Select(2, 2);
    QTest::keyClicks(&Grid(), "7");
    EXPECT_TRUE(Box().isVisible());
}

TEST_F(CellEditing, CablePageRedirectsAndRefuses) {
    ShowKind("cable01");
    DoubleClick(Grid(), 3, 7);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].message.text,
              "You must enter in the shipping length for this item first.");
    ASSERT_TRUE(Box().isVisible());
    EXPECT_EQ(Grid().Column(), 3);
    QTest::keyClicks(&Box(), "10'-0");
    QTest::keyClick(&Box(), Qt::Key_Return);
    EXPECT_EQ(Cell(3, 3), "10'-0");

    // With a shipping length, column 7 goes to the finish words.
    DoubleClick(Grid(), 3, 7);
    EXPECT_EQ(dialogs.messages.size(), 1u);
    ASSERT_EQ(handOvers.size(), 1u);
    EXPECT_EQ(handOvers[0].kind, CellHandOver::CableFinishWords);
    EXPECT_EQ(handOvers[0].row, 3);
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
    DoubleClick(Grid(), 2, 2);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(handOvers.empty());
    EXPECT_FALSE(Box().isVisible());

    DoubleClick(Grid(), 2, 5);
    ASSERT_EQ(handOvers.size(), 1u);
    EXPECT_EQ(handOvers[0].kind, CellHandOver::ClipCell);
    EXPECT_EQ(handOvers[0].column, 5);
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

TEST_F(CellEditing, CommitEditsStoresTheOpenBoxOnce) {
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

    // The next box commits normally.
    QTest::keyClicks(&Grid(), "N");
    QTest::keyClick(&Box(), Qt::Key_Return);
    EXPECT_EQ(Cell(9, 1), "N");
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

TEST_F(CellEditing, FinishBoxClick) {
    ShowKind("pre_rel");
    int clicks = 0;
    QObject::connect(&page, &PageWidget::FinishBoxClicked, [&] { ++clicks; });
    QTest::mouseClick(page.TitleBlockBox(TblkFinish), Qt::LeftButton);
    QTest::mouseClick(page.TitleBlockBox(TblkDetailBy), Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
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
    QApplication::clipboard()->setText("a\tb\tc\rd\te\tf");
    Select(last, 1);
    page.Paste();
    EXPECT_EQ(Cell(last, 1), "a");
    EXPECT_EQ(Cell(last, 2), "b");
    EXPECT_EQ(Cell(last, 3), "c");
    EXPECT_EQ(Cell(last - 1, 1), above);
    const CellRange selection = Grid().Selection();
    EXPECT_EQ(selection.top, last);
    EXPECT_EQ(selection.bottom, last);
    EXPECT_EQ(selection.right, 3);
    EXPECT_GT(changes, 0);

    // A paste starts from a single cell only.
    QApplication::clipboard()->setText("z");
    page.Paste();
    EXPECT_EQ(Cell(last, 1), "a");
}

TEST_F(CellEditing, DeleteKeepsToCellsThatMayBeTyped) {
    ShowKind("shtap");
    const std::string partNumber = "51APAY";
    page.View().grid->SetCell(1, 5, partNumber);
    page.RefreshFromView();
    Select(1, 4);
    QTest::keyClick(&Grid(), Qt::Key_Right, Qt::ShiftModifier);
    const std::string description = Cell(1, 4);
    page.Delete();
    EXPECT_EQ(Cell(1, 4), "");
    EXPECT_EQ(Cell(1, 5), partNumber); // the part number follows the finish
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), description + "\t" + partNumber);
    EXPECT_EQ(changes, description.empty() ? 0 : 1);

    page.Cut();
    EXPECT_EQ(Cell(1, 5), partNumber);
}

TEST_F(CellEditing, EditMenuOnTextBoxes) {
    ShowKind("pre_rel");
    QLineEdit& description = *page.TitleBlockBox(TblkDescription);
    description.setFocus();
    description.setSelection(0, 3);
    EXPECT_TRUE(page.CanCopy());
    page.Cut();
    EXPECT_EQ(QApplication::clipboard()->text(), "PRE");
    EXPECT_EQ(page.View().titleBlock[TblkDescription], "-RELEASE MATERIAL");
    description.setCursorPosition(0);
    page.Paste();
    EXPECT_EQ(page.View().titleBlock[TblkDescription], "PRE-RELEASE MATERIAL");
    description.deselect();
    EXPECT_FALSE(page.CanCopy());
}

} // namespace
} // namespace waybill::test
