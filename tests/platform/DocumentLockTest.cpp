#include "platform/DocumentLock.h"

#include "FailingFileCalls.h"
#include "platform/TextFile.h"
#include "support/LockEditor.h"
#include "support/PosixFiles.h"
#include "support/ScopedEnvironment.h"
#include "support/TempDir.h"

#include <ctime>
#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace waybill {
namespace {

namespace fs = std::filesystem;

const LockTime kOpened{2025, 7, 12, 14, 3, 27, 120};

using Editor = test::LockEditor;

template <class T> T Expect(const LockResult& result) {
    EXPECT_TRUE(std::holds_alternative<T>(result)) << "result " << result.index();
    return std::holds_alternative<T>(result) ? std::get<T>(result) : T{};
}

std::string FileText(const fs::path& path) {
    return ReadWholeFile(path).value_or("<none>");
}

TEST(LockLine, NamesProcessAndTheHoldersOwnTimeOnOneLine) {
    const LockHolder holder{"jsmith", "WS-12", 4711, kOpened};
    const std::string line = LockLine(holder);
    EXPECT_EQ(line, "jsmith\tWS-12\t4711\t2025-07-12T14:03:27+02:00\r\n");
    EXPECT_EQ(ParseLockLine(line), holder);
    EXPECT_EQ(ParseLockLine("jsmith\tWS-12\t4711\t2025-07-12T14:03:27+02:00"), holder);
    EXPECT_EQ(ParseLockLine(" jsmith \t WS-12\t4711\t2025-07-12T14:03:27+02:00"), holder);

    const LockHolder odd{"J\xC3\xBCrgen\tM.", " ", 9, {2024, 12, 31, 23, 59, 59, -330}};
    EXPECT_EQ(LockLine(odd), "J\xC3\xBCrgen M.\tunknown\t9\t2024-12-31T23:59:59-05:30\r\n");
    EXPECT_EQ(ParseLockLine(LockLine(odd))->opened, odd.opened);
    EXPECT_EQ(ParseLockLine("a\tb\t1\t2025-07-12T14:03:27Z")->opened,
              (LockTime{2025, 7, 12, 14, 3, 27, 0}));

    EXPECT_EQ(UtcSeconds(kOpened), 1752321807); // 12:03:27 UTC
    EXPECT_EQ(UtcSeconds({2024, 2, 29, 0, 0, 0, 0}), 1709164800);
}

TEST(LockLine, GarbledLinesAreNoHolder) {
    for (const std::string& text : std::initializer_list<std::string>{
             "",
             "\r\n",
             "jsmith\tWS-12\t4711",
             "jsmith\tWS-12\t4711\t2025-07-12T14:03:27+02:00\tmore",
             "\tWS-12\t4711\t2025-07-12T14:03:27+02:00",
             "jsmith\tWS-12\t0\t2025-07-12T14:03:27+02:00",
             "jsmith\tWS-12\t-3\t2025-07-12T14:03:27+02:00",
             "jsmith\tWS-12\t47x\t2025-07-12T14:03:27+02:00",
             "jsmith\tWS-12\t4711\t2025-13-12T14:03:27+02:00",
             "jsmith\tWS-12\t4711\t2025-07-12 14:03:27+02:00",
             "jsmith\tWS-12\t4711\t2025-07-12T14:03:27",
             "jsmith\tWS-12\t4711\t2025-07-12T14:03:27+2:00",
             "jsmith\tWS-12\t4711\t2025-07-12T14:03:27+02:00\r\nsecond line\r\n",
             std::string("\x00\xFF\x10garbage", 10),
         }) {
        EXPECT_FALSE(ParseLockLine(text)) << text;
    }
}

// An editor on Windows and one on Linux read each other's lock files: these were written by
// the other system's build (user, host, process, time), and each system writes the same form.
TEST(LockLine, ReadsTheLinesBothSystemsWrite) {
    for (const char* name : {"lock-written-on-linux", "lock-written-on-windows"}) {
        const std::string line = FileText(fs::path(WAYBILL_PLATFORM_TEST_DATA) / name);
        const auto holder = ParseLockLine(line);
        ASSERT_TRUE(holder) << name;
        EXPECT_EQ(LockLine(*holder), line) << name;
    }
}

// The process id of a program that ran and has ended.
std::int64_t EndedProcess() {
#ifdef _WIN32
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring commandLine = L"\"" + std::wstring(self) + L"\" --gtest_list_tests";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(self, commandLine.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW,
                        nullptr, nullptr, &startup, &process)) {
        return 0;
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return process.dwProcessId;
#else
    const pid_t child = fork();
    if (child == 0) {
        _exit(0);
    }
    waitpid(child, nullptr, 0);
    return child;
#endif
}

// User and host come from the system, whatever the environment says; a lock this host's
// crashed editor left is taken over, one of a process that runs is not.
TEST(LockFile, TheSystemTellsUserHostAndProcessesThatRun) {
    test::TempDir dir;
    std::vector<std::unique_ptr<test::ScopedEnvironment>> fakes;
    for (const char* name : {"USERNAME", "USER", "LOGNAME", "COMPUTERNAME", "HOSTNAME"}) {
        fakes.push_back(std::make_unique<test::ScopedEnvironment>(name, "fake"));
    }
    LockSystem& system = SystemLockCalls();
    for (const std::string& name : {system.UserName(), system.HostName()}) {
        EXPECT_NE(name, "fake");
        EXPECT_NE(name, "unknown");
        EXPECT_FALSE(name.empty());
    }

    const std::int64_t ended = EndedProcess();
    ASSERT_GT(ended, 0);
    EXPECT_FALSE(system.ProcessRuns(ended));
    EXPECT_TRUE(system.ProcessRuns(system.ProcessId()));

    const fs::path document = dir / "Job.fwb";
    dir.Write("~$Job.fwb", LockLine({"crashed", system.HostName(), ended, kOpened}));
    const auto stale = FindLock(document);
    ASSERT_TRUE(stale && stale->holder);
    EXPECT_TRUE(stale->onThisHost);
    EXPECT_TRUE(stale->processEnded);
    const HeldLock taken = Expect<HeldLock>(TakeOverLock(*stale));
    EXPECT_EQ(ParseLockLine(FileText(taken.file))->processId, system.ProcessId());
    ReleaseLock(taken);
    EXPECT_FALSE(fs::exists(taken.file));
}

TEST(LockFile, SitsBesideItsDocumentUnderItsName) {
    EXPECT_EQ(LockFilePath("/jobs/24/Job 24-0173.fwb"), fs::path("/jobs/24/~$Job 24-0173.fwb"));
    EXPECT_EQ(LockFilePath("Job.fwb"), fs::path("~$Job.fwb"));
    EXPECT_TRUE(IsLockFileName("/jobs/24/~$Job.fwb"));
    EXPECT_FALSE(IsLockFileName("/jobs/~$24/Job~$.fwb"));
}

TEST(LockFile, TheSystemsClockGivesTheTimeWithItsOffset) {
    const std::time_t before = std::time(nullptr);
    const std::int64_t now = UtcSeconds(SystemLockCalls().Now());
    EXPECT_GE(now, before);
    EXPECT_LE(now, std::time(nullptr));
}

class DocumentLocks : public ::testing::Test {
  protected:
    test::TempDir dir;
    const fs::path document = dir / "Job 24-0173.fwb";
    const fs::path lockFile = dir / "~$Job 24-0173.fwb";
};

TEST_F(DocumentLocks, TheFirstEditorHoldsTheLockTheSecondFindsItUntilItIsReleased) {
    Editor first("WS-12", 4711);
    const HeldLock held = Expect<HeldLock>(LockDocument(document, first));
    EXPECT_EQ(held.file, lockFile);
    EXPECT_EQ(FileText(lockFile), "jsmith\tWS-12\t4711\t2025-07-12T14:03:27+02:00\r\n");
    EXPECT_EQ(held.line, FileText(lockFile));

    Editor second("ws-12", 5000); // host names ignore letter case
    second.running.insert(4711);
    second.user = "akim";
    const ForeignLock found = Expect<ForeignLock>(LockDocument(document, second));
    EXPECT_EQ(found.holder, (LockHolder{"jsmith", "WS-12", 4711, kOpened}));
    EXPECT_TRUE(found.onThisHost);
    EXPECT_FALSE(found.ourProcess);
    EXPECT_FALSE(found.processEnded);
    EXPECT_EQ(FileText(lockFile), held.line); // untouched

    ReleaseLock(held, first);
    EXPECT_FALSE(fs::exists(lockFile));
    ReleaseLock(held, first); // twice: nothing there, nothing happens
    const HeldLock next = Expect<HeldLock>(LockDocument(document, second));
    EXPECT_EQ(FileText(lockFile), next.line);

    // Only its owner removes a lock: the first editor's release leaves the second's lock.
    ReleaseLock(held, first);
    EXPECT_EQ(FileText(lockFile), next.line);
}

TEST_F(DocumentLocks, ALockOfThisHostWhoseProcessEndedIsTakenOver) {
    Editor crashed("WS-12", 4711);
    const HeldLock old = Expect<HeldLock>(LockDocument(document, crashed));

    Editor restarted("WS-12", 5000); // 4711 runs no more
    const ForeignLock stale = Expect<ForeignLock>(LockDocument(document, restarted));
    EXPECT_TRUE(stale.onThisHost);
    EXPECT_TRUE(stale.processEnded);
    EXPECT_EQ(stale.line, old.line);

    const HeldLock taken = Expect<HeldLock>(TakeOverLock(stale, restarted));
    EXPECT_EQ(FileText(lockFile), taken.line);
    EXPECT_EQ(ParseLockLine(taken.line)->processId, 5000);

    // A lock that changed hands since it was found is someone else's: reported, kept.
    Editor third("WS-12", 6000);
    third.running.insert(5000);
    const ForeignLock late = Expect<ForeignLock>(TakeOverLock(stale, third));
    EXPECT_EQ(late.holder->processId, 5000);
    EXPECT_FALSE(late.processEnded);
    EXPECT_EQ(FileText(lockFile), taken.line);

    // This process's own id on this host: its own lock, or a leftover under a reused id.
    Editor same("WS-12", 5000);
    same.running.clear();
    const ForeignLock own = Expect<ForeignLock>(LockDocument(document, same));
    EXPECT_TRUE(own.ourProcess);
    EXPECT_FALSE(own.processEnded);
}

TEST_F(DocumentLocks, ALockOfAnotherHostIsNeverJudgedByThisHostsProcesses) {
    Editor there("WS-07", 4711);
    Expect<HeldLock>(LockDocument(document, there));
    Editor here("WS-12", 5000);
    const ForeignLock found = Expect<ForeignLock>(LockDocument(document, here));
    EXPECT_EQ(found.holder->host, "WS-07");
    EXPECT_FALSE(found.onThisHost);
    EXPECT_FALSE(found.processEnded);
    EXPECT_EQ(here.processQuestions, 0);
}

TEST_F(DocumentLocks, AnUnreadableOrGarbledLockIsHeldByUnknown) {
    Editor here("WS-12", 5000);
    for (const std::string text : {"", "garbage\r\n", "jsmith\tWS-12\t4711\tyesterday\r\n"}) {
        dir.Write(lockFile.filename().string(), text);
        const ForeignLock found = Expect<ForeignLock>(LockDocument(document, here));
        EXPECT_FALSE(found.holder) << text;
        EXPECT_FALSE(found.onThisHost);
        EXPECT_EQ(found.line, text);
        EXPECT_EQ(FileText(lockFile), text); // left as it is
    }
    here.readFault = std::make_error_code(std::errc::permission_denied);
    const ForeignLock unreadable = Expect<ForeignLock>(LockDocument(document, here));
    EXPECT_FALSE(unreadable.holder);
    EXPECT_EQ(unreadable.line, "");
    // Never taken over: it may be anyone's.
    EXPECT_FALSE(std::holds_alternative<HeldLock>(TakeOverLock(unreadable, here)));
    EXPECT_TRUE(fs::exists(lockFile));

    // A pipe in the lock's place is never opened: it would wait for a writer for ever.
    SKIP_WITHOUT_POSIX_FILES();
    here.readFault = {};
    fs::remove(lockFile);
    ASSERT_TRUE(test::MakePipe(lockFile));
    EXPECT_FALSE(Expect<ForeignLock>(LockDocument(document, here)).holder);
    const auto piped = FindLock(document, here);
    ASSERT_TRUE(piped);
    EXPECT_FALSE(piped->holder);
}

// Whichever name a document is reached by, its lock is the one beside the file a save writes.
TEST_F(DocumentLocks, ALinkIsFollowedToTheLockBesideTheFileItNames) {
    SKIP_WITHOUT_POSIX_FILES();
    dir.Write(document.filename().string(), "document");
    fs::create_directory(dir / "elsewhere");
    const fs::path link = dir / "elsewhere" / "link.fwb";
    fs::create_symlink(fs::path("..") / document.filename(), link);
    EXPECT_EQ(LockFilePath(link), fs::canonical(dir.Path()) / lockFile.filename());

    Editor there("WS-07", 4711);
    Expect<HeldLock>(LockDocument(document, there));
    Editor here("WS-12", 5000);
    EXPECT_EQ(FindLock(link, here)->holder->host, "WS-07");
    EXPECT_EQ(Expect<ForeignLock>(LockDocument(link, here)).holder->host, "WS-07");
}

TEST_F(DocumentLocks, AFolderThatRefusesFilesGivesNoLockWithTheReason) {
    Editor here("WS-12", 5000);
    for (const std::errc fault : {std::errc::permission_denied, std::errc::read_only_file_system}) {
        here.createFault = std::make_error_code(fault);
        const NoLock refused = Expect<NoLock>(LockDocument(document, here));
        EXPECT_EQ(refused.reason, "Cannot create the lock file " + lockFile.string() + ": " +
                                      here.createFault.message() + ".");
        EXPECT_FALSE(fs::exists(lockFile));
    }
}

// A lock file is all there or not there: one not completely written (a full disk, a share
// gone) is removed, and an existing one is never touched.
TEST_F(DocumentLocks, ALockFileIsCreatedWholeOrNotAtAll) {
    for (const auto& [step, fault] : {std::pair{test::Step::Write, std::errc::no_space_on_device},
                                      std::pair{test::Step::Close, std::errc::io_error}}) {
        test::FailingCalls files(step);
        EXPECT_EQ(CreateNewFile(lockFile, "line\r\n", files), fault);
        EXPECT_FALSE(fs::exists(lockFile));
    }

    EXPECT_FALSE(CreateNewFile(lockFile, "mine\r\n"));
    EXPECT_EQ(CreateNewFile(lockFile, "theirs\r\n"), std::errc::file_exists);
    EXPECT_EQ(FileText(lockFile), "mine\r\n");
}

TEST_F(DocumentLocks, FindingALockTakesNone) {
    Editor here("WS-12", 5000);
    EXPECT_FALSE(FindLock(document, here));
    EXPECT_FALSE(fs::exists(lockFile));

    Editor there("WS-07", 4711);
    const HeldLock held = Expect<HeldLock>(LockDocument(document, there));
    const auto found = FindLock(document, here);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->line, held.line);
    EXPECT_EQ(found->holder->host, "WS-07");
    EXPECT_FALSE(found->onThisHost);

    here.readFault = std::make_error_code(std::errc::permission_denied);
    const auto unreadable = FindLock(document, here);
    ASSERT_TRUE(unreadable);
    EXPECT_FALSE(unreadable->holder);
    EXPECT_EQ(FileText(lockFile), held.line);
}

TEST_F(DocumentLocks, ALockReleasedWhileItWasBeingReadIsTriedAgain) {
    Editor here("WS-12", 5000);
    here.phantomLocks = 2;
    const HeldLock held = Expect<HeldLock>(LockDocument(document, here));
    EXPECT_EQ(FileText(lockFile), held.line);
}

} // namespace
} // namespace waybill
