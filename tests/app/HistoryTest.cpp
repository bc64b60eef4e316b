// Undo and redo, autosave and recovery, and the guard against overwriting someone else's
// save, driven through the window with the recording dialog service.
#include "app/AppMessages.h"
#include "app/Recovery.h"
#include "model/FwbFile.h"
#include "platform/gui/QtText.h"
#include "WindowFixture.h"

#include <chrono>
#include <fstream>
#include <gtest/gtest.h>
#include <QApplication>
#include <QClipboard>

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

TEST_F(HistoryTest, UndoTakesBackOneCellEditAndRedoBringsItBack) {
    const auto sample = SampleDocument();
    Open(sample);
    EXPECT_FALSE(Enabled("mnuEditUndo"));
    EXPECT_FALSE(Enabled("mnuEditRedo"));
    TypeCell(1, 2, QStringLiteral("QA7"));
    TypeCell(2, 2, QStringLiteral("QB8"));
    EXPECT_EQ(MenuText("mnuEditUndo"), QStringLiteral("&Undo Cell Edit"));

    Trigger("mnuEditUndo");
    EXPECT_EQ(Cell(2, 2), "");
    EXPECT_EQ(Cell(1, 2), "QA7");
    EXPECT_TRUE(Enabled("mnuEditRedo"));
    Trigger("mnuFileSave");
    const std::string saved = FormatFWB(Read(sample));
    EXPECT_NE(saved.find("|QA7|"), std::string::npos);
    EXPECT_EQ(saved.find("|QB8|"), std::string::npos);

    Trigger("mnuEditRedo");
    EXPECT_EQ(Cell(2, 2), "QB8");
    EXPECT_TRUE(window->FileChanged()); // past the saved state
    Trigger("mnuFileSave");
    const std::string both = FormatFWB(Read(sample));
    EXPECT_NE(both.find("|QA7|"), std::string::npos);
    EXPECT_NE(both.find("|QB8|"), std::string::npos);
    EXPECT_FALSE(Enabled("mnuEditRedo"));
}

TEST_F(HistoryTest, UndoingToTheSavedStateAsksNothingAndAnOpenBoxIsOneStep) {
    const auto sample = SampleDocument();
    Open(sample);
    TypeCell(1, 2, QStringLiteral("QA7"));
    Trigger("mnuEditUndo");
    EXPECT_FALSE(window->FileChanged());
    Trigger("mnuEditRedo");
    EXPECT_TRUE(window->FileChanged());
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

TEST_F(HistoryTest, PageCommandsAndOptionsAreStepsThatRestoreOrderAndPage) {
    const auto sample = SampleDocument();
    Open(sample);
    const auto cads = Cads();
    Trigger("mnuCtrlsNextPg");
    Trigger("mnuCtrlsNextPg");
    Trigger("mnuCtrlsDelPg"); // the recorder answers Yes
    EXPECT_EQ(MenuText("mnuEditUndo"), QStringLiteral("&Undo Delete Page"));
    Trigger("mnuCtrlsFirstPg");
    Trigger("mnuEditUndo");
    EXPECT_EQ(Cads(), cads);
    EXPECT_EQ(window->Waybill().CurPage(), 3); // the page the step changed is shown
    EXPECT_EQ(window->Page().View().titleBlock[TblkCadNumber], cads[2]);

    Add({1}, &dlgAddPage::optAfterLast);
    EXPECT_EQ(MenuText("mnuEditUndo"), QStringLiteral("&Undo Add Page"));
    EXPECT_TRUE(Enabled("mnuOptSort"));
    Trigger("mnuOptSort");
    Trigger("mnuEditUndo");
    EXPECT_EQ(Cads().back(), cads.front()); // unsorted again
    EXPECT_TRUE(Enabled("mnuOptSort"));
    Trigger("mnuEditUndo");
    EXPECT_EQ(Cads(), cads);
    EXPECT_FALSE(window->FileChanged());

    const bool numbered = window->Waybill().NumberPgs;
    Trigger("mnuOptNumberPages");
    EXPECT_NE(window->Waybill().NumberPgs, numbered);
    EXPECT_EQ(MenuText("mnuEditUndo"), QStringLiteral("&Undo Number Pages"));
    Trigger("mnuEditUndo");
    EXPECT_EQ(window->Waybill().NumberPgs, numbered);
    EXPECT_EQ(window->Action(QStringLiteral("mnuOptNumberPages"))->isChecked(), numbered);
    EXPECT_FALSE(window->FileChanged());

    // Paste over a selection is one step, however many cells it fills.
    QApplication::clipboard()->setText(QStringLiteral("1\r2\r3"));
    window->Page().LineItemGrid()->setFocus();
    window->Page().LineItemGrid()->SetCurrent(1, 2);
    Trigger("mnuEditPaste");
    EXPECT_EQ(Cell(3, 2), "3");
    Trigger("mnuEditUndo");
    EXPECT_EQ(Cell(1, 2) + Cell(2, 2) + Cell(3, 2), "");
    EXPECT_FALSE(window->FileChanged());
}

TEST_F(HistoryTest, AutosaveKeepsACopyOfAChangedDocumentOnlyUntilItIsSaved) {
    const auto sample = SampleDocument();
    Open(sample);
    const std::filesystem::path copy = FsPath(window->RecoveryPath());
    EXPECT_EQ(copy.parent_path(), recovery.Path());
    window->Autosave();
    EXPECT_FALSE(std::filesystem::exists(copy)); // nothing unsaved

    TypeCell(1, 2, QStringLiteral("QC42"));
    window->Autosave();
    ASSERT_TRUE(std::filesystem::exists(copy));
    EXPECT_NE(FormatFWB(Read(copy)).find("|QC42|"), std::string::npos);
    EXPECT_EQ(FormatFWB(Read(sample)).find("|QC42|"), std::string::npos); // never the document

    Trigger("mnuEditUndo");
    window->Autosave();
    EXPECT_FALSE(std::filesystem::exists(copy)); // back to what is saved

    TypeCell(1, 2, QStringLiteral("43"));
    window->Autosave();
    Trigger("mnuFileSave");
    EXPECT_FALSE(std::filesystem::exists(copy));

    // Discarded on close.
    TypeCell(1, 2, QStringLiteral("44"));
    window->Autosave();
    dialogs.answers = {MessageAnswer::No};
    window->close();
    EXPECT_FALSE(std::filesystem::exists(copy));
}

TEST_F(HistoryTest, ANewerRecoveryCopyIsOfferedAndRecoveredUnderTheDocumentsPath) {
    const auto sample = SampleDocument();
    Book recovered = Read(sample);
    recovered.Customer = "Recovered Inc.";
    const auto copy = recovery / RecoveryFileName(sample.string());
    const auto writeCopy = [&] {
        ASSERT_EQ(WriteFWB(recovered, copy), std::nullopt);
        std::filesystem::last_write_time(copy, std::filesystem::last_write_time(sample) +
                                                   std::chrono::hours(1));
    };

    // No deletes the copy and opens the file as it is.
    writeCopy();
    dialogs.answers = {MessageAnswer::No};
    Open(sample);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].message.caption, "Waybill Recovery");
    EXPECT_NE(dialogs.messages[0].message.text.find(sample.string()), std::string::npos);
    EXPECT_EQ(dialogs.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(dialogs.messages[0].defaultButton, MessageAnswer::Yes);
    EXPECT_FALSE(std::filesystem::exists(copy));
    EXPECT_EQ(window->Waybill().Customer, "");
    EXPECT_FALSE(window->FileChanged());

    // The default button recovers: changed, under the document's own path.
    Trigger("mnuFileNew");
    writeCopy();
    dialogs.Clear();
    Open(sample);
    EXPECT_EQ(window->Waybill().Customer, "Recovered Inc.");
    EXPECT_EQ(window->Page().TitleBlockBox(TblkCustomer)->text(), QStringLiteral("Recovered Inc."));
    EXPECT_TRUE(window->FileChanged());
    EXPECT_EQ(window->DocPath(), Q(sample));
    Trigger("mnuFileSave");
    EXPECT_TRUE(dialogs.saveRequests.empty());
    EXPECT_EQ(Read(sample).Customer, "Recovered Inc.");
    EXPECT_FALSE(std::filesystem::exists(copy));

    // An older copy is not offered.
    Trigger("mnuFileNew");
    writeCopy();
    std::filesystem::last_write_time(copy, std::filesystem::last_write_time(sample) -
                                               std::chrono::hours(1));
    dialogs.Clear();
    Open(sample);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(HistoryTest, AnUntitledDocumentIsRecoveredAtStart) {
    Add({1});
    TypeCell(1, 2, QStringLiteral("5"));
    window->Autosave();
    const auto copy = FsPath(window->RecoveryPath());
    ASSERT_TRUE(std::filesystem::exists(copy));
    // As after a crash: the window is gone without closing.
    window.reset();
    dialogs.Clear();
    ASSERT_TRUE(Start());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages[0].message.text.find("Untitled"), std::string::npos);
    EXPECT_EQ(window->Waybill().PageCount(), 1);
    EXPECT_EQ(Cell(1, 2), "5");
    EXPECT_TRUE(window->FileChanged());
    EXPECT_TRUE(window->DocPath().isEmpty());
}

TEST_F(HistoryTest, SavingOverSomeoneElsesSaveAsksFirst) {
    const auto sample = SampleDocument();
    Open(sample);
    TypeCell(1, 2, QStringLiteral("QD6"));
    const std::string theirs = test::TempDir::Read(sample) + "\r\n";
    std::ofstream(sample, std::ios::binary) << theirs;

    Trigger("mnuFileSave"); // the default button is No
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].message, ChangedOnDiskQuestion(sample.string()));
    EXPECT_EQ(dialogs.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(dialogs.messages[0].defaultButton, MessageAnswer::No);
    EXPECT_EQ(test::TempDir::Read(sample), theirs);
    EXPECT_TRUE(window->FileChanged());

    dialogs.answers = {MessageAnswer::Yes};
    Trigger("mnuFileSave");
    EXPECT_NE(FormatFWB(Read(sample)).find("|QD6|"), std::string::npos);
    EXPECT_FALSE(window->FileChanged());
    dialogs.Clear();
    TypeCell(1, 2, QStringLiteral("QE66"));
    Trigger("mnuFileSave"); // our own save is not someone else's
    EXPECT_TRUE(dialogs.messages.empty());
}

} // namespace
} // namespace waybill
