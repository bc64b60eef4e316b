// waybill-cli: the command table (cli/CommandTable.h) run on the command line.
#include "cli/CommandLine.h"
#include "cli/Commands.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
#ifdef WAYBILL_CLI_PDF
    const auto commands = waybill::cli::CommandTable(waybill::cli::Pdf);
#else
    // The core-only build cannot paint: its pdf command says so.
    const auto commands = waybill::cli::CommandTable(nullptr);
#endif
    return waybill::cli::RunCommandLine(commands, std::vector<std::string>(argv + 1, argv + argc),
                                        std::cout, std::cerr, WAYBILL_VERSION);
}
