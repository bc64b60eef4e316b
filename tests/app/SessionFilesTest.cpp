// The edit session's file policy: open, save, the question before a changed document is
// dropped, the work folder, the recent files and the recovery copies.
#include "app/AppMessages.h"
#include "app/Recovery.h"
#include "SessionFixture.h"

#include <chrono>
#include <deque>
#include <fstream>
#include <memory>

namespace waybill {
namespace {

using namespace SessionChange;
using test::kShippedPages;
using test::TempDir;
using Answer = EditSession::DropAnswer;
using From = EditSession::OpenedFrom;

class SessionFilesTest : public test::SessionTest {
  protected:
    // A changed, saved-before copy of the sample, its recovery copy an hour newer than it.
    void WriteRecoveryCopy(const std::filesystem::path& document, const std::string& customer) {
        Book recovered = Read(document);
        recovered.Customer = customer;
        const auto copy = recovery / RecoveryFileName(document.string());
        ASSERT_EQ(WriteFWB(recovered, copy), std::nullopt);
        std::filesystem::last_write_time(copy, std::filesystem::last_write_time(document) +
                                                   std::chrono::hours(1));
    }

    void TypeCustomer(const std::string& text) {
        session.CommitTyping({"Title Block Edit", {{{TblkCustomer, text}}}});
    }

    // The next run on the same recovery folder, as after a crash, started with these answers.
    std::unique_ptr<EditSession> StartNext(std::deque<std::optional<ListAnswer>> answers) {
        auto next = std::make_unique<EditSession>(
            SessionSetup{
                opened->database.get(), &defs, &paths, &settings, {}, {}, recovery.Path(), &clock},
            questions);
        questions.messages.clear();
        questions.listQuestions.clear();
        questions.listAnswers = std::move(answers);
        next->Start({});
        // The window asks once it shows the start.
        EXPECT_TRUE(questions.listQuestions.empty());
        next->OfferStartRecovery();
        return next;
    }
};

TEST_F(SessionFilesTest, OpenShowsPageOneInStandardOrderAndOnlyTheDialogMovesTheWorkFolder) {
    session.Start({});
    const std::string a = SampleDocument("a.fwb");
    EXPECT_TRUE(session.Open(a, From::Dialog));
    EXPECT_EQ(session.Waybill().CurPage(), 1);
    EXPECT_EQ(session.Waybill().GetPage(2).LocIndex, 2);
    EXPECT_TRUE(session.IsPageShown());
    EXPECT_EQ(session.Doc().Path(), a);
    EXPECT_EQ(session.WorkFolder(), work.Path().string());
    EXPECT_FALSE(session.Doc().FileChanged());

    TempDir elsewhere;
    std::filesystem::copy_file(work / "a.fwb", elsewhere / "b.fwb");
    EXPECT_TRUE(session.Open((elsewhere / "b.fwb").string(), From::RecentFiles));
    EXPECT_EQ(session.WorkFolder(), work.Path().string());
    EXPECT_EQ(session.RecentFileList(), (RecentFiles{(elsewhere / "b.fwb").string(), a, "", ""}));

    // A file that fails to read leaves an empty document under its name.
    const auto bad = elsewhere.Write("bad.fwb", std::string("PK\x03\x04\x00\x01", 6));
    EXPECT_FALSE(session.Open(bad.string(), From::Dialog));
    EXPECT_EQ(questions.messages.at(0).message.caption, "File Format Error");
    EXPECT_EQ(session.Waybill().PageCount(), 0);
    EXPECT_FALSE(session.IsPageShown());
    EXPECT_EQ(session.Doc().Path(), bad.string());
    EXPECT_EQ(session.WorkFolder(), work.Path().string());
}

// A legacy document is imported under the same folder and name as a document file, which
// Save has to ask for.
TEST_F(SessionFilesTest, ALegacyDocumentIsSavedAsADocumentFile) {
    session.Start({});
    const auto legacy = work.Write("JOB12.WBL", "");
    session.Open(legacy.string(), From::Dialog);
    EXPECT_EQ(session.Doc().Path(), (work / "JOB12.fwb").string());
    EXPECT_TRUE(session.NeedsSaveAs());
    EXPECT_EQ(session.ProposedSaveName(), (work / "JOB12.fwb").string());
}

TEST_F(SessionFilesTest, AChangedDocumentWithPagesIsAskedAboutBeforeItIsDropped) {
    OpenSample();
    EXPECT_EQ(session.AskToDrop(), Answer::Drop);
    EXPECT_TRUE(questions.messages.empty());

    TypeCustomer("Acme");
    questions.answers = {MessageAnswer::Yes, MessageAnswer::No, MessageAnswer::Cancel};
    EXPECT_EQ(session.AskToDrop(), Answer::SaveFirst);
    EXPECT_EQ(session.AskToDrop(), Answer::Drop);
    EXPECT_EQ(session.AskToDrop(), Answer::Keep);
    ASSERT_EQ(questions.messages.size(), 3u);
    EXPECT_EQ(questions.messages[0].message, FileChangedQuestion());
    EXPECT_EQ(questions.messages[0].buttons, MessageButtons::YesNoCancel);
    // Yes runs Save As; cancelling it keeps the document.
    questions.answers = {MessageAnswer::Yes};
    EXPECT_FALSE(session.MayDropDocument());
    EXPECT_EQ(questions.saveRequests.size(), 1u);
    EXPECT_TRUE(session.Doc().FileChanged());

    // Changed, but without pages: dropped without a word.
    session.New();
    session.AddTemplatePages({1}, AfterLastPage);
    session.CutPage();
    questions.messages.clear();
    EXPECT_EQ(session.AskToDrop(), Answer::Drop);
    EXPECT_TRUE(questions.messages.empty());
}

TEST_F(SessionFilesTest, SaveAsNamesTheDocumentAndSaveThenWritesWithoutAsking) {
    session.Start({});
    session.FileOpen();
    session.AddTemplatePages({1}, AfterLastPage);
    EXPECT_TRUE(session.NeedsSaveAs());
    // Nothing to name it after: no name is proposed, and the missing Documents folder leaves
    // the dialogs at home rather than offering "Documents" as the name.
    EXPECT_FALSE(session.FileSaveAs());
    for (const FileQuestion& asked : {questions.saveRequests.at(0), questions.openRequests.at(0)}) {
        EXPECT_EQ(asked.fileName, "");
        EXPECT_EQ(asked.startFolder, home.Path().string());
    }
    questions.saveRequests.clear();
    session.CommitTyping({"Title Block Edit", {{{TblkJobNumber, " 4471 "}}}});
    EXPECT_EQ(session.ProposedSaveName(), "4471.fwb");

    const std::string target = (work / "4471.fwb").string();
    session.Autosave();
    const std::filesystem::path untitledCopy = session.RecoveryPath();
    ASSERT_TRUE(std::filesystem::exists(untitledCopy));
    notices.clear();
    questions.saveAnswers = {target + " "}; // a typed name's blanks are dropped
    ASSERT_TRUE(session.FileSaveAs());
    // The copy under the old name would be offered again at the next start.
    EXPECT_FALSE(std::filesystem::exists(untitledCopy));
    EXPECT_EQ(questions.saveRequests.at(0).fileName, "4471.fwb");
    EXPECT_EQ(notices, (std::vector<SessionChanges>{RecentList | History | DocumentName | Status}));
    EXPECT_EQ(session.StatusNote(), "Saved at 10:11:12.");
    EXPECT_EQ(session.Doc().Path(), target);
    EXPECT_EQ(session.WorkFolder(), work.Path().string());
    EXPECT_EQ(session.RecentFileList()[0], target);
    EXPECT_FALSE(session.Doc().FileChanged());
    EXPECT_FALSE(session.NeedsSaveAs());
    EXPECT_EQ(session.ProposedSaveName(), target);

    session.CommitTyping({"Title Block Edit", {{{TblkIssue, "B"}}}});
    ASSERT_TRUE(session.Save());
    EXPECT_EQ(Read(target).Issue, "B");
    EXPECT_FALSE(session.Doc().FileChanged());
    EXPECT_TRUE(questions.messages.empty());
}

TEST_F(SessionFilesTest, FailedSavesAreReportedAndLeaveTheDocumentChangedUnderItsName) {
    const std::string sample = OpenSample();
    TypeCustomer("Changed");
    // Something that is no file now stands where the document was.
    std::filesystem::remove(sample);
    std::filesystem::create_directory(sample);
    const auto inside = work.Write("sample.fwb/keep", "kept");
    EXPECT_FALSE(session.Save());
    ASSERT_EQ(questions.messages.size(), 1u);
    EXPECT_EQ(questions.messages[0].message.caption, "File Error");
    EXPECT_TRUE(session.Doc().FileChanged());
    EXPECT_EQ(TempDir::Read(inside), "kept");

    EXPECT_FALSE(session.SaveAs((work / "no such folder" / "x.fwb").string()));
    EXPECT_EQ(questions.messages.at(1).message.caption, "File Error");
    EXPECT_TRUE(session.Doc().FileChanged());
    EXPECT_EQ(session.Doc().Path(), sample);
    EXPECT_EQ(session.RecentFileList()[0], sample);
    EXPECT_EQ(session.WorkFolder(), work.Path().string()); // only a save that worked moves it
}

TEST_F(SessionFilesTest, SavingOverSomeoneElsesSaveAsksFirst) {
    const std::string sample = OpenSample();
    TypeCustomer("Ours");
    const std::string theirs = TempDir::Read(sample) + "\r\n";
    std::ofstream(sample, std::ios::binary) << theirs;

    EXPECT_FALSE(session.Save()); // the default button is No
    ASSERT_EQ(questions.messages.size(), 1u);
    EXPECT_EQ(questions.messages[0].message, ChangedOnDiskQuestion(sample));
    EXPECT_EQ(questions.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(questions.messages[0].defaultButton, MessageAnswer::No);
    EXPECT_EQ(TempDir::Read(sample), theirs);
    EXPECT_TRUE(session.Doc().FileChanged());

    questions.answers = {MessageAnswer::Yes};
    EXPECT_TRUE(session.Save());
    EXPECT_EQ(Read(sample).Customer, "Ours");
    questions.messages.clear();
    TypeCustomer("Ours again");
    EXPECT_TRUE(session.Save()); // our own save is not someone else's
    EXPECT_TRUE(questions.messages.empty());
}

TEST_F(SessionFilesTest, ARecoveryCopyIsKeptOnlyWhileTheDocumentDiffersFromItsFile) {
    const std::string sample = OpenSample();
    const std::filesystem::path copy = session.RecoveryPath();
    EXPECT_EQ(copy.parent_path(), recovery.Path());
    session.Autosave();
    EXPECT_FALSE(std::filesystem::exists(copy)); // nothing unsaved

    TypeCustomer("QC42");
    notices.clear();
    session.Autosave();
    ASSERT_TRUE(std::filesystem::exists(copy));
    EXPECT_EQ(Read(copy).Customer, "QC42");
    EXPECT_EQ(Read(sample).Customer, ""); // never the document
    EXPECT_EQ(session.StatusNote(), "Recovery copy saved at 10:11:12.");
    EXPECT_EQ(notices, std::vector<SessionChanges>{Status});

    session.Undo();
    session.Autosave();
    EXPECT_FALSE(std::filesystem::exists(copy)); // back to what is saved

    TypeCustomer("43");
    session.Autosave();
    notices.clear();
    session.Save();
    EXPECT_FALSE(std::filesystem::exists(copy));
    EXPECT_FALSE(std::filesystem::exists(RecoveryNotePath(copy)));
    EXPECT_EQ(session.StatusNote(), "Saved at 10:11:12."); // the copy is gone
    EXPECT_EQ(notices, std::vector<SessionChanges>{History | Status});

    // Dropped with the document, and at the end of the run.
    for (const bool close : {false, true}) {
        TypeCustomer(close ? "45" : "44");
        session.Autosave();
        ASSERT_TRUE(std::filesystem::exists(copy));
        close ? session.Close() : session.New();
        EXPECT_FALSE(std::filesystem::exists(copy));
        session.Open(sample, From::RecentFiles);
    }
}

TEST_F(SessionFilesTest, ANewerRecoveryCopyIsOfferedWhenItsDocumentOpens) {
    session.Start({});
    const std::filesystem::path sample = SampleDocument();
    const auto copy = recovery / RecoveryFileName(sample.string());

    // No keeps the copy for later, through the run and its end, and opens the file as it is.
    WriteRecoveryCopy(sample, "Recovered Inc.");
    questions.answers = {MessageAnswer::No};
    session.Open(sample.string(), From::Dialog);
    ASSERT_EQ(questions.messages.size(), 1u);
    EXPECT_EQ(questions.messages[0].message, RecoveryQuestion(sample.string(), "8/12/25 10:00"));
    EXPECT_EQ(questions.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(questions.messages[0].defaultButton, MessageAnswer::Yes);
    EXPECT_EQ(session.Waybill().Customer, "");
    session.Autosave(); // unchanged
    session.New();
    session.Close();
    EXPECT_TRUE(std::filesystem::exists(copy));

    // The default button recovers: changed, under the document's own path.
    session.Open(sample.string(), From::Dialog);
    EXPECT_EQ(session.Waybill().Customer, "Recovered Inc.");
    EXPECT_EQ(session.View().titleBlock[TblkCustomer], "Recovered Inc.");
    EXPECT_EQ(session.Waybill().GetPage(2).LocIndex, 2);
    EXPECT_TRUE(session.Doc().FileChanged());
    EXPECT_EQ(session.Doc().Path(), sample.string());
    EXPECT_FALSE(session.NeedsSaveAs());
    EXPECT_TRUE(session.Save());
    EXPECT_EQ(Read(sample).Customer, "Recovered Inc.");
    EXPECT_FALSE(std::filesystem::exists(copy));

    // An older copy is not offered.
    session.New();
    WriteRecoveryCopy(sample, "Older");
    std::filesystem::last_write_time(copy, std::filesystem::last_write_time(sample) -
                                               std::chrono::hours(1));
    questions.messages.clear();
    session.Open(sample.string(), From::Dialog);
    EXPECT_TRUE(questions.messages.empty());
}

// The document named at start is shown before its newer copy is offered.
TEST_F(SessionFilesTest, TheDocumentOpenedAtStartHasItsCopyOfferedAfterwards) {
    const std::filesystem::path sample = SampleDocument();
    WriteRecoveryCopy(sample, "Recovered Inc.");
    session.Start(sample.string());
    EXPECT_TRUE(questions.messages.empty());
    EXPECT_EQ(session.Waybill().Customer, "");

    session.OfferStartRecovery();
    session.OfferStartRecovery();
    ASSERT_EQ(questions.messages.size(), 1u);
    EXPECT_EQ(questions.messages[0].message, RecoveryQuestion(sample.string(), "8/12/25 10:00"));
    EXPECT_EQ(session.Waybill().Customer, "Recovered Inc.");
    EXPECT_TRUE(session.Doc().FileChanged());
}

TEST_F(SessionFilesTest, AnUntitledDocumentIsRecoveredAtTheNextStart) {
    session.Start({});
    session.AddTemplatePages({1}, AfterLastPage);
    Type(1, 2, "5");
    session.Autosave();
    ASSERT_TRUE(std::filesystem::exists(session.RecoveryPath()));

    const auto next = StartNext({ListAnswer{0, 0}}); // without a close
    next->OfferStartRecovery();                      // once a run
    EXPECT_TRUE(questions.messages.empty());
    ASSERT_EQ(questions.listQuestions.size(), 1u);
    EXPECT_EQ(questions.listQuestions[0].entries,
              std::vector<std::string>{"Untitled (8/12/25 10:00)"});
    EXPECT_EQ(next->Waybill().PageCount(), 1);
    EXPECT_EQ(next->View().grid->Cell(1, 2), "5");
    EXPECT_TRUE(next->Doc().FileChanged());
    EXPECT_TRUE(next->Doc().Path().empty());
}

// Copies left by crashes: of a.fwb, b.fwb, c.fwb and of a document since removed, each
// changed and autosaved by a run that never closed.
TEST_F(SessionFilesTest, TheStartOffersEveryNewerCopyInOneList) {
    const std::string a = SampleDocument("a.fwb");
    const std::string b = SampleDocument("b.fwb");
    const std::string c = SampleDocument("c.fwb");
    const std::string gone = SampleDocument("gone.fwb");
    for (const std::string& document : {a, b, c, gone}) {
        auto crashed = StartNext({});
        crashed->Open(document, From::RecentFiles);
        const std::string stem = std::filesystem::path(document).stem().string();
        crashed->CommitTyping({"Title Block Edit", {{{TblkCustomer, "Typed in " + stem}}}});
        crashed->Autosave();
    }
    std::filesystem::remove(gone);
    for (const std::string& document : {a, b}) { // saved well before the crash
        std::filesystem::last_write_time(document, std::filesystem::last_write_time(document) -
                                                       std::chrono::hours(1));
    }
    // A copy older than its document is not offered; nor is one whose document is unknown.
    std::filesystem::last_write_time(recovery / RecoveryFileName(c),
                                     std::filesystem::last_write_time(c) - std::chrono::hours(1));
    recovery.Write("Stray-0123456789abcdef.fwb", "VB WAYBILL");

    enum { Open, Keep, Delete };

    // Delete removes the chosen copy and asks again; Keep leaves the rest.
    auto next = StartNext({ListAnswer{Delete, 0}, ListAnswer{Keep, 0}});
    ASSERT_EQ(questions.listQuestions.size(), 2u);
    EXPECT_EQ(questions.listQuestions[0].message, RecoveryListQuestion());
    EXPECT_EQ(questions.listQuestions[0].buttons,
              (std::vector<std::string>{"Open", "Keep", "Delete"}));
    EXPECT_EQ(questions.listQuestions[0].entries,
              (std::vector<std::string>{a + " (8/12/25 10:00)", b + " (8/12/25 10:00)",
                                        gone + " (8/12/25 10:00)"}));
    EXPECT_EQ(questions.listQuestions[1].entries,
              (std::vector<std::string>{b + " (8/12/25 10:00)", gone + " (8/12/25 10:00)"}));
    EXPECT_FALSE(std::filesystem::exists(recovery / RecoveryFileName(a)));
    EXPECT_EQ(next->Waybill().PageCount(), 0);
    next->Close(); // kept copies outlive a run that did not take them
    EXPECT_TRUE(std::filesystem::exists(recovery / RecoveryFileName(b)));

    // Open recovers the chosen document: changed, under its own path.
    next = StartNext({ListAnswer{Open, 0}});
    EXPECT_EQ(next->Doc().Path(), b);
    EXPECT_EQ(next->Waybill().Customer, "Typed in b");
    EXPECT_TRUE(next->Doc().FileChanged());
    EXPECT_TRUE(next->IsPageShown());

    // A removed document comes back from its copy; closing the list changes nothing.
    next = StartNext({ListAnswer{Open, 1}});
    EXPECT_EQ(next->Doc().Path(), gone);
    EXPECT_EQ(next->Waybill().Customer, "Typed in gone");
    EXPECT_TRUE(next->Save());
    EXPECT_EQ(Read(gone).Customer, "Typed in gone");
    next = StartNext({std::nullopt});
    EXPECT_EQ(questions.listQuestions.size(), 1u);
    EXPECT_EQ(next->Waybill().PageCount(), 0);
}

TEST_F(SessionFilesTest, ANewDocumentHasTodaysDateAndTheNumberingOfTheOneBefore) {
    OpenSample();
    ASSERT_TRUE(session.Waybill().NumberPgs && session.Waybill().ShowPgTot);
    session.New();
    EXPECT_EQ(session.Waybill().CurDate, "8.12.25");
    EXPECT_TRUE(session.Waybill().NumberPgs && session.Waybill().ShowPgTot);
    EXPECT_EQ(session.Waybill().PageCount(), 0);
    EXPECT_FALSE(session.Doc().CanUndo());
    EXPECT_TRUE(session.Doc().Path().empty());
    EXPECT_EQ(session.View().titleBlock[TblkDate], "8.12.25");
}

TEST_F(SessionFilesTest, RecentFilesAreReadAtStartAndStoredAtTheEnd) {
    settings.Write("MRU", "MRU0", "/jobs/a.fwb");
    settings.Write("MRU", "MRU2", "/jobs/c.fwb");
    session.Start({});
    EXPECT_EQ(session.RecentFileList(), (RecentFiles{"/jobs/a.fwb", "", "/jobs/c.fwb", ""}));
    const std::string sample = SampleDocument();
    session.Open(sample, From::Dialog);
    session.Close();
    EXPECT_EQ(settings.Read("MRU", "MRU0"), sample);
    EXPECT_EQ(settings.Read("MRU", "MRU1"), "/jobs/a.fwb");
    EXPECT_EQ(settings.Read("MRU", "MRU2"), "/jobs/c.fwb");
    EXPECT_EQ(session.AutosaveSeconds(), kDefaultAutosaveSeconds);
}

} // namespace
} // namespace waybill
