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
  pdf IN.fwb OUT.pdf [--pages A-B] [--refdb FILE]
                   Print the pages of IN (all, or A to B) into OUT as one PDF, one
                   landscape Letter sheet per page, without a display. The reference
                   database is found as for recompose. A missing grid or block is reported
                   on stderr and the PDF is still written. Built with the editor only.
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
    if (args[0] == "pdf") {
#ifdef WAYBILL_CLI_PDF
        return waybill::cli::Pdf(rest, std::cout, std::cerr);
#else
        std::cerr << "waybill-cli: pdf needs the build with the editor (Qt)\n";
        return 2;
#endif
    }
    std::cerr << "waybill-cli: unknown command \"" << args[0] << "\"\n" << kUsage;
    return 2;
}
