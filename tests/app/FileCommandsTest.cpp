#include "app/AppMessages.h"
#include "app/gui/dlgAddPage.h"
#include "model/FwbFile.h"
#include "page/gui/PageWidget.h"
#include "WindowFixture.h"

#include <fstream>
#include <gtest/gtest.h>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace waybill {
namespace {

using test::Q;

class FileCommandsTest : public test::WindowTest {
  protected:
    void SetUp() override { ASSERT_TRUE(Start()); }

    void Open(const std::filesystem::path& path) {
        dialogs.openAnswers.push_back(Q(path));
        Trigger("mnuFileOpen");
    }

    // Adds the default document's first page to the open document.
    void AddFirstTemplatePage() {
        modal.handlers.push_back([](QDialog& d) {
            auto& dialog = dynamic_cast<dlgAddPage&>(d);
            dialog.OKButton->click();
            return dialog.result();
        });
        Trigger("mnuCtrlsAddPg");
    }

    void Type(int titleField, const QString& text) {
        QLineEdit* box = window->Page().TitleBlockBox(titleField);
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, text);
    }
};

TEST_F(FileCommandsTest, OpenShowsTheFirstPageNamesTheFileAndRemembersIt) {
    const auto sample = SampleDocument();
    Open(sample);
    ASSERT_EQ(dialogs.openRequests.size(), 1u);
    EXPECT_EQ(dialogs.openRequests[0].title, QStringLiteral("Open"));
    EXPECT_TRUE(dialogs.openRequests[0].mustExist);
    EXPECT_EQ(dialogs.openRequests[0].startFolder, QString());
    EXPECT_EQ(window->Waybill().CurPage(), 1);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Waybill - ") + Q(sample));
    EXPECT_EQ(window->RecentFileList()[0], sample.string());
    EXPECT_TRUE(window->Action(QStringLiteral("mnuFileMRU0"))->isVisible());
    EXPECT_TRUE(window->Action(QStringLiteral("mnuFileBar5"))->isVisible());
    EXPECT_FALSE(window->FileChanged());
    window->Page().CommitEdits();
    EXPECT_FALSE(window->FileChanged()) << "after commit";
    // The document asks for numbered pages with totals.
    EXPECT_TRUE(window->Action(QStringLiteral("mnuOptNumberPages"))->isChecked());
    EXPECT_TRUE(window->Action(QStringLiteral("mnuOptShowTotalPages"))->isChecked());

    // The next dialog starts in the folder of the last file.
    dialogs.openAnswers.push_back(std::nullopt);
    Trigger("mnuFileOpen");
    ASSERT_EQ(dialogs.openRequests.size(), 2u);
    EXPECT_EQ(dialogs.openRequests[1].startFolder, Q(work.Path()));
    EXPECT_EQ(window->Waybill().PageCount(), window->DefWaybill().PageCount());
}

TEST_F(FileCommandsTest, TypedTitleBlockSurvivesSaveAndReopen) {
    Open(SampleDocument());
    Trigger("mnuCtrlsNextPg");
    Type(TblkCustomer, QStringLiteral("ACME Steel, Inc.: Plant 2"));
    Type(TblkDescription, QStringLiteral("BUILT-UP STEEL (REV)"));
    Trigger("mnuFileSave");
    EXPECT_FALSE(window->FileChanged());
    EXPECT_TRUE(dialogs.messages.empty());

    Trigger("mnuFileNew");
    EXPECT_EQ(window->Waybill().PageCount(), 0);
    EXPECT_EQ(window->Page().View().titleBlock[TblkCustomer], "");
    Open(work / "sample.fwb");
    EXPECT_EQ(window->Waybill().Customer, "ACME Steel, Inc.: Plant 2");
    EXPECT_EQ(window->Waybill().GetPage(2).Description, "BUILT-UP STEEL (REV)");
    EXPECT_EQ(window->Page().TitleBlockBox(TblkCustomer)->text(),
              QStringLiteral("ACME Steel, Inc.: Plant 2"));
    EXPECT_EQ(window->Waybill().PageCount(), window->DefWaybill().PageCount());
}

TEST_F(FileCommandsTest, YesThenCancelledSaveAsKeepsTheDocument) {
    Open(SampleDocument());
    Type(TblkJobNumber, QStringLiteral("4471"));
    const int pages = window->Waybill().PageCount();
    for (const char* command : {"mnuFileNew", "mnuFileOpen", "mnuFileMRU0"}) {
        dialogs.Clear();
        dialogs.answers = {MessageAnswer::Yes};
        dialogs.saveAnswers = {std::nullopt};
        Trigger(command);
        ASSERT_EQ(dialogs.messages.size(), 1u) << command;
        EXPECT_EQ(dialogs.messages[0].message, FileChangedQuestion());
        EXPECT_EQ(dialogs.messages[0].buttons, MessageButtons::YesNoCancel);
        EXPECT_EQ(dialogs.saveRequests.size(), 1u);
        EXPECT_TRUE(dialogs.openRequests.empty());
        EXPECT_EQ(window->Waybill().PageCount(), pages) << command;
        EXPECT_TRUE(window->FileChanged());
        EXPECT_EQ(window->Page().TitleBlockBox(TblkJobNumber)->text(), QStringLiteral("4471"));
    }
    dialogs.Clear();
    dialogs.answers = {MessageAnswer::Cancel};
    Trigger("mnuFileNew");
    EXPECT_EQ(window->Waybill().PageCount(), window->DefWaybill().PageCount());
    EXPECT_TRUE(dialogs.saveRequests.empty());

    dialogs.answers = {MessageAnswer::No};
    Trigger("mnuFileNew");
    EXPECT_EQ(window->Waybill().PageCount(), 0);
    EXPECT_FALSE(window->FileChanged());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Waybill"));
}

TEST_F(FileCommandsTest, ADocumentWithoutPagesIsDroppedWithoutAsking) {
    AddFirstTemplatePage();
    EXPECT_TRUE(window->FileChanged());
    dialogs.answers = {MessageAnswer::Yes};
    Trigger("mnuCtrlsDelPg");
    EXPECT_EQ(window->Waybill().PageCount(), 0);
    EXPECT_TRUE(window->FileChanged());
    dialogs.Clear();
    Trigger("mnuFileNew");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(FileCommandsTest, SaveAsProposesTheJobNumberAndNamesTheWindow) {
    AddFirstTemplatePage();
    Type(TblkJobNumber, QStringLiteral(" 4471 "));
    const auto target = work / "4471.fwb";
    dialogs.saveAnswers = {Q(target)};
    Trigger("mnuFileSave"); // a new document has no file yet
    ASSERT_EQ(dialogs.saveRequests.size(), 1u);
    const FileDialogRequest& request = dialogs.saveRequests[0];
    EXPECT_EQ(request.title, QStringLiteral("Save As"));
    EXPECT_EQ(request.fileName, QStringLiteral("4471.fwb"));
    EXPECT_EQ(request.defaultExtension, QStringLiteral("fwb"));
    EXPECT_FALSE(request.mustExist);
    EXPECT_EQ(window->DocPath(), Q(target));
    EXPECT_FALSE(window->FileChanged());
    EXPECT_EQ(window->RecentFileList()[0], target.string());
    EXPECT_EQ(module->paths.WorkFolder, work.Path().string());

    Book reread;
    EXPECT_EQ(ReadFWB(target, reread), std::nullopt);
    EXPECT_EQ(reread.JobNumber, "4471");
    EXPECT_EQ(reread.PageCount(), 1);
    // Save now writes to the file without asking.
    Type(TblkIssue, QStringLiteral("B"));
    dialogs.Clear();
    Trigger("mnuFileSave");
    EXPECT_TRUE(dialogs.saveRequests.empty());
    Book again;
    ASSERT_EQ(ReadFWB(target, again), std::nullopt);
    EXPECT_EQ(again.Issue, "B");
}

TEST_F(FileCommandsTest, AFailedSaveIsReportedAndLeavesTheDocumentChanged) {
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
}

TEST_F(FileCommandsTest, AFailedSaveAsAnswersFalseUnderTheOldName) {
    const auto sample = SampleDocument();
    Open(sample);
    Type(TblkCustomer, QStringLiteral("Changed"));
    dialogs.saveAnswers = {Q(work / "no such folder" / "x.fwb")};
    Trigger("mnuFileSaveAs");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].message.caption, "File Error");
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
    dialogs.saveAnswers = {std::nullopt};
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
    EXPECT_FALSE(window->isVisible());
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
    const auto visible = [&](int i) {
        return window->Action(QStringLiteral("mnuFileMRU%1").arg(i))->isVisible();
    };
    EXPECT_FALSE(visible(0));
    EXPECT_TRUE(visible(1));
    EXPECT_FALSE(visible(2));
    EXPECT_TRUE(visible(3));
    EXPECT_TRUE(window->Action(QStringLiteral("mnuFileBar5"))->isVisible());
    EXPECT_EQ(window->Action(QStringLiteral("mnuFileMRU1"))->text(),
              QStringLiteral("/jobs/one && two.fwb"));
}

TEST_F(FileCommandsTest, ClosingAChangedDocumentAsksFirst) {
    Open(SampleDocument());
    Type(TblkCustomer, QStringLiteral("Changed"));
    dialogs.answers = {MessageAnswer::Cancel};
    Trigger("mnuFileExit");
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(Settings().contains(QStringLiteral("MRU/MRU0")));
    dialogs.answers = {MessageAnswer::No};
    window->close();
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(Settings().contains(QStringLiteral("MRU/MRU0")));
}

TEST_F(FileCommandsTest, HelpAboutAndUndoSayTheirMessages) {
    Trigger("mnuHelpAbout");
    Trigger("mnuHelpContents");
    Trigger("mnuHelpSearch");
    Trigger("mnuEditUndo");
    Trigger("tbUndo");
    ASSERT_EQ(dialogs.messages.size(), 5u);
    EXPECT_EQ(dialogs.messages[0].message.text, "Version 1.0.0");
    EXPECT_EQ(dialogs.messages[0].message.icon, MessageIcon::None);
    EXPECT_EQ(dialogs.messages[1].message, NoHelpMessage());
    EXPECT_EQ(dialogs.messages[2].message, NoHelpMessage());
    EXPECT_EQ(dialogs.messages[3].message.text, "Add 'mnuEditUndo_Click' code.");
    EXPECT_EQ(dialogs.messages[4].message.text, "Add 'Undo' button code.");
}

} // namespace
} // namespace waybill
