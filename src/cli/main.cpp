#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/StandardStreams.h"

#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
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
        const int length =
            WideCharToMultiByte(CP_UTF8, 0, argv[i], -1, nullptr, 0, nullptr, nullptr);
        std::string arg(static_cast<std::size_t>(length > 0 ? length : 1), '\0');
        WideCharToMultiByte(CP_UTF8, 0, argv[i], -1, arg.data(), length, nullptr, nullptr);
        arg.pop_back(); // the terminating null
        args.push_back(std::move(arg));
    }
    return Run(args);
}
#else
int main(int argc, char** argv) {
    return Run(std::vector<std::string>(argv + 1, argv + argc));
}
#endif
