// Undo and redo and autosave through the window: the menus, the typing the commands commit
// first, the status bar.
#include "WindowFixture.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QClipboard>
#include <QStatusBar>

namespace waybill {
namespace {

class HistoryTest : public test::WindowTest {
  protected:
    void SetUp() override { ASSERT_TRUE(Start()); }

    QString MenuText(const char* name) const {
        return window->Action(QString::fromLatin1(name))->text();
    }
};

// Typed but not committed: Undo commits it as a step and takes that step back.
TEST_F(HistoryTest, AnOpenBoxIsOneStepAndANewDocumentStartsAnEmptyHistory) {
    Open(SampleDocument());
    CellGrid* grid = window->Page().LineItemGrid();
    grid->setFocus();
    grid->SetCurrent(3, 2);
    QTest::keyClicks(grid, "Q");
    QTest::keyClicks(window->Page().CellBoxEditor(), "F9");
    EXPECT_TRUE(Enabled("mnuEditUndo"));
    Trigger("mnuEditUndo");
    EXPECT_EQ(Cell(3, 2), "");
    EXPECT_FALSE(window->Page().CellBoxEditor()->isVisible());
    Trigger("mnuEditRedo");
    EXPECT_EQ(Cell(3, 2), "QF9");
    Trigger("mnuEditUndo");

    Trigger("mnuFileNew");
    EXPECT_FALSE(Enabled("mnuEditUndo"));
    EXPECT_FALSE(Enabled("mnuEditRedo"));
}

// The menus follow the history: the step's name, the option's check mark.
TEST_F(HistoryTest, UndoNamesTheStepAndTheOptionsFollowTheDocument) {
    Open(SampleDocument());
    Trigger("mnuCtrlsNextPg");
    Trigger("mnuCtrlsDelPg"); // the recorder answers Yes
    EXPECT_EQ(MenuText("mnuEditUndo"), QStringLiteral("&Undo Delete Page"));
    Trigger("mnuEditUndo");
    EXPECT_EQ(MenuText("mnuEditRedo"), QStringLiteral("&Redo Delete Page"));

    QAction* numbered = window->Action(QStringLiteral("mnuOptNumberPages"));
    ASSERT_TRUE(numbered->isChecked());
    Trigger("mnuOptNumberPages");
    EXPECT_FALSE(numbered->isChecked());
    Trigger("mnuEditUndo");
    EXPECT_TRUE(numbered->isChecked());

    // Paste over a selection is one step, however many cells it fills.
    QApplication::clipboard()->setText(QStringLiteral("1\r2\r3"));
    window->Page().LineItemGrid()->setFocus();
    window->Page().LineItemGrid()->SetCurrent(1, 2);
    Trigger("mnuEditPaste");
    EXPECT_EQ(Cell(3, 2), "3");
    Trigger("mnuEditUndo");
    EXPECT_EQ(Cell(1, 2) + Cell(2, 2) + Cell(3, 2), "");
}

TEST_F(HistoryTest, AutosaveKeepsItsCopyInTheRunsRecoveryFolderAndSaysSo) {
    Open(SampleDocument());
    TypeCell(1, 2, QStringLiteral("QC42"));
    window->Session().Files().Autosave();
    const std::filesystem::path copy = window->Session().Files().RecoveryPath();
    EXPECT_EQ(copy.parent_path(), recovery.Path());
    EXPECT_TRUE(std::filesystem::exists(copy));
    EXPECT_TRUE(window->statusBar()->currentMessage().startsWith(
        QStringLiteral("Recovery copy saved at ")));
    EXPECT_TRUE(window->isWindowModified());

    Trigger("mnuFileSave");
    EXPECT_FALSE(std::filesystem::exists(copy));
    EXPECT_TRUE(window->statusBar()->currentMessage().startsWith(QStringLiteral("Saved at ")));
    EXPECT_FALSE(window->isWindowModified());

    TypeCell(1, 2, QStringLiteral("QC43"));
    EXPECT_TRUE(window->isWindowModified());
    window->Session().Files().Autosave();
    dialogs.answers = {MessageAnswer::No}; // the changes are dropped
    window->close();
    EXPECT_FALSE(std::filesystem::exists(copy));
}

} // namespace
} // namespace waybill
