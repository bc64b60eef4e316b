// The lock on an output that every command writing a file keeps to: OUT (or DAT) that an editor
// holds is not written without --force, whichever name leads to it, and a lock file that cannot
// be read holds it for someone unknown.
#include "cli/Commands.h"
#include "CliRun.h"
#include "platform/DocumentLock.h"
#include "support/PosixFiles.h"
#include "support/TempDir.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>
#include <unistd.h>

namespace waybill {
namespace {

namespace fs = std::filesystem;
using test::CliRun;
using test::DocumentText;
using test::RunCommand;
using test::TempDir;

CliRun Convert(std::vector<std::string> args) {
    return RunCommand(cli::Convert, args);
}

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

// A command that writes a file, with an input it writes from.
struct Writer {
    const char* name;
    test::CliCommand command;
    std::string input;
    std::vector<std::string> options; // after IN and OUT
};

class LockedOutputs : public ::testing::Test {
  protected:
    void SetUp() override {
        test::TestDatabase db;
        db.AddLabelledGrid("std", 10, {"COMP. ID", "MARK", "QTY", "LENGTH"});
        db.Write(database);
    }

    // The document commands share one write (convert stands for them all), then the exports.
    std::vector<Writer> Writers() const {
        return {
            {"convert", cli::Convert, DocumentText(""), {}},
            {"export-table",
             cli::ExportTableCommand,
             DocumentText("**PAGEDEF\r\nmisc-01,,\r\nGRID: std\r\n|T|M1|2|5'|\r\n", "J7"),
             {"--refdb", database.string()}},
            {"export-punches",
             cli::ExportPunchesCommand,
             DocumentText("**PAGEDEF\r\nzee00-01,,\r\nGRID: hte\r\n|Z|M1|2|20'|E|||||||E|5|\r\n"
                          "ATTRIBLK: zee00\r\n|8|2|4|2|8 x 14GA|M|S|\r\n",
                          "J7"),
             {"--all", "--templates", templates.string()}},
        };
    }

    CliRun Run(const Writer& writer, const fs::path& out, bool force = false) const {
        std::vector<std::string> args = {dir.Write("in.fwb", writer.input).string(), out.string()};
        args.insert(args.end(), writer.options.begin(), writer.options.end());
        if (force) {
            args.push_back("--force");
        }
        return RunCommand(writer.command, args);
    }

    static std::string Refusal(const fs::path& out, const std::string& holder) {
        return "waybill-cli: " + out.string() + " is open by " + holder +
               ".\nwaybill-cli: " + out.string() +
               " was not written; --force writes it all the same.\n";
    }

    TempDir dir;
    fs::path database = dir / "ref.db";
    fs::path templates = dir.Write("t.txt", ":e-lead-opt\nWEB, 1.375, 9/16\n:e-tail-opt\n"
                                            "WEB, 2, 9/16\n");
    const std::string otherHost = "akim on WS-07 since 12.07.2025 14:03";
};

TEST_F(LockedOutputs, EveryCommandThatWritesAFileKeepsToTheLockBesideIt) {
    for (const Writer& writer : Writers()) {
        SCOPED_TRACE(writer.name);
        const auto out = dir.Write("held.out", "");
        const auto lock = dir.Write("~$held.out", kOtherHost);
        const CliRun refused = Run(writer, out);
        EXPECT_EQ(refused.status, 1);
        EXPECT_EQ(refused.err, Refusal(out, otherHost));
        EXPECT_EQ(TempDir::Read(out), "");
        const CliRun forced = Run(writer, out, true);
        EXPECT_EQ(forced.status, 0) << forced.err;
        EXPECT_NE(TempDir::Read(out), "");
        EXPECT_EQ(TempDir::Read(lock), kOtherHost);
        fs::remove(out);
        fs::remove(lock);
    }
}

// A link to a held document leads to the lock beside it; a pipe in a lock's place is never
// waited on, and holds the file for someone unknown.
TEST_F(LockedOutputs, ALinkOrAPipeGetsNoCommandPastTheLock) {
    SKIP_WITHOUT_POSIX_FILES();
    const auto held = dir.Write("held.fwb", "");
    dir.Write("~$held.fwb", kOtherHost);
    const auto link = dir / "link.out";
    fs::create_symlink("held.fwb", link);
    const auto piped = dir.Write("piped.out", "");
    ASSERT_TRUE(test::MakePipe(dir / "~$piped.out"));
    for (const Writer& writer : Writers()) {
        SCOPED_TRACE(writer.name);
        EXPECT_EQ(Run(writer, link).err, Refusal(link, otherHost));
        const CliRun run = Run(writer, piped);
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err, Refusal(piped, "unknown (its lock file cannot be read)"));
    }
    EXPECT_EQ(TempDir::Read(held), "");
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(TempDir::Read(piped), "");
}

} // namespace
} // namespace waybill
