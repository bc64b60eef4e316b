// convert: the reader chosen by the input's extension, the reader's message on the terminal,
// and the output lock every writing command keeps to.
#include "cli/Commands.h"
#include "CliRun.h"
#include "platform/DocumentLock.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#ifdef _WIN32
// clang-format off
#include <windows.h>
#include <tlhelp32.h> // after windows.h, whose types it uses
// clang-format on
#else
#include <unistd.h>
#endif

namespace waybill {
namespace {

using test::CliRun;
using test::DocumentText;
using test::RunCommand;
using test::TempDir;

CliRun Convert(std::vector<std::string> args) {
    return RunCommand(cli::Convert, args);
}

TEST(ConvertCommand, ReadsADocumentOrALegacyFileByItsExtensionInAnyCase) {
    TempDir dir;
    const std::string page = "**PAGEDEF\r\nsht01-1,PG,Roof \xBA\r\nGRID: sht\r\n|a|b|\r\n";
    const auto current = dir.Write("in.fwb", DocumentText(page));
    const auto legacy =
        dir.Write("JOB12.WbL", "sht01-1\r\n(sht)\r\nPG\r\nRoof %%C\r\n(a b)\r\n***\r\n");
    for (const auto& in : {current, legacy}) {
        const auto out = dir / (in.stem().string() + "-out.fwb");
        const CliRun run = Convert({in.string(), out.string()});
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(TempDir::Read(out), DocumentText(page)) << in;
    }
    // The format message's lines go to separate terminal lines.
    const auto bad = dir.Write("x.fwb", "WRONG\r\n");
    EXPECT_EQ(Convert({bad.string(), (dir / "y.fwb").string()}).err,
              "The waybill file " + bad.string() + " error:\nWRONG\n");
}

// An editor of another workstation holds the document.
const std::string kOtherHost = "akim\tWS-07\t4711\t2025-07-12T14:03:27+02:00\r\n";

std::string ThisHostLine(std::int64_t pid) {
    return LockLine({"jsmith", SystemLockCalls().HostName(), pid, {2025, 7, 12, 14, 3, 27, 0}});
}

// Another process of this host, running while the test does.
std::int64_t AnotherRunningProcess() {
#ifdef _WIN32
    // No parent's id is at hand there; any other process will do.
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    std::int64_t found = 0;
    for (bool more = Process32FirstW(snapshot, &entry); more && found == 0;
         more = Process32NextW(snapshot, &entry)) {
        if (entry.th32ProcessID != 0 && entry.th32ProcessID != GetCurrentProcessId()) {
            found = entry.th32ProcessID;
        }
    }
    CloseHandle(snapshot);
    return found;
#else
    return getppid();
#endif
}

// A process id no process of this host has: past the largest the kernel hands out.
constexpr std::int64_t kEndedProcess = 4194305;

TEST(LockedOutput, ADocumentSomeoneHoldsIsNotWrittenWithoutForce) {
    struct Case {
        const char* what;
        std::string lock; // empty: none
        bool force;
        bool written;
    };
    const Case cases[] = {
        {"no lock", "", false, true},
        {"another host's editor", kOtherHost, false, false},
        {"... with --force", kOtherHost, true, true},
        {"a running editor of this host", ThisHostLine(AnotherRunningProcess()), false, false},
        {"an ended editor of this host", ThisHostLine(kEndedProcess), false, true},
        {"a garbled lock", "garbage", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        const auto in = dir.Write("in.fwb", DocumentText(""));
        const auto out = dir.Write("out.fwb", "before");
        if (!c.lock.empty()) {
            dir.Write("~$out.fwb", c.lock);
        }
        std::vector<std::string> args = {in.string(), out.string()};
        if (c.force) {
            args.push_back("--force");
        }
        const CliRun run = Convert(args);
        EXPECT_EQ(run.status, c.written ? 0 : 1) << run.err;
        EXPECT_EQ(TempDir::Read(out), c.written ? DocumentText("") : "before");
        if (!c.lock.empty()) {
            EXPECT_EQ(TempDir::Read(dir / "~$out.fwb"), c.lock); // never touched
        }
    }
}

TEST(LockedOutput, TheRefusalNamesTheHolderAndALockedInIsRead) {
    TempDir dir;
    const auto in = dir.Write("in.fwb", DocumentText(""));
    dir.Write("~$in.fwb", kOtherHost);
    dir.Write("~$out.fwb", kOtherHost);
    const std::string out = (dir / "out.fwb").string();
    const CliRun refused = Convert({in.string(), out});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err, "waybill-cli: " + out +
                               " is open by akim on WS-07 since 12.07.2025 14:03.\nwaybill-cli: " +
                               out + " was not written; --force writes it all the same.\n");
    EXPECT_FALSE(std::filesystem::exists(out));
    EXPECT_EQ(Convert({in.string(), (dir / "copy.fwb").string()}).status, 0);
}

} // namespace
} // namespace waybill
