#include "support/TempDir.h"
#include "cli/Commands.h"
#include "CliRun.h"
#include "platform/DocumentLock.h"

#include <gtest/gtest.h>
#include <unistd.h>

namespace waybill {
namespace {

using test::CliRun;
using test::RunCommand;
using test::TempDir;

const std::string kDocument = "VB WAYBILL 1.0\r\n**HEADER\r\nDetail By: JD\r\nIssue: \r\n"
                              "Checked By: \r\nDate: 1.2.2026\r\nCustomer: Acme\r\n"
                              "Job Number: 4471\r\nNumber Pages: True\r\n"
                              "Show Page Total: False\r\nPassword: \r\n**END HEADER\r\n";

// An editor of another workstation holds the document.
const std::string kOtherHost = "akim\tWS-07\t4711\t2025-07-12T14:03:27+02:00\r\n";

std::string ThisHostLine(std::int64_t pid) {
    return LockLine({"jsmith", SystemLockCalls().HostName(), pid, {2025, 7, 12, 14, 3, 27, 0}});
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
        {"a running editor of this host", ThisHostLine(getppid()), false, false},
        {"an ended editor of this host", ThisHostLine(kEndedProcess), false, true},
        {"a garbled lock", "garbage", false, false},
    };
    for (const Case& c : cases) {
        TempDir dir;
        const auto in = dir.Write("in.fwb", kDocument);
        const auto out = dir.Write("out.fwb", "before");
        if (!c.lock.empty()) {
            dir.Write("~$out.fwb", c.lock);
        }
        std::vector<std::string> args = {in.string(), out.string()};
        if (c.force) {
            args.push_back("--force");
        }
        const CliRun run = RunCommand(cli::Convert, args);
        EXPECT_EQ(run.status, c.written ? 0 : 1) << c.what << run.err;
        EXPECT_EQ(TempDir::Read(out), c.written ? kDocument : "before") << c.what;
        if (!c.lock.empty()) {
            EXPECT_EQ(TempDir::Read(dir / "~$out.fwb"), c.lock) << c.what; // never touched
        }
    }
}

TEST(LockedOutput, TheRefusalNamesTheHolderAndALockedInIsRead) {
    TempDir dir;
    const auto in = dir.Write("in.fwb", kDocument);
    dir.Write("~$in.fwb", kOtherHost);
    dir.Write("~$out.fwb", kOtherHost);
    const CliRun refused = RunCommand(cli::Convert, {in.string(), (dir / "out.fwb").string()});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err, "waybill-cli: " + (dir / "out.fwb").string() +
                               " is open by akim on WS-07 since 12.07.2025 14:03.\n"
                               "waybill-cli: " +
                               (dir / "out.fwb").string() +
                               " was not written; --force writes it all the same.\n");
    EXPECT_FALSE(std::filesystem::exists(dir / "out.fwb"));

    const CliRun copied = RunCommand(cli::Convert, {in.string(), (dir / "copy.fwb").string()});
    EXPECT_EQ(copied.status, 0) << copied.err;
}

} // namespace
} // namespace waybill
