// The finish list, the cell lists and the clip and punch dialogs driven through the window on
// the shipped sample document: each pick is one undoable step, and a committed cell and
// the recalculation it sets off are one step together.
#include "catalog/ClipParts.h"
#include "catalog/Finishes.h"
#include "catalog/gui/cmbFinish.h"
#include "catalog/gui/cmbGridCell.h"
#include "catalog/gui/dlgFinishSelect.h"
#include "catalog/gui/dlgSelectPunch.h"
#include "catalog/SheetParts.h"
#include "model/FwbFile.h"
#include "page/CellRules.h"
#include "platform/gui/QtText.h"
#include "WindowFixture.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <sqlite3.h>

namespace waybill {
namespace {

// Pages of the shipped default document.
constexpr int kSteelPage = 2;
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

    std::string Finish() const { return window->Page().View().titleBlock[TblkFinish]; }
    QString UndoText() const { return window->Action(QStringLiteral("mnuEditUndo"))->text(); }

    // Takes the entry `text` of an open drop-down with Enter, as a keyboard user does.
    static void TakeWithEnter(QComboBox& list, const QString& text) {
        list.hidePopup();
        list.setCurrentIndex(list.findText(text));
        ASSERT_GE(list.currentIndex(), 0) << text.toStdString();
        QTest::keyClick(&list, Qt::Key_Return);
    }

    std::vector<std::string> Row(int row) const {
        std::vector<std::string> texts;
        for (int column = 0; column < window->Page().View().grid->Columns(); ++column) {
            texts.push_back(Cell(row, column));
        }
        return texts;
    }

    QPoint CellTopLeftIn(const QWidget* widget, int row, int column) const {
        const CellGrid* grid = window->Page().LineItemGrid();
        const QPoint cell = grid->CellRect(row, column).toAlignedRect().topLeft();
        return widget == nullptr ? grid->mapToGlobal(cell) : grid->mapTo(widget, cell);
    }
};

TEST_F(CatalogWiringTest, APanelFinishRewritesPartNumbersAndDescriptionInOneStep) {
    Show(kRoofPanelPage);
    const std::string description = Cell(1, 4);
    const std::string partNumber = Cell(3, 5);
    ASSERT_EQ(Finish(), "Galvalume Plus");

    QLineEdit* box = window->Page().TitleBlockBox(TblkFinish);
    QTest::mouseClick(box, Qt::LeftButton);
    cmbFinish& list = window->Catalog().FinishList();
    ASSERT_TRUE(list.isVisible());
    EXPECT_EQ(list.geometry().topLeft(), box->mapTo(&window->Page(), QPoint(0, 0)));
    EXPECT_EQ(list.width(), box->width());
    EXPECT_EQ(list.currentText(), QStringLiteral("Galvalume Plus"));
    EXPECT_FALSE(window->Session().Doc().FileChanged()); // opening on the page's finish is no pick

    TakeWithEnter(list, QStringLiteral("SMP Ash Gray"));
    EXPECT_FALSE(list.isVisible());
    EXPECT_EQ(Finish(), "SMP Ash Gray");
    EXPECT_EQ(box->text(), QStringLiteral("SMP Ash Gray"));
    EXPECT_EQ(Cell(1, 4).rfind("SMP Ash Gray (", 0), 0u) << Cell(1, 4);
    const std::string code = PanelFinishes().Find("SMP Ash Gray")->Code;
    EXPECT_NE(Cell(3, 5), partNumber);
    EXPECT_EQ(Cell(3, 5).substr(Cell(3, 5).size() - code.size()), code);
    EXPECT_EQ(Cell(15, 5), Cell(3, 5));
    EXPECT_EQ(UndoText(), QStringLiteral("&Undo Finish Change"));
    EXPECT_EQ(window->Session().Waybill().GetPagePtr(kRoofPanelPage)->Finish, "SMP Ash Gray");

    Trigger("mnuEditUndo");
    EXPECT_EQ(Finish(), "Galvalume Plus");
    EXPECT_EQ(Cell(1, 4), description);
    EXPECT_EQ(Cell(3, 5), partNumber);
    EXPECT_FALSE(window->Session().Doc().FileChanged());
}

TEST_F(CatalogWiringTest, APanelFinishWithoutTheSheetBlockTableIsReportedAndChangesNothing) {
    window.reset();
    module.reset();
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open((program / "DefWaybill.db").string().c_str(), &db), SQLITE_OK);
    sqlite3_exec(db, "DROP TABLE SheetParts", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    ASSERT_TRUE(Start());
    Open(SampleDocument("without-sheet-parts.fwb"));
    Show(kRoofPanelPage);
    const std::vector<std::string> partNumbers = Row(3);
    dialogs.Clear();

    QTest::mouseClick(window->Page().TitleBlockBox(TblkFinish), Qt::LeftButton);
    TakeWithEnter(window->Catalog().FinishList(), QStringLiteral("SMP Ash Gray"));
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{SheetPartsMissingMessage().text});
    EXPECT_EQ(Finish(), "Galvalume Plus");
    EXPECT_EQ(Row(3), partNumbers);
    EXPECT_FALSE(window->Session().Doc().CanUndo());
}

TEST_F(CatalogWiringTest, EscapeLeavesTheFinishUnchangedAndTheKeyboardOpensTheList) {
    Show(kRoofPanelPage);
    QLineEdit* box = window->Page().TitleBlockBox(TblkFinish);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Down, Qt::AltModifier);
    cmbFinish& list = window->Catalog().FinishList();
    ASSERT_TRUE(list.isVisible());
    QTest::keyClick(list.view(), Qt::Key_Escape);
    EXPECT_FALSE(list.isVisible());
    EXPECT_EQ(QApplication::focusWidget(), box);
    EXPECT_EQ(Finish(), "Galvalume Plus");
    EXPECT_FALSE(window->Session().Doc().CanUndo());
}

TEST_F(CatalogWiringTest, ACableLengthFillsItsRowAndOneUndoEmptiesItAgain) {
    Show(kCablePage);
    const std::vector<std::string> empty = Row(1);
    TypeCell(1, 3, QStringLiteral("20'-0"));
    EXPECT_EQ(Cell(1, 3), "20'-0");
    EXPECT_FALSE(Cell(1, 4).empty()); // cut length
    EXPECT_FALSE(Cell(1, 8).empty()); // part number
    const std::string filled = FormatFWB(window->Session().Waybill());
    EXPECT_EQ(UndoText(), QStringLiteral("&Undo Cell Edit"));

    Trigger("mnuEditUndo");
    EXPECT_EQ(Row(1), empty);
    EXPECT_FALSE(window->Session().Doc().CanUndo());
    Trigger("mnuEditRedo");
    EXPECT_EQ(FormatFWB(window->Session().Waybill()), filled);
}

// Each list a cell hands over to opens at the cell on its text; Enter takes the highlighted
// entry as one step, Escape goes back to the grid without one.
TEST_F(CatalogWiringTest, CellListsOpenAtTheCellAndAPickIsOneStep) {
    cmbGridCell& list = window->Catalog().CellList();

    Show(kZeePage);
    window->Page().BeginCellEdit(1, 4, {});
    ASSERT_TRUE(list.isVisible());
    EXPECT_EQ(list.Kind(), CellListKind::PunchCodes);
    EXPECT_EQ(list.geometry().topLeft(), CellTopLeftIn(&window->Page(), 1, 4));
    TakeWithEnter(list, QStringLiteral("C"));
    EXPECT_EQ(Cell(1, 4), "C");
    EXPECT_EQ(Cell(1, 11), "C");
    EXPECT_EQ(QApplication::focusWidget(), window->Page().LineItemGrid());
    Trigger("mnuEditUndo");
    EXPECT_EQ(Cell(1, 4), "");
    EXPECT_EQ(Cell(1, 11), "");

    window->Page().BeginCellEdit(2, 11, {});
    ASSERT_TRUE(list.isVisible());
    QTest::keyClick(list.view(), Qt::Key_Escape);
    EXPECT_FALSE(list.isVisible());
    EXPECT_EQ(QApplication::focusWidget(), window->Page().LineItemGrid());
    EXPECT_FALSE(window->Session().Doc().CanUndo());

    Show(kSteelPage);
    window->Page().BeginCellEdit(1, 5, {});
    ASSERT_TRUE(list.isVisible());
    EXPECT_EQ(list.Kind(), CellListKind::MemberTypes);
    const QString type = list.itemText(1);
    TakeWithEnter(list, type);
    EXPECT_EQ(Cell(1, 5), ToCp1252(type));
    EXPECT_FALSE(Cell(1, 4).empty()); // the type's description

    Show(kCablePage);
    TypeCell(1, 3, QStringLiteral("20'-0"));
    const std::string galvanized = Cell(1, 8);
    window->Page().BeginCellEdit(1, 7, {});
    ASSERT_TRUE(list.isVisible());
    EXPECT_EQ(list.Kind(), CellListKind::CableFinishWords);
    TakeWithEnter(list, QStringLiteral("ZINC"));
    EXPECT_EQ(Cell(1, 7), "ZINC");
    EXPECT_NE(Cell(1, 8), galvanized);
    Trigger("mnuEditUndo");
    EXPECT_EQ(Cell(1, 8), galvanized);
}

TEST_F(CatalogWiringTest, AClipsSizeAndFinishComeFromTheDialogBelowTheCell) {
    Show(kClipPage);
    ASSERT_EQ(Cell(1, 5), "59A_101P");
    QPoint placed;
    modal.handlers.push_back([&placed](QDialog& d) {
        auto& dialog = dynamic_cast<dlgFinishSelect&>(d);
        placed = dialog.pos();
        dialog.cmbSize->setCurrentIndex(dialog.cmbSize->findText(QStringLiteral("10  (C)")));
        dialog.cmbFinishes->setCurrentIndex(
            dialog.cmbFinishes->findText(QStringLiteral("Hot Dip Galv.  (G)")));
        dialog.cmdOk->click();
        return d.result();
    });
    window->Page().BeginCellEdit(1, 5, {});
    ASSERT_EQ(modal.shown, std::vector<QString>{QStringLiteral("dlgFinishSelect")});
    const QRect cell = window->Page().LineItemGrid()->CellRect(1, 5).toAlignedRect();
    // Below the cell, moved left only as far as the screen's edge asks.
    EXPECT_LE(placed.x(), CellTopLeftIn(nullptr, 1, 5).x());
    EXPECT_GT(placed.y(), CellTopLeftIn(nullptr, 1, 5).y() + cell.height() - 1);
    EXPECT_EQ(Cell(1, 5), "59AC101G");
    EXPECT_EQ(Cell(1, 1), "CC1");
    EXPECT_EQ(UndoText(), QStringLiteral("&Undo Size and Finish"));

    AnswerWith(&dlgFinishSelect::cmdCancel);
    window->Page().BeginCellEdit(2, 1, {});
    EXPECT_EQ(Cell(2, 5), "59A_102P"); // Cancel changes nothing
    Trigger("mnuEditUndo");
    EXPECT_EQ(Cell(1, 5), "59A_101P");
    EXPECT_EQ(Cell(1, 1), "C_1");
    EXPECT_FALSE(window->Session().Doc().FileChanged());
}

TEST_F(CatalogWiringTest, AClipRowWithoutASizeLetterSaysWhyInsteadOfOpeningTheDialog) {
    Show(kClipPage);
    window->Session().RecordPageChanges("Cell Edit",
                                        CellTextChange(*window->Session().View().grid, 1, 5, "A"));
    const auto refusal = ClipEditRefusal(ClipTextsForEdit(*window->Session().View().grid, 1));
    ASSERT_TRUE(refusal);
    dialogs.Clear();
    window->Page().BeginCellEdit(1, 5, {});
    EXPECT_TRUE(modal.shown.empty());
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{refusal->text});
    EXPECT_EQ(Cell(1, 5), "A");
    EXPECT_EQ(window->Session().Doc().StepCount(), 1u);
    EXPECT_EQ(QApplication::focusWidget(), window->Page().LineItemGrid());
}

// A length too short for the cable's fittings is reported and opened for typing again.
TEST_F(CatalogWiringTest, ACableLengthWithinTheFittingsIsTypedAgain) {
    Show(kCablePage);
    dialogs.Clear();
    // The message takes the focus while it is shown and gives the window back, as a message
    // box does.
    QWidget messageBox;
    messageBox.setFocusPolicy(Qt::StrongFocus);
    dialogs.onMessage = [this, &messageBox](const auto&) {
        messageBox.show();
        messageBox.activateWindow();
        messageBox.setFocus();
        QCoreApplication::processEvents();
        EXPECT_EQ(QApplication::focusWidget(), &messageBox);
        messageBox.hide();
        window->activateWindow();
        QCoreApplication::processEvents();
    };
    TypeCell(1, 3, QStringLiteral("1'-0"));
    dialogs.onMessage = nullptr;
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{InvalidLengthMessage("2'-0").text});
    EXPECT_EQ(Cell(1, 8), "");
    QCoreApplication::processEvents();
    const QLineEdit* box = window->Page().CellBoxEditor();
    EXPECT_TRUE(box->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), box);
    EXPECT_EQ(box->selectedText(), QStringLiteral("1'-0"));
    EXPECT_EQ(window->Page().LineItemGrid()->Column(), 3);
}

TEST_F(CatalogWiringTest, APunchPatternIsPickedInSelectPunch) {
    Show(kZeePurlinPage);
    ASSERT_EQ(Cell(1, 5), "6\" ZEE PURLINS (punch=A)");
    QString openedOn;
    modal.handlers.push_back([&openedOn](QDialog& d) {
        auto& dialog = dynamic_cast<dlgSelectPunch&>(d);
        openedOn = dialog.cmbPunches->currentText();
        dialog.cmbPunches->setCurrentIndex(dialog.cmbPunches->findText(QStringLiteral("WB")));
        dialog.cmdOk->click();
        return d.result();
    });
    window->Page().BeginCellEdit(1, 5, {});
    ASSERT_EQ(modal.shown, std::vector<QString>{QStringLiteral("dlgSelectPunch")});
    EXPECT_EQ(openedOn, QStringLiteral("A"));
    EXPECT_EQ(Cell(1, 5), "6\" ZEE PURLINS (punch=WB)");
    EXPECT_EQ(UndoText(), QStringLiteral("&Undo Punch Selection"));
    Trigger("mnuEditUndo");
    EXPECT_EQ(Cell(1, 5), "6\" ZEE PURLINS (punch=A)");
}

} // namespace
} // namespace waybill
