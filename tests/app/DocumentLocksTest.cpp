// The document's lock: when it is taken and released, the question on opening a document
// someone else holds and each answer, read-only documents, saving over someone else's lock,
// and a lock file chosen as a document.
#include "app/AppMessages.h"
#include "app/Recovery.h"
#include "FilesFixture.h"
#include "platform/TextFile.h"
#include "support/LockEditor.h"

#include <chrono>

namespace waybill {
namespace {

namespace fs = std::filesystem;
using From = DocumentFiles::OpenedFrom;
using test::LockEditor;

constexpr const char* kHeldQuestion = " is open by akim on WS-07 since 12.07.2025 14:03. Open it "
                                      "read-only, open it anyway, or cancel?";

class DocumentLocksTest : public test::RunTest {
  protected:
    DocumentLocksTest() {
        other.user = "akim";
        files.Start({});
    }

    static fs::path LockOf(const std::string& document) { return LockFilePath(document); }
    static std::string Text(const fs::path& path) { return ReadWholeFile(path).value_or("<none>"); }
    // The line this run's editor writes into a lock file.
    std::string MyLine() const { return "jsmith\tWS-12\t5000\t2025-07-12T14:03:27+02:00\r\n"; }

    // The document held by the other workstation's editor; its lock line.
    std::string HeldByOther(const std::string& document) {
        return std::get<HeldLock>(LockDocument(document, other)).line;
    }

    LockEditor me{"WS-12", 5000};
    LockEditor other{"WS-07", 4711};
    const LocationIndex positions;
    // The files of a run of this workstation (WS-12, process 5000), started on no document.
    std::unique_ptr<test::FilesRun> locked =
        std::make_unique<test::FilesRun>(Files(&me), questions, positions);
    DocumentFiles& files = locked->files;
    const Document& document = locked->document;
};

TEST_F(DocumentLocksTest, TheOpenDocumentIsLockedUntilItGoes) {
    const std::string a = SampleDocument("a.fwb");
    const std::string b = SampleDocument("b.fwb");

    EXPECT_TRUE(files.Open(a, From::Dialog));
    EXPECT_EQ(Text(LockOf(a)), MyLine());
    files.Open(a, From::RecentFiles); // the same document again keeps its lock
    EXPECT_EQ(Text(LockOf(a)), MyLine());
    files.Open(b, From::Dialog);
    EXPECT_FALSE(fs::exists(LockOf(a)));
    EXPECT_TRUE(fs::exists(LockOf(b)));

    // Save As to another name moves the lock; the first save of a new document takes one.
    const std::string c = (work / "c.fwb").string();
    EXPECT_TRUE(files.SaveAs(c));
    EXPECT_FALSE(fs::exists(LockOf(b)));
    EXPECT_EQ(Text(LockOf(c)), MyLine());
    files.New();
    EXPECT_FALSE(fs::exists(LockOf(c)));
    locked->AddPage();
    const std::string d = (work / "d.fwb").string();
    EXPECT_TRUE(files.SaveAs(d));
    EXPECT_TRUE(fs::exists(LockOf(d)));

    files.Close();
    EXPECT_FALSE(fs::exists(LockOf(d)));
    files.Open(a, From::Dialog);
    locked.reset(); // a session that goes without Close takes its lock along too
    EXPECT_FALSE(fs::exists(LockOf(a)));
    EXPECT_TRUE(questions.messages.empty());
}

TEST_F(DocumentLocksTest, AFailedSaveAsKeepsTheLockItHadAndMakesNone) {
    const std::string a = SampleDocument("a.fwb");
    files.Open(a, From::Dialog);
    questions.messages.clear();
    const fs::path folder = work / "folder.fwb"; // a name no document can be written to
    fs::create_directory(folder);
    EXPECT_FALSE(files.SaveAs(folder.string()));
    EXPECT_EQ(questions.messages.size(), 1u); // the write's failure
    EXPECT_EQ(document.Path(), a);
    EXPECT_EQ(Text(LockOf(a)), MyLine());
    EXPECT_FALSE(fs::exists(LockOf(folder.string())));
}

TEST_F(DocumentLocksTest, ADocumentSomeoneHoldsAsksAndEachAnswerDoesItsPart) {
    const std::string before = SampleDocument("before.fwb");
    const std::string held = SampleDocument("held.fwb");
    const std::string line = HeldByOther(held);
    files.Open(before, From::Dialog);

    // Cancel: the open document stays, with its lock.
    questions.answers = {MessageAnswer::Cancel};
    EXPECT_FALSE(files.Open(held, From::Dialog));
    ASSERT_EQ(questions.messages.size(), 1u);
    const auto& asked = questions.messages[0];
    EXPECT_EQ(asked.message.text, held + kHeldQuestion);
    EXPECT_EQ(asked.buttons, MessageButtons::ReadOnlyOpenAnywayCancel);
    EXPECT_EQ(asked.defaultButton, MessageAnswer::ReadOnly);
    EXPECT_EQ(document.Path(), before);
    EXPECT_EQ(Text(LockOf(before)), MyLine());
    EXPECT_EQ(files.RecentFileList()[0], before);

    // Open Anyway: editable, the other's lock untouched, ours released.
    questions.answers = {MessageAnswer::OpenAnyway};
    EXPECT_TRUE(files.Open(held, From::Dialog));
    EXPECT_EQ(document.Path(), held);
    EXPECT_FALSE(files.IsReadOnly());
    EXPECT_FALSE(fs::exists(LockOf(before)));
    EXPECT_EQ(Text(LockOf(held)), line);
    files.Close();
    EXPECT_EQ(Text(LockOf(held)), line); // not ours to remove

    // Read-Only (the default).
    questions.messages.clear();
    EXPECT_TRUE(files.Open(held, From::Dialog));
    EXPECT_TRUE(files.IsReadOnly());
    EXPECT_EQ(document.GetBook().PageCount(), test::kShippedPages);
    EXPECT_EQ(Text(LockOf(held)), line);
    files.New();
    EXPECT_FALSE(files.IsReadOnly());
    EXPECT_EQ(Text(LockOf(held)), line);
}

// What a read-only document cannot take is the session's to refuse (EditSessionTest).
TEST_F(DocumentLocksTest, AReadOnlyDocumentGetsNoRecoveryCopyAndSavesAsAnotherFile) {
    const std::string held = SampleDocument("held.fwb");
    const std::string line = HeldByOther(held);
    files.Open(held, From::Dialog);
    ASSERT_TRUE(files.IsReadOnly());
    EXPECT_TRUE(files.NeedsSaveAs());

    locked->SetCustomer("changed all the same");
    files.Autosave();
    EXPECT_FALSE(fs::exists(files.RecoveryPath()));

    // Save As another name: the copy is the user's own, locked and editable.
    const std::string copy = (work / "copy.fwb").string();
    EXPECT_TRUE(files.SaveAs(copy));
    EXPECT_FALSE(files.IsReadOnly());
    EXPECT_EQ(Text(LockOf(copy)), MyLine());
    EXPECT_EQ(Text(LockOf(held)), line);
}

TEST_F(DocumentLocksTest, ARecoveryCopyIsNeitherOfferedNorDeletedForAReadOnlyDocument) {
    const std::string held = SampleDocument("held.fwb");
    HeldByOther(held);
    const fs::path copy = recovery / RecoveryFileName(held);
    ASSERT_TRUE(WriteFWB(Read(held), copy) == std::nullopt);
    fs::last_write_time(copy, fs::last_write_time(held) + std::chrono::hours(1));

    files.Open(held, From::Dialog);
    EXPECT_EQ(questions.Texts(), (std::vector<std::string>{held + kHeldQuestion}));
    EXPECT_TRUE(fs::exists(copy));
}

TEST_F(DocumentLocksTest, AStaleLockOfThisHostIsTakenOverWithoutAQuestion) {
    const std::string doc = SampleDocument();
    LockEditor crashed{"WS-12", 4711}; // no longer among this host's processes
    const std::string old = std::get<HeldLock>(LockDocument(doc, crashed)).line;
    EXPECT_TRUE(files.Open(doc, From::Dialog));
    EXPECT_TRUE(questions.messages.empty());
    EXPECT_FALSE(files.IsReadOnly());
    EXPECT_EQ(Text(LockOf(doc)), MyLine());
    EXPECT_NE(old, MyLine());
}

TEST_F(DocumentLocksTest, AnOldLockOfAnotherHostSaysSoByTheStaleLockHoursSetting) {
    const std::string doc = SampleDocument();
    HeldByOther(doc);
    me.now.day = 14; // two days later
    settings.Write(kConfigSection, "StaleLockHours", "36");
    questions.answers = {MessageAnswer::Cancel};
    files.Open(doc, From::Dialog);
    ASSERT_EQ(questions.messages.size(), 1u);
    EXPECT_EQ(questions.messages[0].message.text,
              doc + " is open by akim on WS-07 since 12.07.2025 14:03, more than 36 hours ago (the "
                    "lock may be left over). Open it read-only, open it anyway, or cancel?");
}

TEST_F(DocumentLocksTest, AFolderWithoutLockFilesOpensTheDocumentWithANote) {
    const std::string doc = SampleDocument();
    me.createFault = std::make_error_code(std::errc::read_only_file_system);
    EXPECT_TRUE(files.Open(doc, From::Dialog));
    EXPECT_FALSE(files.IsReadOnly());
    EXPECT_EQ(locked->note, "Cannot create the lock file " + LockOf(doc).string() + ": " +
                                me.createFault.message() +
                                ". The document is open without a lock.");
    EXPECT_TRUE(questions.messages.empty());
    // Saving still writes.
    locked->SetCustomer("ACME");
    EXPECT_TRUE(files.Save());
    EXPECT_EQ(Read(doc).Customer, "ACME");
}

TEST_F(DocumentLocksTest, SavingOverSomeoneElsesLockAsksNamingTheHolder) {
    const std::string doc = SampleDocument();
    const std::string line = HeldByOther(doc);
    questions.answers = {MessageAnswer::OpenAnyway};
    files.Open(doc, From::Dialog);
    locked->SetCustomer("ACME");
    questions.messages.clear();

    questions.answers = {MessageAnswer::No};
    EXPECT_FALSE(files.Save());
    ASSERT_EQ(questions.messages.size(), 1u);
    EXPECT_EQ(questions.messages[0].message.text,
              doc + " is open by akim on WS-07 since 12.07.2025 14:03. Save over it anyway?");
    EXPECT_EQ(questions.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(questions.messages[0].defaultButton, MessageAnswer::No);
    EXPECT_NE(Read(doc).Customer, "ACME");
    EXPECT_TRUE(document.FileChanged());

    questions.answers = {MessageAnswer::Yes};
    EXPECT_TRUE(files.Save());
    EXPECT_EQ(Read(doc).Customer, "ACME");
    EXPECT_EQ(Text(LockOf(doc)), line); // still the holder's

    // The holder closes: the next save takes the lock.
    ReleaseLock({LockOf(doc), line}, other);
    questions.messages.clear();
    locked->SetCustomer("ACME 2");
    EXPECT_TRUE(files.Save());
    EXPECT_TRUE(questions.messages.empty());
    EXPECT_EQ(Text(LockOf(doc)), MyLine());
}

TEST_F(DocumentLocksTest, ALockTakenFromUsMeanwhileIsAskedAboutOnSave) {
    const std::string doc = SampleDocument();
    files.Open(doc, From::Dialog);
    fs::remove(LockOf(doc)); // someone deleted ours and opened the document
    const std::string line = HeldByOther(doc);
    locked->SetCustomer("ACME");

    questions.answers = {MessageAnswer::No};
    EXPECT_FALSE(files.Save());
    EXPECT_EQ(questions.Texts(),
              (std::vector<std::string>{doc + " is open by akim on WS-07 since 12.07.2025 14:03. "
                                              "Save over it anyway?"}));
    files.Close();
    EXPECT_EQ(Text(LockOf(doc)), line); // theirs stays
}

// Nothing is opened or locked: the lock file's message says what it is.
TEST_F(DocumentLocksTest, ALockFileChosenInPlaceOfADocumentIsSaidToBeOne) {
    const std::string doc = SampleDocument();
    files.Open(doc, From::Dialog);
    questions.messages.clear();
    const std::string lock = LockOf(doc).string();
    EXPECT_FALSE(files.Open(lock, From::Dialog));
    EXPECT_EQ(questions.Texts(),
              std::vector<std::string>{"This is a lock file of an open document, not a document."});
    EXPECT_EQ(document.Path(), doc);
    EXPECT_EQ(Text(LockOf(doc)), MyLine());
    EXPECT_FALSE(fs::exists(LockOf(lock)));
}

} // namespace
} // namespace waybill
