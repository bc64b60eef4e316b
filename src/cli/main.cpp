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
  export-table IN.fwb OUT.txt [--refdb FILE]
                   Write the line items of IN as the order-entry table OUT, as the editor's
                   Export Table does, and print the summary. Any stop (no job number, a bad
                   cell, an invalid finish, nothing to export) goes to stderr with the page,
                   row and column of a bad cell; the exit status is then 1 and OUT is left
                   as it was (not created).
  export-punches IN.fwb DAT (--all | --only) [--templates FILE]
                   Update the special patterns file DAT with the Cee and Zee members of IN,
                   as the editor's Export Punches does: all members, or only those with "A"
                   dimensions or mismatched punches. The templates are FILE, else
                   PunchTemplates.txt beside the program. A message that stops the export
                   goes to stderr, the exit status is 1 and DAT is byte-for-byte as before.
                   Members left out for too many lead punches are listed on stderr; the
                   file is still written.
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
    if (args[0] == "export-table") {
        return waybill::cli::ExportTableCommand(rest, std::cout, std::cerr);
    }
    if (args[0] == "export-punches") {
        return waybill::cli::ExportPunchesCommand(rest, std::cout, std::cerr);
    }
    std::cerr << "waybill-cli: unknown command \"" << args[0] << "\"\n" << kUsage;
    return 2;
}
