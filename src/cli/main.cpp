#include "cli/Commands.h"

#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr const char* kUsage = R"(usage: waybill-cli COMMAND [ARGS]

Commands:
  convert IN OUT   Read IN (a legacy ".wbl" document or a ".fwb" document) and write it
                   to OUT as a ".fwb" document. On a read failure the message goes to
                   stderr, the exit status is 1 and OUT is not created.
  recompose IN.fwb OUT.fwb [--refdb FILE]
                   Render every page of IN and compose it back, as if each page had been
                   shown in the editor and left unchanged, then write OUT. The reference
                   database is FILE, else the "DefDB" setting, else DefWaybill.db beside
                   the program. A grid missing from the database is reported on stderr and
                   its page keeps its stored grid lines.
  set-finish IN.fwb OUT.fwb FINISH [--pages A-B] [--refdb FILE]
                   Do on each page in the range (default: all; --pages N for one page)
                   what picking FINISH from the page's finish list does in the editor:
                   the page's finish becomes FINISH as the list spells it (letter case
                   ignored), then the page's part numbers follow it. Other pages are
                   written unchanged. A FINISH some page in the range does not offer is
                   reported on stderr, the exit status is 1 and OUT is not written. The
                   reference database is found as for recompose.
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
    if (args[0] == "recompose") {
        return waybill::cli::Recompose(rest, std::cout, std::cerr);
    }
    if (args[0] == "set-finish") {
        return waybill::cli::SetFinish(rest, std::cout, std::cerr);
    }
    std::cerr << "waybill-cli: unknown command \"" << args[0] << "\"\n" << kUsage;
    return 2;
}
