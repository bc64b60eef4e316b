#pragma once

#include "cli/CommandLine.h"
#include "support/DocumentText.h"

#include <ostream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace waybill::test {

// What a command printed and its exit status.
struct CliRun {
    int status;
    std::string out;
    std::string err;
};

// A command of the table run as the command line runs it, without pdf.
inline CliRun RunCommand(std::string_view command, std::vector<std::string> args) {
    args.insert(args.begin(), std::string(command));
    std::ostringstream out, err;
    const int status = cli::RunCommandLine(cli::CommandTable(nullptr), args, out, err, "test");
    return {status, out.str(), err.str()};
}

} // namespace waybill::test
