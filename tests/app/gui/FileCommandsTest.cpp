#include "app/AppMessages.h"
#include "model/FwbFile.h"
#include "page/gui/CellGrid.h"
#include "WindowFixture.h"

#include <cmath>
#include <gtest/gtest.h>
#include <QApplication>
#include <QFocusEvent>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

namespace waybill {
namespace {

using test::Q;

class FileCommandsTest : public test::WindowTest {
  protected:
    void SetUp() override { ASSERT_TRUE(Start()); }
};

// Every command that drops the document asks first, about text still in a title box too,
// though a menu opened with the mouse took the focus and gave it back.
TEST_F(FileCommandsTest, EveryCommandThatDropsAChangedDocumentAsksFirst) {
    Open(SampleDocument());
    for (const char* command : {"mnuFileNew", "mnuFileOpen", "mnuFileMRU0", "mnuFileExit"}) {
        QLineEdit* issue = Type(TblkIssue, QStringLiteral("R1"));
        QFocusEvent out(QEvent::FocusOut, Qt::PopupFocusReason);
        QApplication::sendEvent(issue, &out);
        QFocusEvent in(QEvent::FocusIn, Qt::PopupFocusReason);
        QApplication::sendEvent(issue, &in);
        dialogs.Clear();
        dialogs.answers = {MessageAnswer::Cancel};
        Trigger(command);
        ASSERT_EQ(dialogs.messages.size(), 1u) << command;
        EXPECT_EQ(dialogs.messages[0].message, FileChangedQuestion());
        EXPECT_TRUE(dialogs.openRequests.empty());
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(window->Session().Waybill().Issue, "R1");
        Trigger("mnuEditUndo");
        EXPECT_EQ(issue->text(), QString());
    }
}

TEST_F(FileCommandsTest, AFileThatFailsToOpenLeavesAnEmptyView) {
    Open(SampleDocument());
    test::TempDir elsewhere;
    Open(elsewhere.Write("bad.fwb", std::string("PK\x03\x04\x00\x01", 6)));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(window->Page().View().titleBlock[TblkCadNumber], "");
    EXPECT_FALSE(window->Page().TitleBlockBox(TblkCadNumber)->isVisible());
    EXPECT_EQ(window->windowTitle(),
              QStringLiteral("Waybill - ") + Q(elsewhere / "bad.fwb") + "[*]");
}

TEST_F(FileCommandsTest, RecentFilesKeepOneEntryPerFileAndAreStoredOnClose) {
    const auto a = SampleDocument("a & b.fwb");
    const auto b = SampleDocument("b.fwb");
    Open(a);
    Open(b);
    Open(a);
    EXPECT_EQ(window->Session().Files().RecentFileList(),
              (RecentFiles{a.string(), b.string(), "", ""}));
    EXPECT_FALSE(window->Action(QStringLiteral("mnuFileMRU2"))->isVisible());
    EXPECT_EQ(window->Action(QStringLiteral("mnuFileMRU0"))->text(),
              Q(work / "a && b.fwb")); // no mnemonic

    // A file that is gone is reported and stays at the head of the list.
    std::filesystem::remove(b);
    Trigger("mnuFileMRU1");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].message, CannotOpenMessage(b));
    EXPECT_EQ(window->Session().Files().RecentFileList()[0], b.string());

    EXPECT_FALSE(Settings().contains(QStringLiteral("MRU/MRU0")));
    window->close();
    EXPECT_EQ(Settings().value(QStringLiteral("MRU/MRU0")).toString(), Q(b));
    EXPECT_EQ(Settings().value(QStringLiteral("MRU/MRU1")).toString(), Q(a));
}

TEST_F(FileCommandsTest, AResizedWindowKeepsTheSheetProportionsAndTheTypedText) {
    const auto sample = SampleDocument();
    Open(sample);
    window->setWindowState(Qt::WindowNoState);
    QLineEdit* customer = Type(TblkCustomer, QStringLiteral("Typed"));
    const int chrome = window->menuBar()->sizeHint().height() +
                       window->Toolbar().sizeHint().height() +
                       window->statusBar()->sizeHint().height();
    const auto byWidth = [&](int w) {
        return QSize(w, static_cast<int>(std::lround(w * 7.75 / 10.25)) + chrome);
    };
    const auto byHeight = [&](int h) {
        return QSize(static_cast<int>(std::lround((h - chrome) * 10.25 / 7.75)), h);
    };
    // A wide window takes its height from the width (at least 800), a tall one its width
    // from the height (at least 600).
    const std::pair<QSize, QSize> cases[] = {
        {{700, 500}, byWidth(800)}, {{1100, 1000}, byWidth(1100)}, {{400, 500}, byHeight(600)}};
    for (const auto& [asked, kept] : cases) {
        window->resize(asked);
        QCoreApplication::processEvents();
        EXPECT_EQ(window->size(), kept) << asked.width() << "x" << asked.height();
    }
    EXPECT_EQ(customer->text(), QStringLiteral("Typed"));
    Trigger("mnuCtrlsNextPg");
    EXPECT_EQ(window->Session().Waybill().Customer, "Typed");
}

TEST_F(FileCommandsTest, KeyboardShortcutsRunTheCommands) {
    const auto sample = SampleDocument();
    Open(sample);
    QWidget* focus = window->Page().TitleBlockBox(TblkCustomer);
    focus->setFocus();
    QTest::keyClick(focus, Qt::Key_PageDown);
    EXPECT_EQ(window->Session().Waybill().CurPage(), 2);
    // Outside a text box Ctrl+End goes to the last page too.
    QWidget* grid = window->Page().LineItemGrid();
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(window->Session().Waybill().CurPage(), window->Session().Waybill().PageCount());

    focus->setFocus();
    QTest::keyClicks(focus, QStringLiteral("Key"));
    QTest::keyClick(focus, Qt::Key_S, Qt::ControlModifier);
    EXPECT_FALSE(window->Session().Doc().FileChanged());
    Book saved;
    ASSERT_EQ(ReadFWB(sample, saved), std::nullopt);
    EXPECT_EQ(saved.Customer, "Key");
    EXPECT_TRUE(dialogs.messages.empty());
}

// The sample asks for numbered pages with totals; the total needs the numbering.
TEST_F(FileCommandsTest, TheNumberingOptionShowsAndHidesTheSheetNumbers) {
    const auto sample = SampleDocument();
    Open(sample);
    const auto shown = [&](int field) {
        return window->Page().TitleBlockBox(field)->isVisibleTo(window.get());
    };
    EXPECT_TRUE(shown(TblkSheetNumber) && shown(TblkSheetTotal));
    Trigger("mnuOptNumberPages");
    EXPECT_FALSE(shown(TblkSheetNumber) || shown(TblkSheetTotal));

    Trigger("mnuOptNumberPages");
    EXPECT_TRUE(shown(TblkSheetNumber) && shown(TblkSheetTotal));
}

} // namespace
} // namespace waybill
