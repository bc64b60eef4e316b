#include "PageWidgetFixture.h"

#include <QKeyEvent>
#include <tuple>

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

TEST_F(CellEditing, MovingCommitsAndStaysOnTheDataCells) {
    ShowKind("pre_rel");
    Select(6, 1);
    QTest::keyClicks(&Grid(), "A");
    QTest::keyClick(&Box(), Qt::Key_Tab);
    EXPECT_EQ(Cell(6, 1), "A");
    EXPECT_EQ(std::make_pair(Grid().Row(), Grid().Column()), std::make_pair(6, 2));

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

TEST_F(CellEditing, RefusedCellShowsTheMessageAndKeepsTheGridFocus) {
    ShowKind("cable01");
    Select(2, 5);
    QTest::keyClicks(&Grid(), "x");
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"This cell may not be modified."});
    EXPECT_FALSE(Box().isVisible());
    EXPECT_TRUE(Grid().hasFocus());
    EXPECT_EQ(Cell(2, 5), "");
}

TEST_F(CellEditing, OpenBoxIsStoredOnceByCommitEditsAndDroppedByShowingAPage) {
    ShowKind("pre_rel");
    Select(9, 1);
    QTest::keyClicks(&Grid(), "M");
    QTest::keyClicks(&Box(), "9");
    StoreTyping();
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

TEST_F(CellEditing, TitleBlockBoxesKeepToTheirLineAndField) {
    ShowKind("pre_rel");
    // A pasted line end would split the document file's line.
    QLineEdit& job = *page.TitleBlockBox(TblkJobNumber);
    job.setFocus();
    QTest::keyClicks(&job, "03-1");
    QApplication::clipboard()->setText("Plant\r\n2\r\n");
    page.Paste();
    EXPECT_EQ(job.text(), "03-1Plant 2");
    EXPECT_TRUE(page.HasPendingEdit());
    EXPECT_EQ(page.TakeTyping(),
              (TypedEdit{"Title Block Edit", {{{TblkJobNumber, "03-1Plant 2"}}}}));

    // The drawing number and the finish share a comma-separated line with the description.
    QLineEdit& cad = *page.TitleBlockBox(TblkCadNumber);
    cad.setFocus();
    cad.selectAll();
    QTest::keyClicks(&cad, "A-1, rev 2");
    EXPECT_EQ(cad.text(), "A-1; rev 2");
    job.setFocus(); // leaving the box commits it
    EXPECT_EQ(edits.back(), (TypedEdit{"Title Block Edit", {{{TblkCadNumber, "A-1; rev 2"}}}}));
    EXPECT_EQ(view.titleBlock[TblkCadNumber], "A-1; rev 2");
}

TEST_F(CellEditing, PasteAtTheLastRowFillsOnlyTheLastRow) {
    ShowKind("pre_rel");
    // Paste follows the clipboard as it changes.
    QApplication::clipboard()->clear();
    EXPECT_FALSE(page.CanPaste());
    const int last = Grid().Rows() - 1;
    const std::string above = Cell(last - 1, 1);
    QApplication::clipboard()->setText("a\tb|\tc\rd\te\tf");
    EXPECT_TRUE(page.CanPaste());
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
    Select(1, 1);
    QApplication::clipboard()->setText("ab1");
    page.Paste();
    EXPECT_EQ(Cell(1, 1), "ab1"); // only the cell box's commit ignores letter case

    // Dragged up from an empty cell to one with text: still something to copy.
    Select(7, 2);
    EXPECT_FALSE(page.CanCopy());
    Grid().SetSelection({1, 1, 7, 2});
    EXPECT_TRUE(page.CanCopy());
}

// X11 gives Delete the key text "\x7f"; it must never become a cell's text.
void PressDelete(QWidget& target) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier, QStringLiteral("\x7f"));
    QApplication::sendEvent(&target, &press);
}

TEST_F(CellEditing, DeleteKeyEmptiesTheSelectionAndNeverStartsAnEdit) {
    ShowKind("pre_rel");
    Select(1, 2); // empty
    PressDelete(Grid());
    EXPECT_FALSE(Box().isVisible());
    EXPECT_EQ(Cell(1, 2), "");
    EXPECT_EQ(changes, 0);

    Select(1, 1);
    PressDelete(Grid());
    EXPECT_FALSE(Box().isVisible());
    EXPECT_EQ(Cell(1, 1), "");
    EXPECT_EQ(changes, 1); // one step
    EXPECT_EQ(QApplication::clipboard()->text(), "AB1");

    page.RevisionGrid()->setFocus();
    page.RevisionGrid()->SetCurrent(1, 0);
    PressDelete(*page.RevisionGrid());
    EXPECT_FALSE(Box().isVisible());
    EXPECT_EQ(view.revision[0][0], "");

    // Typed or pasted, no control character reaches a cell.
    Select(2, 4);
    QTest::keyClicks(&Grid(), "x");
    Box().insert(QStringLiteral("\x01y\x7f"));
    QTest::keyClick(&Box(), Qt::Key_Return);
    EXPECT_EQ(Cell(2, 4), "xy");
}

// The page's rules decide what a paste leaves out; the status bar says how much.
TEST_F(CellEditing, PasteTellsHowManyValuesItLeftOut) {
    QString status;
    QObject::connect(&page, &PageWidget::StatusMessage,
                     [&](const QString& text) { status = text; });
    ShowKind("pre_rel");
    QApplication::clipboard()->setText("x\ty");
    const std::pair<int, QString> cases[] = {
        {2, "2 pasted values were left out: their cells may not be typed into."},
        {1, "1 pasted value was left out: its cell may not be typed into."},
        {0, ""}};
    for (const auto& [left, said] : cases) {
        skipped = left;
        Select(1, 2); // a paste starts from one cell
        page.Paste();
        EXPECT_EQ(edits.back(), (TypedEdit{"Paste", {{}, {{1, 2, "x"}, {1, 3, "y"}}}}));
        EXPECT_EQ(status, said) << left;
    }
}

} // namespace
} // namespace waybill::test
