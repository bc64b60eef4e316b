#include "cli/CommandLine.h"

#include "CliRun.h"

#include <gtest/gtest.h>
#include <sstream>

namespace waybill::cli {
namespace {

CommandStatus Say(const CommandArguments& args, std::ostream& out, std::ostream&) {
    if (args.Flag("--loud")) {
        return WrongUsage{"too loud"};
    }
    out << "said\n";
    return 0;
}
CommandStatus Differ(const CommandArguments&, std::ostream& out, std::ostream&) {
    out << "old -> new\n";
    return 1;
}

const CliCommand kTable[] = {
    {.name = "say", .synopsis = "[--loud]", .run = Say},
    {.name = "differ", .synopsis = "OLD NEW", .run = Differ},
    {.name = "paint", .synopsis = "IN"},
};

using test::CliRun;

CliRun RunLine(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = RunCommandLine(kTable, args, out, err, "2.5");
    return {status, out.str(), err.str()};
}

// Wrong usage of the program goes to stderr: the forms of the call and the commands' names.
TEST(CommandLine, WrongUsageGoesToStderr) {
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{}, {"sya", "--loud"}}) {
        const CliRun run = RunLine(args);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find("usage: waybill-cli COMMAND [ARGS]\n"), std::string::npos);
        EXPECT_NE(run.err.find("Commands: say, differ, paint.\n"), std::string::npos) << run.err;
    }
    EXPECT_EQ(RunLine({"sya"}).err.rfind("waybill-cli: unknown command \"sya\"\n", 0), 0u);
}

// Wrong usage of a command, found in its arguments or by the command, shows its usage; a
// command the build lacks says so.
TEST(CommandLine, WrongUsageOfACommandShowsItsRow) {
    for (const auto& [args, problem] :
         std::vector<std::pair<std::vector<std::string>, std::string>>{
             {{"say", "--loud"}, "too loud"}, {{"differ", "a"}, "NEW is missing"}}) {
        const CliRun run = RunLine(args);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.err, "waybill-cli " + args[0] + ": " + problem + "\nusage: waybill-cli " +
                               args[0] + " " + (args[0] == "say" ? "[--loud]" : "OLD NEW") + "\n");
    }
    const CliRun paint = RunLine({"paint", "in"});
    EXPECT_EQ(paint.status, 2);
    EXPECT_EQ(paint.err, "waybill-cli: paint needs the build with the editor (Qt)\n");
}

// "COMMAND --help" alone is the command's help on stdout; beside other arguments it is an
// unknown option.
TEST(CommandLine, ACommandsHelpGoesToStdout) {
    const CliRun help = RunLine({"differ", "--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("usage: waybill-cli differ OLD NEW\n", 0), 0u);
    EXPECT_EQ(help.err, "");
    EXPECT_EQ(RunLine({"say", "-h"}).status, 0);
    const CliRun mixed = RunLine({"differ", "a", "--help"});
    EXPECT_EQ(mixed.status, 2);
    EXPECT_EQ(mixed.out, "");
}

// Takes what is written into its buffer, as a buffered standard output does, and fails only
// when it is flushed: a full disk.
class FullDisk : public std::streambuf {
  public:
    FullDisk() { setp(buffer_, buffer_ + sizeof buffer_); }

  protected:
    int sync() override { return -1; }

  private:
    char buffer_[1 << 16];
};

TEST(CommandLine, OutputThatCannotBeWrittenIsTroubleWhateverTheCommandSaid) {
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"say"}, {"differ", "a", "b"}, {"--help"}, {"--version"}}) {
        EXPECT_LE(RunLine(args).status, 1) << args[0];
        FullDisk disk;
        std::ostream out(&disk);
        std::ostringstream err;
        EXPECT_EQ(RunCommandLine(kTable, args, out, err, "2.5"), 2) << args[0];
        EXPECT_EQ(err.str(), "waybill-cli: could not write to standard output\n") << args[0];
    }
}

} // namespace
} // namespace waybill::cli
