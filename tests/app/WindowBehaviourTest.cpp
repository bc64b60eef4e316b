#include "app/AppMessages.h"
#include "model/FwbFile.h"
#include "page/gui/CellGrid.h"
#include "page/gui/PageWidget.h"
#include "WindowFixture.h"

#include <cmath>
#include <gtest/gtest.h>
#include <QLineEdit>
#include <QMenuBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

namespace waybill {
namespace {

using test::Q;

class WindowBehaviourTest : public test::WindowTest {
  protected:
    void SetUp() override {
        ASSERT_TRUE(Start());
        sample = SampleDocument();
        dialogs.openAnswers.push_back(Q(sample));
        Trigger("mnuFileOpen");
    }

    int Chrome() const {
        return window->menuBar()->sizeHint().height() + window->Toolbar().sizeHint().height();
    }

    std::filesystem::path sample;
};

TEST_F(WindowBehaviourTest, AResizedWindowKeepsTheSheetProportions) {
    window->setWindowState(Qt::WindowNoState);
    window->resize(700, 500); // wide: raised to 800, the height follows
    QCoreApplication::processEvents();
    EXPECT_EQ(window->width(), 800);
    EXPECT_EQ(window->height(), static_cast<int>(std::lround(800 * 7.75 / 10.25)) + Chrome());

    window->resize(1100, 1000); // wide again: the width decides
    QCoreApplication::processEvents();
    EXPECT_EQ(window->width(), 1100);
    EXPECT_EQ(window->height(), static_cast<int>(std::lround(1100 * 7.75 / 10.25)) + Chrome());

    window->resize(500, 700); // tall: the height decides
    QCoreApplication::processEvents();
    EXPECT_EQ(window->height(), 700);
    EXPECT_EQ(window->width(), static_cast<int>(std::lround((700 - Chrome()) * 10.25 / 7.75)));
    // Nothing on the page was lost on the way.
    EXPECT_EQ(window->Page().View().titleBlock[TblkCadNumber], "pre_rel-01");
}

TEST_F(WindowBehaviourTest, TypedTextSurvivesAResize) {
    window->setWindowState(Qt::WindowNoState);
    QLineEdit* customer = window->Page().TitleBlockBox(TblkCustomer);
    customer->setFocus();
    QTest::keyClicks(customer, QStringLiteral("Typed"));
    window->resize(900, 600);
    QCoreApplication::processEvents();
    EXPECT_EQ(customer->text(), QStringLiteral("Typed"));
    Trigger("mnuCtrlsNextPg");
    EXPECT_EQ(window->Waybill().Customer, "Typed");
}

TEST_F(WindowBehaviourTest, KeyboardShortcutsRunTheCommands) {
    QWidget* focus = window->Page().TitleBlockBox(TblkCustomer);
    focus->setFocus();
    QTest::keyClick(focus, Qt::Key_PageDown);
    QTest::keyClick(focus, Qt::Key_PageDown);
    EXPECT_EQ(window->Waybill().CurPage(), 3);
    QTest::keyClick(focus, Qt::Key_PageUp);
    EXPECT_EQ(window->Waybill().CurPage(), 2);
    QTest::keyClick(focus, Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(window->Waybill().CurPage(), window->Waybill().PageCount());
    QTest::keyClick(focus, Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(window->Waybill().CurPage(), 1);
    // Outside a text box Ctrl+End and Ctrl+Home go to the last and first page too.
    QWidget* grid = window->Page().LineItemGrid();
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(window->Waybill().CurPage(), window->Waybill().PageCount());
    QTest::keyClick(grid, Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(window->Waybill().CurPage(), 1);
    focus->setFocus();

    QTest::keyClicks(focus, QStringLiteral("Key"));
    QTest::keyClick(focus, Qt::Key_S, Qt::ControlModifier);
    EXPECT_FALSE(window->FileChanged());
    Book saved;
    ASSERT_EQ(ReadFWB(sample, saved), std::nullopt);
    EXPECT_EQ(saved.Customer, "Key");

    QTest::keyClick(focus, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(window->Waybill().PageCount(), 0);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(WindowBehaviourTest, PageCommandShortcutsOpenTheirDialogs) {
    QWidget* focus = window->Page().TitleBlockBox(TblkCustomer);
    focus->setFocus();
    for (int i = 0; i < 2; ++i) {
        modal.handlers.push_back([](QDialog& d) { return d.result(); });
    }
    QTest::keyClick(focus, Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(focus, Qt::Key_G, Qt::ControlModifier);
    EXPECT_EQ(modal.shown, (std::vector<QString>{"dlgAddPage", "dlgGotoPage"}));
    dialogs.answers = {MessageAnswer::No};
    QTest::keyClick(focus, Qt::Key_Delete, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].message, DeletePageQuestion());
}

TEST_F(WindowBehaviourTest, EditMenuFollowsTheSelectionAndTheClipboard) {
    QLineEdit* customer = window->Page().TitleBlockBox(TblkCustomer);
    customer->setFocus();
    QTest::keyClicks(customer, QStringLiteral("ACME"));
    customer->deselect();
    QCoreApplication::processEvents();
    EXPECT_FALSE(Enabled("mnuEditCopy"));
    customer->selectAll();
    QCoreApplication::processEvents();
    EXPECT_TRUE(Enabled("mnuEditCopy"));
    EXPECT_TRUE(Enabled("mnuEditCut"));
    EXPECT_TRUE(Enabled("mnuEditDelete"));
    Trigger("mnuEditCopy");
    EXPECT_TRUE(Enabled("mnuEditPaste"));
    Trigger("mnuEditDelete");
    EXPECT_EQ(customer->text(), QString());
    Trigger("mnuEditPaste");
    EXPECT_EQ(customer->text(), QStringLiteral("ACME"));
}

TEST_F(WindowBehaviourTest, ToolbarButtonsShareTheMenuCommandsAndTheirEnabling) {
    std::vector<QString> keys;
    for (QAction* action : window->Toolbar().actions()) {
        if (!action->isSeparator()) {
            keys.push_back(action->data().toString());
        }
    }
    EXPECT_EQ(keys, (std::vector<QString>{"New", "Open", "Save", "Cut", "Copy", "Paste", "FirstPg",
                                          "PrevPg", "NextPg", "LastPg", "GotoPg", "CopyPg", "CutPg",
                                          "PastePg", "AddPg", "DelPg", "Undo"}));
    QAction* next = window->Action(QStringLiteral("mnuCtrlsNextPg"));
    auto* button = qobject_cast<QToolButton*>(window->Toolbar().widgetForAction(next));
    ASSERT_NE(button, nullptr);
    EXPECT_FALSE(button->icon().isNull());
    button->click();
    EXPECT_EQ(window->Waybill().CurPage(), 2);
    Trigger("mnuCtrlsLastPg");
    EXPECT_FALSE(button->isEnabled());
}

TEST_F(WindowBehaviourTest, SavingOnTheQuestionLetsTheCommandGoOn) {
    QLineEdit* customer = window->Page().TitleBlockBox(TblkCustomer);
    customer->setFocus();
    QTest::keyClicks(customer, QStringLiteral("Saved first"));
    const auto target = work / "kept.fwb";
    dialogs.answers = {MessageAnswer::Yes};
    dialogs.saveAnswers = {Q(target)};
    Trigger("mnuFileNew");
    ASSERT_EQ(dialogs.saveRequests.size(), 1u);
    EXPECT_EQ(dialogs.saveRequests[0].fileName, Q(sample)); // Save As proposes the file's path
    EXPECT_EQ(window->Waybill().PageCount(), 0);
    EXPECT_EQ(window->RecentFileList()[0], target.string());
    Book kept;
    ASSERT_EQ(ReadFWB(target, kept), std::nullopt);
    EXPECT_EQ(kept.Customer, "Saved first");
}

TEST_F(WindowBehaviourTest, NumberingOptionsStartUncheckedAndFollowTheOpenedDocument) {
    ASSERT_TRUE(Start());
    EXPECT_FALSE(window->Action(QStringLiteral("mnuOptNumberPages"))->isChecked());
    EXPECT_FALSE(window->Action(QStringLiteral("mnuOptShowTotalPages"))->isChecked());
    dialogs.openAnswers.push_back(Q(sample));
    Trigger("mnuFileOpen");
    EXPECT_TRUE(window->Action(QStringLiteral("mnuOptNumberPages"))->isChecked());
    EXPECT_TRUE(window->Page().TitleBlockBox(TblkSheetTotal)->isVisibleTo(window.get()));
    Trigger("mnuOptShowTotalPages");
    EXPECT_FALSE(window->Page().TitleBlockBox(TblkSheetTotal)->isVisibleTo(window.get()));
    EXPECT_FALSE(window->Waybill().ShowPgTot);
    EXPECT_TRUE(window->FileChanged());
}

} // namespace
} // namespace waybill
