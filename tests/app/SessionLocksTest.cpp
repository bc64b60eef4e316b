// The edit session's document locks: when a lock is taken and released, the question on
// opening a document someone else holds and each answer, read-only documents, saving over
// someone else's lock, a lock file chosen as a document, and exports over a held document.
#include "app/AppMessages.h"
#include "app/Recovery.h"
#include "platform/TextFile.h"
#include "SessionFixture.h"
#include "support/DocumentText.h"
#include "support/LockEditor.h"

#include <chrono>
#include <fstream>

namespace waybill {
namespace {

namespace fs = std::filesystem;
using From = EditSession::OpenedFrom;
using test::LockEditor;

constexpr const char* kHeldQuestion = " is open by akim on WS-07 since 12.07.2025 14:03. Open it "
                                      "read-only, open it anyway, or cancel?";

class SessionLocksTest : public test::SessionTest {
  protected:
    SessionLocksTest() { other.user = "akim"; }

    // A locking session of this workstation (WS-12, process 5000), started on no document.
    EditSession& Locked() {
        if (!locked) {
            locked = std::make_unique<EditSession>(
                SessionSetup{opened->database.get(), &defs, &paths, &settings, program / "blocks",
                             program / "Red-line.fwb", recovery.Path(), &clock, &me},
                questions);
            locked->Start({});
            questions.messages.clear();
        }
        return *locked;
    }

    static fs::path LockOf(const std::string& document) { return LockFilePath(document); }
    static std::string Text(const fs::path& path) { return ReadWholeFile(path).value_or("<none>"); }
    // The line this session's editor writes into a lock file.
    std::string MyLine() const { return "jsmith\tWS-12\t5000\t2025-07-12T14:03:27+02:00\r\n"; }

    // The document held by the other workstation's editor; its lock line.
    std::string HeldByOther(const std::string& document) {
        return std::get<HeldLock>(LockDocument(document, other)).line;
    }

    LockEditor me{"WS-12", 5000};
    LockEditor other{"WS-07", 4711};
    std::unique_ptr<EditSession> locked;
};

TEST_F(SessionLocksTest, TheOpenDocumentIsLockedUntilItGoes) {
    EditSession& session = Locked();
    const std::string a = SampleDocument("a.fwb");
    const std::string b = SampleDocument("b.fwb");

    EXPECT_TRUE(session.Open(a, From::Dialog));
    EXPECT_EQ(Text(LockOf(a)), MyLine());
    session.Open(a, From::RecentFiles); // the same document again keeps its lock
    EXPECT_EQ(Text(LockOf(a)), MyLine());
    session.Open(b, From::Dialog);
    EXPECT_FALSE(fs::exists(LockOf(a)));
    EXPECT_TRUE(fs::exists(LockOf(b)));

    // Save As to another name moves the lock; the first save of a new document takes one.
    const std::string c = (work / "c.fwb").string();
    EXPECT_TRUE(session.SaveAs(c));
    EXPECT_FALSE(fs::exists(LockOf(b)));
    EXPECT_EQ(Text(LockOf(c)), MyLine());
    session.New();
    EXPECT_FALSE(fs::exists(LockOf(c)));
    session.AddTemplatePages({2}, AfterLastPage);
    const std::string d = (work / "d.fwb").string();
    EXPECT_TRUE(session.SaveAs(d));
    EXPECT_TRUE(fs::exists(LockOf(d)));

    session.Close();
    EXPECT_FALSE(fs::exists(LockOf(d)));
    session.Open(a, From::Dialog);
    locked.reset(); // a session that goes without Close takes its lock along too
    EXPECT_FALSE(fs::exists(LockOf(a)));
    EXPECT_TRUE(questions.messages.empty());
}

TEST_F(SessionLocksTest, AFailedSaveAsKeepsTheLockItHadAndMakesNone) {
    EditSession& session = Locked();
    const std::string a = SampleDocument("a.fwb");
    session.Open(a, From::Dialog);
    questions.messages.clear();
    const fs::path folder = work / "folder.fwb"; // a name no document can be written to
    fs::create_directory(folder);
    EXPECT_FALSE(session.SaveAs(folder.string()));
    EXPECT_EQ(questions.messages.size(), 1u); // the write's failure
    EXPECT_EQ(session.Doc().Path(), a);
    EXPECT_EQ(Text(LockOf(a)), MyLine());
    EXPECT_FALSE(fs::exists(LockOf(folder.string())));
}

TEST_F(SessionLocksTest, ADocumentSomeoneHoldsAsksAndEachAnswerDoesItsPart) {
    EditSession& session = Locked();
    const std::string before = SampleDocument("before.fwb");
    const std::string held = SampleDocument("held.fwb");
    const std::string line = HeldByOther(held);
    session.Open(before, From::Dialog);

    // Cancel: the open document stays, with its lock.
    questions.answers = {MessageAnswer::Cancel};
    EXPECT_FALSE(session.Open(held, From::Dialog));
    ASSERT_EQ(questions.messages.size(), 1u);
    const auto& asked = questions.messages[0];
    EXPECT_EQ(asked.message.text, held + kHeldQuestion);
    EXPECT_EQ(asked.buttons, MessageButtons::ReadOnlyOpenAnywayCancel);
    EXPECT_EQ(asked.defaultButton, MessageAnswer::ReadOnly);
    EXPECT_EQ(session.Doc().Path(), before);
    EXPECT_EQ(Text(LockOf(before)), MyLine());
    EXPECT_EQ(session.RecentFileList()[0], before);

    // Open Anyway: editable, the other's lock untouched, ours released.
    questions.answers = {MessageAnswer::OpenAnyway};
    EXPECT_TRUE(session.Open(held, From::Dialog));
    EXPECT_EQ(session.Doc().Path(), held);
    EXPECT_FALSE(session.IsReadOnly());
    EXPECT_FALSE(fs::exists(LockOf(before)));
    EXPECT_EQ(Text(LockOf(held)), line);
    session.Close();
    EXPECT_EQ(Text(LockOf(held)), line); // not ours to remove

    // Read-Only (the default).
    questions.messages.clear();
    EXPECT_TRUE(session.Open(held, From::Dialog));
    EXPECT_TRUE(session.IsReadOnly());
    EXPECT_EQ(session.Waybill().PageCount(), test::kShippedPages);
    EXPECT_EQ(Text(LockOf(held)), line);
    session.New();
    EXPECT_FALSE(session.IsReadOnly());
    EXPECT_EQ(Text(LockOf(held)), line);
}

TEST_F(SessionLocksTest, AReadOnlyDocumentTakesNoChangeNoRecoveryCopyAndSavesAsAnotherFile) {
    EditSession& session = Locked();
    const std::string held = SampleDocument("held.fwb");
    const std::string line = HeldByOther(held);
    session.Open(held, From::Dialog);
    ASSERT_TRUE(session.IsReadOnly());
    session.ShowPage(test::kSteelPage);

    const CommandEnabling enabling = session.Enabling();
    EXPECT_FALSE(enabling.editing);
    EXPECT_FALSE(enabling.save);
    EXPECT_FALSE(enabling.addPage);
    EXPECT_FALSE(enabling.pageEdits);
    EXPECT_TRUE(enabling.pageCommands);     // Copy Page
    EXPECT_TRUE(enabling.documentCommands); // Save As, print, export
    EXPECT_TRUE(session.NeedsSaveAs());

    const std::string cell = session.View().grid->Cell(1, 0);
    session.CommitTyping({"Cell Edit", {{}, {{1, 0, "99"}}}});
    session.CommitTyping({"Title Block Edit", {{{TblkCustomer, "Someone"}}}});
    EXPECT_FALSE(session.RecordPageChanges("Finish Change", {{{TblkCustomer, "Other"}}}));
    session.ToggleNumberPages();
    session.DeletePage();
    EXPECT_EQ(session.View().grid->Cell(1, 0), cell);
    EXPECT_EQ(session.Waybill().PageCount(), test::kShippedPages);
    EXPECT_FALSE(session.Doc().FileChanged());
    EXPECT_FALSE(session.Doc().CanUndo());

    session.Autosave();
    EXPECT_FALSE(fs::exists(session.RecoveryPath()));

    // Save As another name: the copy is the user's own, locked and editable.
    const std::string copy = (work / "copy.fwb").string();
    EXPECT_TRUE(session.SaveAs(copy));
    EXPECT_FALSE(session.IsReadOnly());
    EXPECT_EQ(Text(LockOf(copy)), MyLine());
    EXPECT_EQ(Text(LockOf(held)), line);
    EXPECT_TRUE(session.Enabling().save);
}

TEST_F(SessionLocksTest, ARecoveryCopyIsNeitherOfferedNorDeletedForAReadOnlyDocument) {
    EditSession& session = Locked();
    const std::string held = SampleDocument("held.fwb");
    HeldByOther(held);
    const fs::path copy = recovery / RecoveryFileName(held);
    ASSERT_TRUE(WriteFWB(Read(held), copy) == std::nullopt);
    fs::last_write_time(copy, fs::last_write_time(held) + std::chrono::hours(1));

    session.Open(held, From::Dialog);
    EXPECT_EQ(questions.Texts(), (std::vector<std::string>{held + kHeldQuestion}));
    EXPECT_TRUE(fs::exists(copy));
}

TEST_F(SessionLocksTest, AStaleLockOfThisHostIsTakenOverWithoutAQuestion) {
    const std::string doc = SampleDocument();
    LockEditor crashed{"WS-12", 4711}; // no longer among this host's processes
    const std::string old = std::get<HeldLock>(LockDocument(doc, crashed)).line;
    EXPECT_TRUE(Locked().Open(doc, From::Dialog));
    EXPECT_TRUE(questions.messages.empty());
    EXPECT_FALSE(Locked().IsReadOnly());
    EXPECT_EQ(Text(LockOf(doc)), MyLine());
    EXPECT_NE(old, MyLine());
}

TEST_F(SessionLocksTest, AnOldLockOfAnotherHostSaysSoByTheStaleLockHoursSetting) {
    const std::string doc = SampleDocument();
    HeldByOther(doc);
    me.now.day = 14; // two days later
    settings.Write(kConfigSection, "StaleLockHours", "36");
    questions.answers = {MessageAnswer::Cancel};
    Locked().Open(doc, From::Dialog);
    ASSERT_EQ(questions.messages.size(), 1u);
    EXPECT_EQ(questions.messages[0].message.text,
              doc + " is open by akim on WS-07 since 12.07.2025 14:03, more than 36 hours ago (the "
                    "lock may be left over). Open it read-only, open it anyway, or cancel?");
}

TEST_F(SessionLocksTest, AFolderWithoutLockFilesOpensTheDocumentWithANote) {
    const std::string doc = SampleDocument();
    me.createFault = std::make_error_code(std::errc::read_only_file_system);
    EXPECT_TRUE(Locked().Open(doc, From::Dialog));
    EXPECT_FALSE(Locked().IsReadOnly());
    EXPECT_EQ(Locked().StatusNote(), "Cannot create the lock file " + LockOf(doc).string() + ": " +
                                         me.createFault.message() +
                                         ". The document is open without a lock.");
    EXPECT_TRUE(questions.messages.empty());
    // Saving still writes.
    Locked().CommitTyping({"Title Block Edit", {{{TblkCustomer, "ACME"}}}});
    EXPECT_TRUE(Locked().Save());
    EXPECT_EQ(Read(doc).Customer, "ACME");
}

TEST_F(SessionLocksTest, SavingOverSomeoneElsesLockAsksNamingTheHolder) {
    EditSession& session = Locked();
    const std::string doc = SampleDocument();
    const std::string line = HeldByOther(doc);
    questions.answers = {MessageAnswer::OpenAnyway};
    session.Open(doc, From::Dialog);
    session.CommitTyping({"Title Block Edit", {{{TblkCustomer, "ACME"}}}});
    questions.messages.clear();

    questions.answers = {MessageAnswer::No};
    EXPECT_FALSE(session.Save());
    ASSERT_EQ(questions.messages.size(), 1u);
    EXPECT_EQ(questions.messages[0].message.text,
              doc + " is open by akim on WS-07 since 12.07.2025 14:03. Save over it anyway?");
    EXPECT_EQ(questions.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(questions.messages[0].defaultButton, MessageAnswer::No);
    EXPECT_NE(Read(doc).Customer, "ACME");
    EXPECT_TRUE(session.Doc().FileChanged());

    questions.answers = {MessageAnswer::Yes};
    EXPECT_TRUE(session.Save());
    EXPECT_EQ(Read(doc).Customer, "ACME");
    EXPECT_EQ(Text(LockOf(doc)), line); // still the holder's

    // The holder closes: the next save takes the lock.
    ReleaseLock({LockOf(doc), line}, other);
    questions.messages.clear();
    session.CommitTyping({"Title Block Edit", {{{TblkCustomer, "ACME 2"}}}});
    EXPECT_TRUE(session.Save());
    EXPECT_TRUE(questions.messages.empty());
    EXPECT_EQ(Text(LockOf(doc)), MyLine());
}

TEST_F(SessionLocksTest, ALockTakenFromUsMeanwhileIsAskedAboutOnSave) {
    EditSession& session = Locked();
    const std::string doc = SampleDocument();
    session.Open(doc, From::Dialog);
    fs::remove(LockOf(doc)); // someone deleted ours and opened the document
    const std::string line = HeldByOther(doc);
    session.CommitTyping({"Title Block Edit", {{{TblkCustomer, "ACME"}}}});

    questions.answers = {MessageAnswer::No};
    EXPECT_FALSE(session.Save());
    EXPECT_EQ(questions.Texts(),
              (std::vector<std::string>{doc + " is open by akim on WS-07 since 12.07.2025 14:03. "
                                              "Save over it anyway?"}));
    session.Close();
    EXPECT_EQ(Text(LockOf(doc)), line); // theirs stays
}

// Nothing is opened, compared or locked: the lock file's message says what it is.
TEST_F(SessionLocksTest, ALockFileChosenInPlaceOfADocumentIsSaidToBeOne) {
    EditSession& session = Locked();
    const std::string doc = SampleDocument();
    session.Open(doc, From::Dialog);
    questions.messages.clear();
    const std::string lock = LockOf(doc).string();
    EXPECT_FALSE(session.Open(lock, From::Dialog));
    EXPECT_FALSE(session.CompareWith(lock));
    const std::string said = "This is a lock file of an open document, not a document.";
    EXPECT_EQ(questions.Texts(), (std::vector<std::string>{said, said}));
    EXPECT_EQ(session.Doc().Path(), doc);
    EXPECT_EQ(Text(LockOf(doc)), MyLine());
    EXPECT_FALSE(fs::exists(LockOf(lock)));
    EXPECT_FALSE(session.Compared().Active());
}

// An export takes no lock, and writes over a document someone else holds only when told to.
TEST_F(SessionLocksTest, AnExportAsksBeforeWritingOverADocumentSomeoneHolds) {
    EditSession& session = Locked();
    const fs::path doc = work / "doc.fwb";
    std::ofstream(doc, std::ios::binary) << test::DocumentText(
        "**PAGEDEF\r\nmisc-01,,MISC\r\nGRID: std\r\n|T|M1|2|5'-6 1/2|PLATE|P1|\r\n", "J100");
    session.Open(doc.string(), From::Dialog);
    const std::string held = SampleDocument("held.fwb");
    const std::string line = HeldByOther(held);
    const std::string before = Text(held);
    questions.messages.clear();

    paths.PunchExport = held;
    session.ExportPunches(PunchSelection::All); // No, the default
    questions.saveAnswers = {held};
    session.ExportTable();
    const std::string asked =
        held + " is open by akim on WS-07 since 12.07.2025 14:03. Save over it anyway?";
    EXPECT_EQ(questions.Texts(), (std::vector<std::string>{asked, asked}));
    EXPECT_EQ(Text(held), before);

    questions.answers = {MessageAnswer::Yes};
    questions.saveAnswers = {held};
    session.ExportTable();
    EXPECT_NE(Text(held), before);
    EXPECT_EQ(Text(LockOf(held)), line);
}

} // namespace
} // namespace waybill
