// Every command's exit status at its edges, in one table: 2 for wrong usage, 1 when the input
// cannot be read, and in both cases no output file.
#include "cli/Commands.h"
#include "CliRun.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace waybill {
namespace {

using test::CliRun;
using test::RunCommand;
using test::TempDir;

constexpr int kUsage = 2;
constexpr int kNothingWritten = 1;

TEST(ExitStatus, UsageAndUnreadableInputWriteNothing) {
    TempDir dir;
    const std::string bad = dir.Write("bad.fwb", "WRONG\r\n").string();
    const std::string missing = (dir / "missing.fwb").string();
    const std::string out = (dir / "out.fwb").string();
    struct Case {
        const char* name;
        std::vector<std::string> args;
        int status;
    };
    const Case cases[] = {
        {"convert", {}, kUsage},
        {"convert", {bad}, kUsage},
        {"convert", {missing, out}, kNothingWritten},
        {"recompose", {bad}, kUsage},
        {"recompose", {bad, out, "--bogus"}, kUsage},
        {"recompose", {bad, out}, kNothingWritten},
        {"set-finish", {bad, out}, kUsage},
        {"set-finish", {missing, out, "Gray"}, kNothingWritten},
        {"detail", {bad, out}, kUsage},
        {"detail", {bad, out, "cap-trim", "Dim=10"}, kNothingWritten},
        {"export-table", {bad}, kUsage},
        {"export-table", {bad, out}, kNothingWritten},
        {"export-punches", {bad, out}, kUsage},
        {"export-punches", {bad, out, "--all", "--only"}, kUsage},
        {"export-punches", {bad, out, "--all"}, kNothingWritten},
        {"configure-member", {bad, out}, kUsage},
        {"configure-member",
         {bad, out, "--page", "1", "--size", "8", "--flange", "2", "--gauge", "14", "--pregalv"},
         kNothingWritten},
        {"find", {}, kUsage},
        {"find", {"text"}, kUsage},
        {"find", {"text", missing}, kNothingWritten},
    };
    for (const Case& c : cases) {
        const CliRun run = RunCommand(c.name, c.args);
        EXPECT_EQ(run.status, c.status) << c.name << " with " << c.args.size() << " arguments";
        EXPECT_FALSE(run.err.empty()) << c.name;
        // Wrong usage shows the command's own usage.
        EXPECT_EQ(run.err.find("usage: waybill-cli " + std::string(c.name) + " ") !=
                      std::string::npos,
                  c.status == kUsage)
            << run.err;
        EXPECT_FALSE(std::filesystem::exists(out)) << c.name;
    }
}

// A word that looks like an option and is none of the command's is named, for every command,
// as is an option left without its value.
TEST(ExitStatus, AnUnknownOptionIsNamed) {
    for (const cli::CliCommand& command : cli::CommandTable(nullptr)) {
        const CliRun unknown = RunCommand(command.name, {"--forse", "a", "b", "c"});
        EXPECT_EQ(unknown.status, kUsage);
        EXPECT_NE(unknown.err.find("unknown option \"--forse\""), std::string::npos) << unknown.err;
    }
    const CliRun bare = RunCommand("find", {"text", "a.fwb", "--refdb"});
    EXPECT_EQ(bare.status, kUsage);
    EXPECT_NE(bare.err.find("option \"--refdb\" needs a value"), std::string::npos) << bare.err;
}

} // namespace
} // namespace waybill
