// The finish list, the cell lists and the clip and punch dialogs driven through the window on
// the shipped sample document: each opens where the user clicked, and what was chosen reaches
// the page (what it writes, and the step it is, are the catalogue's and the session's to test).
#include "catalog/gui/cmbFinish.h"
#include "catalog/gui/cmbGridCell.h"
#include "catalog/gui/dlgFinishSelect.h"
#include "catalog/gui/dlgSelectPunch.h"
#include "page/CellRules.h"
#include "WindowFixture.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>

namespace waybill {
namespace {

// Pages of the shipped default document.
constexpr int kCablePage = 6;
constexpr int kClipPage = 10;
constexpr int kZeePage = 12;
constexpr int kZeePurlinPage = 17;
constexpr int kRoofPanelPage = 24;

class CatalogWiringTest : public test::WindowTest {
  protected:
    void SetUp() override {
        ASSERT_TRUE(Start());
        Open(SampleDocument());
    }

    void Show(int page) {
        window->Session().ShowPage(page);
        QCoreApplication::processEvents();
    }

    // Takes the entry `text` of an open drop-down with Enter, as a keyboard user does.
    static void TakeWithEnter(QComboBox& list, const QString& text) {
        list.hidePopup();
        list.setCurrentIndex(list.findText(text));
        ASSERT_GE(list.currentIndex(), 0) << text.toStdString();
        QTest::keyClick(&list, Qt::Key_Return);
    }

    QPoint CellTopLeftIn(const QWidget* widget, int row, int column) const {
        const CellGrid* grid = window->Page().LineItemGrid();
        const QPoint cell = grid->CellRect(row, column).toAlignedRect().topLeft();
        return widget == nullptr ? grid->mapToGlobal(cell) : grid->mapTo(widget, cell);
    }
};

TEST_F(CatalogWiringTest, TheFinishListOpensOverItsBoxAndEnterPicks) {
    Show(kRoofPanelPage);
    const std::string partNumber = Cell(3, 5);
    QLineEdit* box = window->Page().TitleBlockBox(TblkFinish);
    QTest::mouseClick(box, Qt::LeftButton);
    cmbFinish& list = window->Catalog().FinishList();
    ASSERT_TRUE(list.isVisible());
    EXPECT_EQ(list.geometry().topLeft(), box->mapTo(&window->Page(), QPoint(0, 0)));
    EXPECT_EQ(list.width(), box->width());
    EXPECT_EQ(list.currentText(), box->text());

    TakeWithEnter(list, QStringLiteral("SMP Ash Gray"));
    EXPECT_FALSE(list.isVisible());
    EXPECT_EQ(box->text(), QStringLiteral("SMP Ash Gray"));
    EXPECT_NE(Cell(3, 5), partNumber);
    Trigger("mnuEditUndo");
    EXPECT_EQ(Cell(3, 5), partNumber);
    EXPECT_FALSE(window->Session().Doc().FileChanged());

    // The keyboard opens it too; Escape gives the box back and picks nothing.
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(list.isVisible());
    QTest::keyClick(list.view(), Qt::Key_Escape);
    EXPECT_FALSE(list.isVisible());
    EXPECT_EQ(QApplication::focusWidget(), box);
    EXPECT_FALSE(window->Session().Doc().CanUndo());
}

// The list a cell hands over to opens at the cell on its text; Enter takes the highlighted
// entry, Escape goes back to the grid without a step.
TEST_F(CatalogWiringTest, ACellListOpensAtTheCellAndEnterPicks) {
    cmbGridCell& list = window->Catalog().CellList();
    Show(kZeePage);
    window->Page().BeginCellEdit(1, 4, {});
    ASSERT_TRUE(list.isVisible());
    EXPECT_EQ(list.Kind(), CellListKind::PunchCodes);
    EXPECT_EQ(list.geometry().topLeft(), CellTopLeftIn(&window->Page(), 1, 4));
    TakeWithEnter(list, QStringLiteral("C"));
    EXPECT_EQ(Cell(1, 4), "C");
    EXPECT_EQ(QApplication::focusWidget(), window->Page().LineItemGrid());
    Trigger("mnuEditUndo");

    window->Page().BeginCellEdit(2, 11, {});
    ASSERT_TRUE(list.isVisible());
    QTest::keyClick(list.view(), Qt::Key_Escape);
    EXPECT_FALSE(list.isVisible());
    EXPECT_EQ(QApplication::focusWidget(), window->Page().LineItemGrid());
    EXPECT_FALSE(window->Session().Doc().CanUndo());
}

TEST_F(CatalogWiringTest, AClipsSizeAndFinishComeFromTheDialogBelowTheCell) {
    Show(kClipPage);
    const std::string partNumber = Cell(1, 5);
    QPoint placed;
    modal.handlers.push_back([&placed](QDialog& d) {
        auto& dialog = dynamic_cast<dlgFinishSelect&>(d);
        placed = dialog.pos();
        dialog.cmbSize->setCurrentIndex(dialog.cmbSize->findText(QStringLiteral("10  (C)")));
        dialog.cmdOk->click();
        return d.result();
    });
    window->Page().BeginCellEdit(1, 5, {});
    ASSERT_EQ(modal.shown, std::vector<QString>{QStringLiteral("dlgFinishSelect")});
    const QPoint cell = CellTopLeftIn(nullptr, 1, 5);
    EXPECT_LE(placed.x(), cell.x());
    EXPECT_GE(placed.y(), cell.y() + window->Page().LineItemGrid()->CellRect(1, 5).height());
    EXPECT_EQ(Cell(1, 5), "59AC101P");

    AnswerWith(&dlgFinishSelect::cmdCancel);
    window->Page().BeginCellEdit(2, 1, {});
    Trigger("mnuEditUndo");
    EXPECT_EQ(Cell(1, 5), partNumber);
    EXPECT_FALSE(window->Session().Doc().FileChanged()); // Cancel changed nothing
}

TEST_F(CatalogWiringTest, AClipRowWithoutASizeLetterSaysWhyInsteadOfOpeningTheDialog) {
    Show(kClipPage);
    window->Session().RecordPageChanges("Cell Edit",
                                        CellTextChange(*window->Session().View().grid, 1, 5, "A"));
    dialogs.Clear();
    window->Page().BeginCellEdit(1, 5, {});
    EXPECT_TRUE(modal.shown.empty());
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(QApplication::focusWidget(), window->Page().LineItemGrid());
    EXPECT_EQ(window->Session().Doc().StepCount(), 1u);
}

// A length too short for the cable's fittings is reported and opened for typing again.
TEST_F(CatalogWiringTest, ACableLengthWithinTheFittingsIsTypedAgain) {
    Show(kCablePage);
    // The message takes the focus while it is shown and gives the window back, as a message
    // box does.
    QWidget messageBox;
    messageBox.setFocusPolicy(Qt::StrongFocus);
    dialogs.onMessage = [this, &messageBox](const auto&) {
        messageBox.show();
        messageBox.activateWindow();
        messageBox.setFocus();
        QCoreApplication::processEvents();
        messageBox.hide();
        window->activateWindow();
        QCoreApplication::processEvents();
    };
    TypeCell(1, 3, QStringLiteral("1'-0"));
    dialogs.onMessage = nullptr;
    ASSERT_EQ(dialogs.messages.size(), 1u);
    QCoreApplication::processEvents();
    const QLineEdit* box = window->Page().CellBoxEditor();
    EXPECT_TRUE(box->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), box);
    EXPECT_EQ(box->selectedText(), QStringLiteral("1'-0"));
    EXPECT_EQ(window->Page().LineItemGrid()->Column(), 3);
}

TEST_F(CatalogWiringTest, APunchPatternIsPickedInSelectPunch) {
    Show(kZeePurlinPage);
    modal.handlers.push_back([](QDialog& d) {
        auto& dialog = dynamic_cast<dlgSelectPunch&>(d);
        EXPECT_EQ(dialog.cmbPunches->currentText(), QStringLiteral("A"));
        dialog.cmbPunches->setCurrentIndex(dialog.cmbPunches->findText(QStringLiteral("WB")));
        dialog.cmdOk->click();
        return d.result();
    });
    window->Page().BeginCellEdit(1, 5, {});
    ASSERT_EQ(modal.shown, std::vector<QString>{QStringLiteral("dlgSelectPunch")});
    EXPECT_EQ(Cell(1, 5), "6\" ZEE PURLINS (punch=WB)");
}

} // namespace
} // namespace waybill
