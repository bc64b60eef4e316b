#include <iostream>
#include <string>
#include <vector>

#include "cli/Commands.h"

namespace {

constexpr const char* kUsage = R"(usage: waybill-cli COMMAND [ARGS]

Commands:
  convert IN OUT   Read IN (a legacy ".wbl" document or a ".fwb" document) and write it
                   to OUT as a ".fwb" document. On a read failure the message goes to
                   stderr, the exit status is 1 and OUT is not created.
  --help           Show this list.
)";

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        std::cout << kUsage;
        return args.empty() ? 2 : 0;
    }
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (args[0] == "convert") {
        return waybill::cli::Convert(rest, std::cout, std::cerr);
    }
    std::cerr << "waybill-cli: unknown command \"" << args[0] << "\"\n" << kUsage;
    return 2;
}
