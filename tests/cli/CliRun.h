#pragma once

#include "support/DocumentText.h"

#include <ostream>
#include <sstream>
#include <string>
#include <vector>

namespace waybill::test {

// What a command printed and its exit status.
struct CliRun {
    int status;
    std::string out;
    std::string err;
};

using CliCommand = int (*)(const std::vector<std::string>&, std::ostream&, std::ostream&);

inline CliRun RunCommand(CliCommand command, const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = command(args, out, err);
    return {status, out.str(), err.str()};
}

} // namespace waybill::test
