#include "cli/CommandLine.h"

#include <gtest/gtest.h>
#include <sstream>

namespace waybill::cli {
namespace {

int Say(const std::vector<std::string>&, std::ostream& out, std::ostream&) {
    out << "said\n";
    return 0;
}
int Differ(const std::vector<std::string>&, std::ostream& out, std::ostream&) {
    out << "old -> new\n";
    return 1;
}

const CliCommand kTable[] = {
    {"say", "[--loud]", "Say it.", Say},
    {"differ", "OLD NEW", "Tell the difference.", Differ},
};

struct Run {
    int status;
    std::string out;
    std::string err;
};
Run RunLine(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = RunCommandLine(kTable, args, out, err, "2.5");
    return {status, out.str(), err.str()};
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
