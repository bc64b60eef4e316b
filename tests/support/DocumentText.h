#pragma once

#include <string>

namespace waybill::test {

// A document file: a header with only the job number, pages unnumbered, then `pages`.
inline std::string DocumentText(const std::string& pages, const std::string& job = "") {
    return "VB WAYBILL 1.0\r\n**HEADER\r\nDetail By: \r\nIssue: \r\nChecked By: \r\nDate: \r\n"
           "Customer: \r\nJob Number: " +
           job +
           "\r\nNumber Pages: False\r\nShow Page Total: False\r\nPassword: \r\n**END HEADER\r\n" +
           pages;
}

} // namespace waybill::test
