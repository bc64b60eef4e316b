#include "app/AppMessages.h"
#include "model/FwbFile.h"
#include "WindowFixture.h"

#include <gtest/gtest.h>

namespace waybill {
namespace {

using test::Q;

class FileCommandsTest : public test::WindowTest {
  protected:
    void SetUp() override { ASSERT_TRUE(Start()); }
};

TEST_F(FileCommandsTest, OpenShowsTheFirstPageNamesTheFileAndRemembersIt) {
    const auto sample = SampleDocument();
    Open(sample);
    EXPECT_EQ(dialogs.openRequests[0].startFolder, QString());
    EXPECT_EQ(window->Waybill().CurPage(), 1);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Waybill - ") + Q(sample));
    EXPECT_EQ(window->RecentFileList()[0], sample.string());
    EXPECT_TRUE(window->Action(QStringLiteral("mnuFileMRU0"))->isVisible());
    EXPECT_TRUE(window->Action(QStringLiteral("mnuFileBar5"))->isVisible());
    window->Page().CommitEdits();
    EXPECT_FALSE(window->FileChanged());

    // The next dialog starts in the folder of the last file; cancelling it keeps the document.
    dialogs.openAnswers.push_back(std::nullopt);
    Trigger("mnuFileOpen");
    EXPECT_EQ(dialogs.openRequests[1].startFolder, Q(work.Path()));
    EXPECT_EQ(window->Waybill().PageCount(), window->DefWaybill().PageCount());
}

TEST_F(FileCommandsTest, TypedTitleBlockSurvivesMovingAwaySaveAndReopen) {
    Open(SampleDocument());
    Trigger("mnuCtrlsNextPg");
    Type(TblkCustomer, QStringLiteral("ACME Steel, Inc.: Plant 2"));
    Type(TblkDescription, QStringLiteral("BUILT-UP STEEL (REV)"));
    Trigger("mnuCtrlsNextPg");
    EXPECT_TRUE(window->FileChanged());
    Trigger("mnuCtrlsPrevPg");
    EXPECT_EQ(window->Page().TitleBlockBox(TblkDescription)->text(),
              QStringLiteral("BUILT-UP STEEL (REV)"));
    Trigger("mnuFileSave");
    EXPECT_FALSE(window->FileChanged());
    EXPECT_TRUE(dialogs.messages.empty());

    Trigger("mnuFileNew");
    EXPECT_EQ(window->Page().View().titleBlock[TblkCustomer], "");
    Open(work / "sample.fwb");
    EXPECT_EQ(window->Waybill().GetPage(2).Description, "BUILT-UP STEEL (REV)");
    EXPECT_EQ(window->Page().TitleBlockBox(TblkCustomer)->text(),
              QStringLiteral("ACME Steel, Inc.: Plant 2"));
}

TEST_F(FileCommandsTest, AChangedDocumentStaysUntilSaved) {
    const auto sample = SampleDocument();
    Open(sample);
    Type(TblkJobNumber, QStringLiteral("4471"));
    const int pages = window->Waybill().PageCount();
    // Yes, then a cancelled Save As.
    for (const char* command : {"mnuFileNew", "mnuFileOpen", "mnuFileMRU0"}) {
        dialogs.Clear();
        dialogs.answers = {MessageAnswer::Yes};
        dialogs.saveAnswers = {std::nullopt};
        Trigger(command);
        ASSERT_EQ(dialogs.messages.size(), 1u) << command;
        EXPECT_EQ(dialogs.messages[0].message, FileChangedQuestion());
        EXPECT_EQ(dialogs.messages[0].buttons, MessageButtons::YesNoCancel);
        EXPECT_TRUE(dialogs.openRequests.empty());
        EXPECT_EQ(window->Waybill().PageCount(), pages) << command;
        EXPECT_EQ(window->Page().TitleBlockBox(TblkJobNumber)->text(), QStringLiteral("4471"));
    }
    dialogs.Clear();
    dialogs.answers = {MessageAnswer::Cancel};
    Trigger("mnuFileNew");
    EXPECT_EQ(window->Waybill().PageCount(), pages);
    EXPECT_TRUE(dialogs.saveRequests.empty());

    // Yes and a saved file let the command go on.
    const auto target = work / "kept.fwb";
    dialogs.answers = {MessageAnswer::Yes};
    dialogs.saveAnswers = {Q(target)};
    Trigger("mnuFileNew");
    ASSERT_EQ(dialogs.saveRequests.size(), 1u);
    EXPECT_EQ(dialogs.saveRequests[0].fileName, Q(sample)); // Save As proposes the file's path
    EXPECT_EQ(window->Waybill().PageCount(), 0);
    EXPECT_FALSE(window->FileChanged());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Waybill"));
    EXPECT_EQ(window->RecentFileList()[0], target.string());
    Book kept;
    ASSERT_EQ(ReadFWB(target, kept), std::nullopt);
    EXPECT_EQ(kept.JobNumber, "4471");
}

TEST_F(FileCommandsTest, ADocumentWithoutPagesIsDroppedWithoutAsking) {
    Add({1});
    dialogs.answers = {MessageAnswer::Yes};
    Trigger("mnuCtrlsDelPg");
    EXPECT_TRUE(window->FileChanged());
    dialogs.Clear();
    Trigger("mnuFileNew");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(FileCommandsTest, SaveAsProposesTheJobNumberThenSaveWritesWithoutAsking) {
    Add({1});
    Type(TblkJobNumber, QStringLiteral(" 4471 "));
    const auto target = work / "4471.fwb";
    dialogs.saveAnswers = {Q(target)};
    Trigger("mnuFileSave"); // a new document has no file yet
    ASSERT_EQ(dialogs.saveRequests.size(), 1u);
    EXPECT_EQ(dialogs.saveRequests[0].fileName, QStringLiteral("4471.fwb"));
    EXPECT_EQ(window->DocPath(), Q(target));
    EXPECT_FALSE(window->FileChanged());
    EXPECT_EQ(window->RecentFileList()[0], target.string());
    EXPECT_EQ(module->paths.WorkFolder, work.Path().string());

    Type(TblkIssue, QStringLiteral("B"));
    Trigger("mnuFileSave");
    EXPECT_EQ(dialogs.saveRequests.size(), 1u);
    Book saved;
    ASSERT_EQ(ReadFWB(target, saved), std::nullopt);
    EXPECT_EQ(saved.JobNumber, "4471");
    EXPECT_EQ(saved.Issue, "B");
    EXPECT_EQ(saved.PageCount(), 1);
}

TEST_F(FileCommandsTest, FailedSavesAreReportedAndLeaveTheDocumentChangedUnderItsName) {
    const auto sample = SampleDocument();
    Open(sample);
    Type(TblkCustomer, QStringLiteral("Changed"));
    // Something that is no file now stands where the document was.
    std::filesystem::remove(sample);
    std::filesystem::create_directory(sample);
    const auto inside = work.Write("sample.fwb/keep", "kept");
    Trigger("mnuFileSave");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].message.caption, "File Error");
    EXPECT_NE(dialogs.messages[0].message.text.find("sample.fwb"), std::string::npos);
    EXPECT_TRUE(window->FileChanged());
    EXPECT_EQ(test::TempDir::Read(inside), "kept");

    dialogs.saveAnswers = {Q(work / "no such folder" / "x.fwb")};
    Trigger("mnuFileSaveAs");
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[1].message.caption, "File Error");
    EXPECT_TRUE(window->FileChanged());
    EXPECT_EQ(window->DocPath(), Q(sample));
    EXPECT_EQ(window->RecentFileList()[0], sample.string());
}

TEST_F(FileCommandsTest, LegacyDocumentsAreOfferedForSavingAsDocumentFiles) {
    const auto legacy = work / "JOB12.WBL";
    std::filesystem::copy_file(
        std::filesystem::path(WAYBILL_SOURCE_DIR) / "fuzz/corpus/legacy_import/basic.wbl", legacy);
    Open(legacy);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Waybill - ") + Q(work / "JOB12.fwb"));
    EXPECT_GT(window->Waybill().PageCount(), 0);
    Trigger("mnuFileSave");
    ASSERT_EQ(dialogs.saveRequests.size(), 1u);
    EXPECT_EQ(dialogs.saveRequests[0].fileName, Q(work / "JOB12.fwb"));
    EXPECT_EQ(window->RecentFileList()[0], legacy.string());
}

TEST_F(FileCommandsTest, RecentFilesKeepOneEntryPerFileAndAreStoredOnClose) {
    const auto a = SampleDocument("a.fwb");
    const auto b = SampleDocument("b.fwb");
    Open(a);
    Open(b);
    Open(a);
    EXPECT_EQ(window->RecentFileList(), (RecentFiles{a.string(), b.string(), "", ""}));
    EXPECT_FALSE(window->Action(QStringLiteral("mnuFileMRU2"))->isVisible());

    // A file that is gone is reported and stays at the head of the list.
    std::filesystem::remove(b);
    Trigger("mnuFileMRU1");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].message, CannotOpenMessage(b));
    EXPECT_EQ(window->RecentFileList()[0], b.string());
    EXPECT_EQ(window->Waybill().PageCount(), 0);

    window->close();
    const QSettings settings = Settings();
    EXPECT_EQ(settings.value(QStringLiteral("MRU/MRU0")).toString(), Q(b));
    EXPECT_EQ(settings.value(QStringLiteral("MRU/MRU1")).toString(), Q(a));
    EXPECT_EQ(settings.value(QStringLiteral("MRU/MRU2")).toString(), QString());
}

TEST_F(FileCommandsTest, StoredRecentFilesKeepTheirSlots) {
    {
        QSettings settings = Settings();
        settings.setValue(QStringLiteral("MRU/MRU1"), QStringLiteral("/jobs/one & two.fwb"));
        settings.setValue(QStringLiteral("MRU/MRU3"), QStringLiteral("/jobs/four.fwb"));
    }
    ASSERT_TRUE(Start());
    std::vector<bool> visible;
    for (const char* name : {"mnuFileMRU0", "mnuFileMRU1", "mnuFileMRU2", "mnuFileMRU3"}) {
        visible.push_back(window->Action(QString::fromLatin1(name))->isVisible());
    }
    EXPECT_EQ(visible, (std::vector<bool>{false, true, false, true}));
    EXPECT_TRUE(window->Action(QStringLiteral("mnuFileBar5"))->isVisible());
    EXPECT_EQ(window->Action(QStringLiteral("mnuFileMRU1"))->text(),
              QStringLiteral("/jobs/one && two.fwb"));
}

TEST_F(FileCommandsTest, ClosingAChangedDocumentAsksFirst) {
    Open(SampleDocument());
    Type(TblkCustomer, QStringLiteral("Changed"));
    dialogs.answers = {MessageAnswer::Cancel, MessageAnswer::No};
    Trigger("mnuFileExit");
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(Settings().contains(QStringLiteral("MRU/MRU0")));
    window->close();
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(Settings().contains(QStringLiteral("MRU/MRU0")));
}

} // namespace
} // namespace waybill
