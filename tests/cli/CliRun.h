#pragma once

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

// A document file: a header with only the job number, pages unnumbered, then `pages`.
inline std::string DocumentText(const std::string& pages, const std::string& job = "") {
    return "VB WAYBILL 1.0\r\n**HEADER\r\nDetail By: \r\nIssue: \r\nChecked By: \r\nDate: \r\n"
           "Customer: \r\nJob Number: " +
           job +
           "\r\nNumber Pages: False\r\nShow Page Total: False\r\nPassword: \r\n**END HEADER\r\n" +
           pages;
}

} // namespace waybill::test
