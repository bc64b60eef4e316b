// Every command's exit status at its edges, in one table: 2 for wrong usage, 1 when the input
// cannot be read, and in both cases no output file.
#include "cli/Commands.h"
#include "CliRun.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace waybill {
namespace {

using test::CliCommand;
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
        CliCommand command;
        std::vector<std::string> args;
        int status;
    };
    const Case cases[] = {
        {"convert", cli::Convert, {}, kUsage},
        {"convert", cli::Convert, {bad}, kUsage},
        {"convert", cli::Convert, {missing, out}, kNothingWritten},
        {"recompose", cli::Recompose, {bad}, kUsage},
        {"recompose", cli::Recompose, {bad, out, "--bogus"}, kUsage},
        {"recompose", cli::Recompose, {bad, out}, kNothingWritten},
        {"set-finish", cli::SetFinish, {bad, out}, kUsage},
        {"set-finish", cli::SetFinish, {missing, out, "Gray"}, kNothingWritten},
        {"detail", cli::Detail, {bad, out}, kUsage},
        {"detail", cli::Detail, {bad, out, "cap-trim", "Dim=10"}, kNothingWritten},
        {"export-table", cli::ExportTableCommand, {bad}, kUsage},
        {"export-table", cli::ExportTableCommand, {bad, out}, kNothingWritten},
        {"export-punches", cli::ExportPunchesCommand, {bad, out}, kUsage},
        {"export-punches", cli::ExportPunchesCommand, {bad, out, "--all", "--only"}, kUsage},
        {"export-punches", cli::ExportPunchesCommand, {bad, out, "--all"}, kNothingWritten},
        {"configure-member", cli::ConfigureMember, {bad, out}, kUsage},
        {"configure-member",
         cli::ConfigureMember,
         {bad, out, "--page", "1", "--size", "8", "--flange", "2", "--gauge", "14", "--pregalv"},
         kNothingWritten},
        {"find", cli::Find, {}, kUsage},
        {"find", cli::Find, {"text"}, kUsage},
        {"find", cli::Find, {"text", missing}, kNothingWritten},
    };
    for (const Case& c : cases) {
        const CliRun run = RunCommand(c.command, c.args);
        EXPECT_EQ(run.status, c.status) << c.name << " with " << c.args.size() << " arguments";
        EXPECT_FALSE(run.err.empty()) << c.name;
        EXPECT_FALSE(std::filesystem::exists(out)) << c.name;
    }
}

// A word that looks like an option and is none of the command's is named, as is an option
// left without its value.
TEST(ExitStatus, AnUnknownOptionIsNamed) {
    for (const CliCommand command :
         {cli::Convert, cli::Recompose, cli::SetFinish, cli::Detail, cli::ExportTableCommand,
          cli::ExportPunchesCommand, cli::ConfigureMember, cli::Find, cli::Diff}) {
        const CliRun unknown = RunCommand(command, {"a", "b", "c", "--forse", "--refdb", "x.db"});
        EXPECT_EQ(unknown.status, kUsage);
        EXPECT_NE(unknown.err.find("unknown option \"--forse\""), std::string::npos) << unknown.err;
    }
    const CliRun bare = RunCommand(cli::Find, {"text", "a.fwb", "--refdb"});
    EXPECT_EQ(bare.status, kUsage);
    EXPECT_NE(bare.err.find("option \"--refdb\" needs a value"), std::string::npos) << bare.err;
}

} // namespace
} // namespace waybill
