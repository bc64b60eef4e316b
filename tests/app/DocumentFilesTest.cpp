// The document's files: open, save, the question before a changed document is dropped, the
// work folder, the recent files and the recovery copies.
#include "app/AppMessages.h"
#include "app/Recovery.h"
#include "FilesFixture.h"

#include <chrono>
#include <deque>
#include <fstream>
#include <memory>

namespace waybill {
namespace {

using namespace SessionChange;
using test::kShippedPages;
using test::TempDir;
using Answer = DocumentFiles::DropAnswer;
using From = DocumentFiles::OpenedFrom;

class DocumentFilesTest : public test::FilesTest {
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

    // The next run on the same recovery folder, as after a crash, started with these answers.
    std::unique_ptr<test::FilesRun> StartNext(std::deque<std::optional<ListAnswer>> answers) {
        auto next = NewRun();
        questions.messages.clear();
        questions.listQuestions.clear();
        questions.listAnswers = std::move(answers);
        next->files.Start({});
        // The window asks once it shows the start.
        EXPECT_TRUE(questions.listQuestions.empty());
        next->files.OfferStartRecovery();
        return next;
    }
};

TEST_F(DocumentFilesTest, OpenShowsPageOneInStandardOrderAndOnlyTheDialogMovesTheWorkFolder) {
    files.Start({});
    const std::string a = SampleDocument("a.fwb");
    EXPECT_TRUE(files.Open(a, From::Dialog));
    EXPECT_EQ(doc.GetBook().CurPage(), 1);
    EXPECT_EQ(doc.GetBook().GetPage(2).LocIndex, 2);
    EXPECT_EQ(run.shown.back(), WholeDocument | Status); // shown, the lock's note with it
    EXPECT_EQ(doc.Path(), a);
    EXPECT_EQ(files.WorkFolder(), work.Path().string());
    EXPECT_FALSE(doc.FileChanged());

    TempDir elsewhere;
    std::filesystem::copy_file(work / "a.fwb", elsewhere / "b.fwb");
    EXPECT_TRUE(files.Open((elsewhere / "b.fwb").string(), From::RecentFiles));
    EXPECT_EQ(files.WorkFolder(), work.Path().string());
    EXPECT_EQ(files.RecentFileList(), (RecentFiles{(elsewhere / "b.fwb").string(), a, "", ""}));

    // A file that fails to read leaves an empty document under its name.
    const auto bad = elsewhere.Write("bad.fwb", std::string("PK\x03\x04\x00\x01", 6));
    EXPECT_FALSE(files.Open(bad.string(), From::Dialog));
    EXPECT_EQ(questions.messages.at(0).message.caption, "File Format Error");
    EXPECT_EQ(doc.GetBook().PageCount(), 0);
    EXPECT_EQ(doc.Path(), bad.string());
    EXPECT_EQ(files.WorkFolder(), work.Path().string());
}

// A legacy document is imported under the same folder and name as a document file, which
// Save has to ask for.
TEST_F(DocumentFilesTest, ALegacyDocumentIsSavedAsADocumentFile) {
    files.Start({});
    const auto legacy = work.Write("JOB12.WBL", "");
    files.Open(legacy.string(), From::Dialog);
    EXPECT_EQ(doc.Path(), (work / "JOB12.fwb").string());
    EXPECT_TRUE(files.NeedsSaveAs());
    EXPECT_EQ(files.ProposedSaveName(), (work / "JOB12.fwb").string());
}

TEST_F(DocumentFilesTest, AChangedDocumentWithPagesIsAskedAboutBeforeItIsDropped) {
    OpenSample();
    EXPECT_EQ(files.AskToDrop(), Answer::Drop);
    EXPECT_TRUE(questions.messages.empty());
    EXPECT_EQ(run.typingStored, 1); // what is still being typed is part of the document

    run.SetCustomer("Acme");
    questions.answers = {MessageAnswer::Yes, MessageAnswer::No, MessageAnswer::Cancel};
    EXPECT_EQ(files.AskToDrop(), Answer::SaveFirst);
    EXPECT_EQ(files.AskToDrop(), Answer::Drop);
    EXPECT_EQ(files.AskToDrop(), Answer::Keep);
    ASSERT_EQ(questions.messages.size(), 3u);
    EXPECT_EQ(questions.messages[0].message, FileChangedQuestion());
    EXPECT_EQ(questions.messages[0].buttons, MessageButtons::YesNoCancel);
    // Yes runs Save As; cancelling it keeps the document.
    questions.answers = {MessageAnswer::Yes};
    EXPECT_FALSE(files.MayDropDocument());
    EXPECT_EQ(questions.saveRequests.size(), 1u);
    EXPECT_TRUE(doc.FileChanged());

    // Changed, but without pages: dropped without a word.
    files.New();
    run.document.Record("Number Pages", [](Book& book) { book.NumberPgs = !book.NumberPgs; });
    questions.messages.clear();
    EXPECT_EQ(files.AskToDrop(), Answer::Drop);
    EXPECT_TRUE(questions.messages.empty());
}

TEST_F(DocumentFilesTest, SaveAsNamesTheDocumentAndSaveThenWritesWithoutAsking) {
    files.Start({});
    files.FileOpen();
    run.AddPage();
    EXPECT_TRUE(files.NeedsSaveAs());
    // Nothing to name it after: no name is proposed, and the missing Documents folder leaves
    // the dialogs at home rather than offering "Documents" as the name.
    EXPECT_FALSE(files.FileSaveAs());
    for (const FileQuestion& asked : {questions.saveRequests.at(0), questions.openRequests.at(0)}) {
        EXPECT_EQ(asked.fileName, "");
        EXPECT_EQ(asked.startFolder, home.Path().string());
    }
    questions.saveRequests.clear();
    run.document.Record("Title Block Edit", [](Book& book) { book.JobNumber = " 4471 "; });
    EXPECT_EQ(files.ProposedSaveName(), "4471.fwb");

    const std::string target = (work / "4471.fwb").string();
    files.Autosave();
    const std::filesystem::path untitledCopy = files.RecoveryPath();
    ASSERT_TRUE(std::filesystem::exists(untitledCopy));
    run.notices.clear();
    questions.saveAnswers = {target + " "}; // a typed name's blanks are dropped
    ASSERT_TRUE(files.FileSaveAs());
    // The copy under the old name would be offered again at the next start.
    EXPECT_FALSE(std::filesystem::exists(untitledCopy));
    EXPECT_EQ(questions.saveRequests.at(0).fileName, "4471.fwb");
    EXPECT_EQ(run.notices,
              (std::vector<SessionChanges>{RecentList | History | DocumentName | Status}));
    EXPECT_EQ(run.note, "Saved at 10:11:12.");
    EXPECT_EQ(doc.Path(), target);
    EXPECT_EQ(files.WorkFolder(), work.Path().string());
    EXPECT_EQ(files.RecentFileList()[0], target);
    EXPECT_FALSE(doc.FileChanged());
    EXPECT_FALSE(files.NeedsSaveAs());
    EXPECT_EQ(files.ProposedSaveName(), target);

    run.document.Record("Title Block Edit", [](Book& book) { book.Issue = "B"; });
    ASSERT_TRUE(files.Save());
    EXPECT_EQ(Read(target).Issue, "B");
    EXPECT_FALSE(doc.FileChanged());
    EXPECT_TRUE(questions.messages.empty());
}

TEST_F(DocumentFilesTest, FailedSavesAreReportedAndLeaveTheDocumentChangedUnderItsName) {
    const std::string sample = OpenSample();
    run.SetCustomer("Changed");
    // Something that is no file now stands where the document was.
    std::filesystem::remove(sample);
    std::filesystem::create_directory(sample);
    const auto inside = work.Write("sample.fwb/keep", "kept");
    EXPECT_FALSE(files.Save());
    ASSERT_EQ(questions.messages.size(), 1u);
    EXPECT_EQ(questions.messages[0].message.caption, "File Error");
    EXPECT_TRUE(doc.FileChanged());
    EXPECT_EQ(TempDir::Read(inside), "kept");

    EXPECT_FALSE(files.SaveAs((work / "no such folder" / "x.fwb").string()));
    EXPECT_EQ(questions.messages.at(1).message.caption, "File Error");
    EXPECT_TRUE(doc.FileChanged());
    EXPECT_EQ(doc.Path(), sample);
    EXPECT_EQ(files.RecentFileList()[0], sample);
    EXPECT_EQ(files.WorkFolder(), work.Path().string()); // only a save that worked moves it
}

TEST_F(DocumentFilesTest, SavingOverSomeoneElsesSaveAsksFirst) {
    const std::string sample = OpenSample();
    run.SetCustomer("Ours");
    const std::string theirs = TempDir::Read(sample) + "\r\n";
    std::ofstream(sample, std::ios::binary) << theirs;

    EXPECT_FALSE(files.Save()); // the default button is No
    ASSERT_EQ(questions.messages.size(), 1u);
    EXPECT_EQ(questions.messages[0].message, ChangedOnDiskQuestion(sample));
    EXPECT_EQ(questions.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(questions.messages[0].defaultButton, MessageAnswer::No);
    EXPECT_EQ(TempDir::Read(sample), theirs);
    EXPECT_TRUE(doc.FileChanged());

    questions.answers = {MessageAnswer::Yes};
    EXPECT_TRUE(files.Save());
    EXPECT_EQ(Read(sample).Customer, "Ours");
    questions.messages.clear();
    run.SetCustomer("Ours again");
    EXPECT_TRUE(files.Save()); // our own save is not someone else's
    EXPECT_TRUE(questions.messages.empty());
}

TEST_F(DocumentFilesTest, ARecoveryCopyIsKeptOnlyWhileTheDocumentDiffersFromItsFile) {
    const std::string sample = OpenSample();
    const std::filesystem::path copy = files.RecoveryPath();
    EXPECT_EQ(copy.parent_path(), recovery.Path());
    files.Autosave();
    EXPECT_FALSE(std::filesystem::exists(copy)); // nothing unsaved

    run.SetCustomer("QC42");
    run.notices.clear();
    files.Autosave();
    ASSERT_TRUE(std::filesystem::exists(copy));
    EXPECT_EQ(Read(copy).Customer, "QC42");
    EXPECT_EQ(Read(sample).Customer, ""); // never the document
    EXPECT_EQ(run.note, "Recovery copy saved at 10:11:12.");
    EXPECT_EQ(run.notices, std::vector<SessionChanges>{Status});

    run.document.Undo();
    files.Autosave();
    EXPECT_FALSE(std::filesystem::exists(copy)); // back to what is saved

    run.SetCustomer("43");
    files.Autosave();
    run.notices.clear();
    files.Save();
    EXPECT_FALSE(std::filesystem::exists(copy));
    EXPECT_FALSE(std::filesystem::exists(RecoveryNotePath(copy)));
    EXPECT_EQ(run.note, "Saved at 10:11:12."); // the copy is gone
    EXPECT_EQ(run.notices, std::vector<SessionChanges>{History | Status});

    // Dropped with the document, and at the end of the run.
    for (const bool close : {false, true}) {
        run.SetCustomer(close ? "45" : "44");
        files.Autosave();
        ASSERT_TRUE(std::filesystem::exists(copy));
        close ? files.Close() : files.New();
        EXPECT_FALSE(std::filesystem::exists(copy));
        files.Open(sample, From::RecentFiles);
    }
}

TEST_F(DocumentFilesTest, ANewerRecoveryCopyIsOfferedWhenItsDocumentOpens) {
    files.Start({});
    const std::filesystem::path sample = SampleDocument();
    const auto copy = recovery / RecoveryFileName(sample.string());

    // No keeps the copy for later, through the run and its end, and opens the file as it is.
    WriteRecoveryCopy(sample, "Recovered Inc.");
    questions.answers = {MessageAnswer::No};
    files.Open(sample.string(), From::Dialog);
    ASSERT_EQ(questions.messages.size(), 1u);
    EXPECT_EQ(questions.messages[0].message, RecoveryQuestion(sample.string(), "8/12/25 10:00"));
    EXPECT_EQ(questions.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(questions.messages[0].defaultButton, MessageAnswer::Yes);
    EXPECT_EQ(doc.GetBook().Customer, "");
    files.Autosave(); // unchanged
    files.New();
    files.Close();
    EXPECT_TRUE(std::filesystem::exists(copy));

    // The default button recovers: changed, under the document's own path.
    files.Open(sample.string(), From::Dialog);
    EXPECT_EQ(doc.GetBook().Customer, "Recovered Inc.");
    EXPECT_EQ(run.shown.back(), WholeDocument);
    EXPECT_EQ(doc.GetBook().GetPage(2).LocIndex, 2);
    EXPECT_TRUE(doc.FileChanged());
    EXPECT_EQ(doc.Path(), sample.string());
    EXPECT_FALSE(files.NeedsSaveAs());
    EXPECT_TRUE(files.Save());
    EXPECT_EQ(Read(sample).Customer, "Recovered Inc.");
    EXPECT_FALSE(std::filesystem::exists(copy));

    // An older copy is not offered.
    files.New();
    WriteRecoveryCopy(sample, "Older");
    std::filesystem::last_write_time(copy, std::filesystem::last_write_time(sample) -
                                               std::chrono::hours(1));
    questions.messages.clear();
    files.Open(sample.string(), From::Dialog);
    EXPECT_TRUE(questions.messages.empty());
}

// The document named at start is shown before its newer copy is offered.
TEST_F(DocumentFilesTest, TheDocumentOpenedAtStartHasItsCopyOfferedAfterwards) {
    const std::filesystem::path sample = SampleDocument();
    WriteRecoveryCopy(sample, "Recovered Inc.");
    files.Start(sample.string());
    EXPECT_TRUE(questions.messages.empty());
    EXPECT_EQ(doc.GetBook().Customer, "");

    files.OfferStartRecovery();
    files.OfferStartRecovery();
    ASSERT_EQ(questions.messages.size(), 1u);
    EXPECT_EQ(questions.messages[0].message, RecoveryQuestion(sample.string(), "8/12/25 10:00"));
    EXPECT_EQ(doc.GetBook().Customer, "Recovered Inc.");
    EXPECT_TRUE(doc.FileChanged());
}

TEST_F(DocumentFilesTest, AnUntitledDocumentIsRecoveredAtTheNextStart) {
    files.Start({});
    run.AddPage({"GRID: std", "|5|"});
    files.Autosave();
    ASSERT_TRUE(std::filesystem::exists(files.RecoveryPath()));

    const auto next = StartNext({ListAnswer{0, 0}}); // without a close
    next->files.OfferStartRecovery();                // once a run
    EXPECT_TRUE(questions.messages.empty());
    ASSERT_EQ(questions.listQuestions.size(), 1u);
    EXPECT_EQ(questions.listQuestions[0].entries,
              std::vector<std::string>{"Untitled (8/12/25 10:00)"});
    EXPECT_EQ(next->document.GetBook().PageCount(), 1);
    EXPECT_EQ(next->document.GetBook().GetPage(1).PageData, (PageLines{"GRID: std", "|5|"}));
    EXPECT_EQ(next->shown.back(), WholeDocument);
    EXPECT_TRUE(next->document.FileChanged());
    EXPECT_TRUE(next->document.Path().empty());
}

// Copies left by crashes: of a.fwb, b.fwb, c.fwb and of a document since removed, each
// changed and autosaved by a run that never closed.
TEST_F(DocumentFilesTest, TheStartOffersEveryNewerCopyInOneList) {
    const std::string a = SampleDocument("a.fwb");
    const std::string b = SampleDocument("b.fwb");
    const std::string c = SampleDocument("c.fwb");
    const std::string gone = SampleDocument("gone.fwb");
    for (const std::string& document : {a, b, c, gone}) {
        auto crashed = StartNext({});
        crashed->files.Open(document, From::RecentFiles);
        const std::string stem = std::filesystem::path(document).stem().string();
        crashed->SetCustomer("Typed in " + stem);
        crashed->files.Autosave();
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
    EXPECT_EQ(next->document.GetBook().PageCount(), 0);
    next->files.Close(); // kept copies outlive a run that did not take them
    EXPECT_TRUE(std::filesystem::exists(recovery / RecoveryFileName(b)));

    // Open recovers the chosen document: changed, under its own path.
    next = StartNext({ListAnswer{Open, 0}});
    EXPECT_EQ(next->document.Path(), b);
    EXPECT_EQ(next->document.GetBook().Customer, "Typed in b");
    EXPECT_TRUE(next->document.FileChanged());
    EXPECT_EQ(next->shown.back(), WholeDocument);

    // A removed document comes back from its copy; closing the list changes nothing.
    next = StartNext({ListAnswer{Open, 1}});
    EXPECT_EQ(next->document.Path(), gone);
    EXPECT_EQ(next->document.GetBook().Customer, "Typed in gone");
    EXPECT_TRUE(next->files.Save());
    EXPECT_EQ(Read(gone).Customer, "Typed in gone");
    next = StartNext({std::nullopt});
    EXPECT_EQ(questions.listQuestions.size(), 1u);
    EXPECT_EQ(next->document.GetBook().PageCount(), 0);
}

TEST_F(DocumentFilesTest, ANewDocumentHasTodaysDateAndTheNumberingOfTheOneBefore) {
    OpenSample();
    ASSERT_TRUE(doc.GetBook().NumberPgs && doc.GetBook().ShowPgTot);
    files.New();
    EXPECT_EQ(doc.GetBook().CurDate, "8.12.25");
    EXPECT_TRUE(doc.GetBook().NumberPgs && doc.GetBook().ShowPgTot);
    EXPECT_EQ(doc.GetBook().PageCount(), 0);
    EXPECT_FALSE(doc.CanUndo());
    EXPECT_TRUE(doc.Path().empty());
    EXPECT_EQ(run.shown.back(), WholeDocument);
}

TEST_F(DocumentFilesTest, RecentFilesAreReadAtStartAndStoredAtTheEnd) {
    settings.Write("MRU", "MRU0", "/jobs/a.fwb");
    settings.Write("MRU", "MRU2", "/jobs/c.fwb");
    files.Start({});
    EXPECT_EQ(files.RecentFileList(), (RecentFiles{"/jobs/a.fwb", "", "/jobs/c.fwb", ""}));
    const std::string sample = SampleDocument();
    files.Open(sample, From::Dialog);
    files.Close();
    EXPECT_EQ(settings.Read("MRU", "MRU0"), sample);
    EXPECT_EQ(settings.Read("MRU", "MRU1"), "/jobs/a.fwb");
    EXPECT_EQ(settings.Read("MRU", "MRU2"), "/jobs/c.fwb");
    EXPECT_EQ(files.AutosaveSeconds(), kDefaultAutosaveSeconds);
}

} // namespace
} // namespace waybill
