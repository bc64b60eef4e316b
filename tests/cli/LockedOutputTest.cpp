// The lock on an output that every command writing a file keeps to: OUT (or DAT) that an editor
// holds is not written without --force. Which lock that is (links, pipes) is the lock's own
// business.
#include "CliRun.h"
#include "platform/DocumentLock.h"
#include "support/TempDir.h"
#include "support/TestDatabase.h"

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

namespace fs = std::filesystem;
using test::CliRun;
using test::DocumentText;
using test::RunCommand;
using test::TempDir;

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

// A command that writes a file, with an input it writes from.
struct Writer {
    const char* name;
    std::string input;
    std::vector<std::string> options; // after IN and OUT
};

class LockedOutput : public ::testing::Test {
  protected:
    void SetUp() override {
        test::TestDatabase db;
        db.AddLabelledGrid("std", 10, {"COMP. ID", "MARK", "QTY", "LENGTH"});
        db.Write(database);
    }

    CliRun Run(const Writer& writer, const fs::path& out, bool force = false) const {
        std::vector<std::string> args = {dir.Write("in.fwb", writer.input).string(), out.string()};
        args.insert(args.end(), writer.options.begin(), writer.options.end());
        if (force) {
            args.push_back("--force");
        }
        return RunCommand(writer.name, args);
    }

    TempDir dir;
    fs::path database = dir / "ref.db";
    fs::path templates = dir.Write("t.txt", ":e-lead-opt\nWEB, 1.375, 9/16\n:e-tail-opt\n"
                                            "WEB, 2, 9/16\n");
    // The document commands share one write (convert stands for them all), then the exports.
    const Writer writers[3] = {
        {"convert", DocumentText(""), {}},
        {"export-table",
         DocumentText("**PAGEDEF\r\nmisc-01,,\r\nGRID: std\r\n|T|M1|2|5'|\r\n", "J7"),
         {"--refdb", database.string()}},
        {"export-punches",
         DocumentText("**PAGEDEF\r\nzee00-01,,\r\nGRID: hte\r\n|Z|M1|2|20'|E|||||||E|5|\r\n"
                      "ATTRIBLK: zee00\r\n|8|2|4|2|8 x 14GA|M|S|\r\n",
                      "J7"),
         {"--all", "--templates", templates.string()}},
    };
};

TEST_F(LockedOutput, AFileSomeoneHoldsIsNotWrittenWithoutForce) {
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
    const fs::path out = dir / "out.fwb";
    const fs::path lock = dir / "~$out.fwb";
    for (const Writer& writer : writers) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(writer.name) + ": " + c.what);
            dir.Write(out.filename().string(), "");
            fs::remove(lock);
            if (!c.lock.empty()) {
                dir.Write(lock.filename().string(), c.lock);
            }
            const CliRun run = Run(writer, out, c.force);
            EXPECT_EQ(run.status, c.written ? 0 : 1) << run.err;
            EXPECT_EQ(TempDir::Read(out).empty(), !c.written);
            if (!c.lock.empty()) {
                EXPECT_EQ(TempDir::Read(lock), c.lock); // never touched
            }
        }
    }
}

TEST_F(LockedOutput, TheRefusalNamesTheHolderAndALockedInIsRead) {
    const Writer& convert = writers[0];
    dir.Write("~$in.fwb", kOtherHost);
    dir.Write("~$out.fwb", kOtherHost);
    const std::string out = (dir / "out.fwb").string();
    const CliRun refused = Run(convert, out);
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err, "waybill-cli: " + out +
                               " is open by akim on WS-07 since 12.07.2025 14:03.\nwaybill-cli: " +
                               out + " was not written; --force writes it all the same.\n");
    EXPECT_FALSE(fs::exists(out));
    EXPECT_EQ(Run(convert, dir / "copy.fwb").status, 0);
}

} // namespace
} // namespace waybill
