// Undo and redo and autosave through the window: the menus, the typing the commands commit
// first, the status bar.
#include "app/AppMessages.h"
#include "model/FwbFile.h"
#include "platform/gui/QtText.h"
#include "WindowFixture.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QClipboard>
#include <QStatusBar>

namespace waybill {
namespace {

using test::Q;

class HistoryTest : public test::WindowTest {
  protected:
    void SetUp() override { ASSERT_TRUE(Start()); }

    QString MenuText(const char* name) const {
        return window->Action(QString::fromLatin1(name))->text();
    }

    static Book Read(const std::filesystem::path& path) {
        Book book;
        EXPECT_EQ(ReadFWB(path, book), std::nullopt);
        return book;
    }
};

TEST_F(HistoryTest, UndoingToTheSavedStateAsksNothingAndAnOpenBoxIsOneStep) {
    const auto sample = SampleDocument();
    Open(sample);
    TypeCell(1, 2, QStringLiteral("QA7"));
    Trigger("mnuEditUndo");
    EXPECT_FALSE(window->Session().Doc().FileChanged());
    Trigger("mnuEditRedo");
    EXPECT_TRUE(window->Session().Doc().FileChanged());
    Trigger("mnuEditUndo");

    // Typed but not committed: Undo commits it as a step and takes that step back.
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

    dialogs.Clear();
    Trigger("mnuFileNew");
    EXPECT_TRUE(dialogs.messages.empty()); // nothing to save
    EXPECT_FALSE(Enabled("mnuEditUndo"));  // a new document starts an empty history
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
    EXPECT_EQ(window->Page().View().titleBlock[TblkCadNumber],
              window->Session().Waybill().GetPage(2).CadNumber);

    QAction* numbered = window->Action(QStringLiteral("mnuOptNumberPages"));
    ASSERT_TRUE(numbered->isChecked());
    Trigger("mnuOptNumberPages");
    EXPECT_FALSE(numbered->isChecked());
    EXPECT_FALSE(window->Session().Waybill().NumberPgs);
    Trigger("mnuEditUndo");
    EXPECT_TRUE(numbered->isChecked());

    // Paste over a selection is one step, however many cells it fills.
    QApplication::clipboard()->setText(QStringLiteral("1\r2\r3"));
    window->Page().LineItemGrid()->setFocus();
    window->Page().LineItemGrid()->SetCurrent(1, 2);
    Trigger("mnuEditPaste");
    EXPECT_EQ(Cell(3, 2), "3");
    EXPECT_EQ(MenuText("mnuEditUndo"), QStringLiteral("&Undo Paste"));
    Trigger("mnuEditUndo");
    EXPECT_EQ(Cell(1, 2) + Cell(2, 2) + Cell(3, 2), "");
    EXPECT_FALSE(window->Session().Doc().FileChanged());
}

TEST_F(HistoryTest, AutosaveKeepsItsCopyInTheRunsRecoveryFolderAndSaysSo) {
    Open(SampleDocument());
    TypeCell(1, 2, QStringLiteral("QC42"));
    window->Session().Autosave();
    const std::filesystem::path copy = window->Session().RecoveryPath();
    EXPECT_EQ(copy.parent_path(), recovery.Path());
    EXPECT_TRUE(std::filesystem::exists(copy));
    EXPECT_TRUE(window->statusBar()->currentMessage().startsWith(
        QStringLiteral("Recovery copy saved at ")));
    EXPECT_TRUE(window->windowTitle().endsWith(QStringLiteral("[*]")));
    EXPECT_TRUE(window->isWindowModified());

    Trigger("mnuFileSave");
    EXPECT_FALSE(std::filesystem::exists(copy));
    EXPECT_TRUE(window->statusBar()->currentMessage().startsWith(QStringLiteral("Saved at ")));
    EXPECT_FALSE(window->isWindowModified());

    TypeCell(1, 2, QStringLiteral("QC43"));
    EXPECT_TRUE(window->isWindowModified());
    window->Session().Autosave();
    dialogs.answers = {MessageAnswer::No}; // the changes are dropped
    window->close();
    EXPECT_FALSE(std::filesystem::exists(copy));
}

} // namespace
} // namespace waybill
