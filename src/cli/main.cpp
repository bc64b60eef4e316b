// waybill-cli: the command table (cli/CommandTable.h) run on the command line.
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/StandardStreams.h"

#include <string>
#include <vector>

#ifdef _WIN32
#include "platform/Cp1252.h"
#endif

namespace {

int Run(const std::vector<std::string>& args) {
#ifdef WAYBILL_CLI_PDF
    const auto commands = waybill::cli::CommandTable(waybill::cli::Pdf);
#else
    // The core-only build cannot paint: its pdf command says so.
    const auto commands = waybill::cli::CommandTable(nullptr);
#endif
    waybill::cli::StandardStreams streams;
    return waybill::cli::RunCommandLine(commands, args, streams.Out(), streams.Err(),
                                        WAYBILL_VERSION);
}

} // namespace

#ifdef _WIN32
// The command line as Windows keeps it, UTF-16, so that no name or text is narrowed to the
// ANSI code page on the way: the arguments are UTF-8 from here on, as on other systems.
int wmain(int argc, wchar_t** argv) {
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) {
        args.push_back(waybill::WideToUtf8(argv[i]));
    }
    return Run(args);
}
#else
int main(int argc, char** argv) {
    return Run(std::vector<std::string>(argv + 1, argv + argc));
}
#endif
