#include "app/DocumentName.h"
#include "app/ProgramFolder.h"
#include "cli/Commands.h"
#include "cli/CommandSupport.h"
#include "cli/ExportFailureOutput.h"
#include "platform/Cp1252.h"
#include "tensile/PunchExport.h"

namespace waybill::cli {

int ExportPunchesCommand(const std::vector<std::string>& args, std::ostream& out,
                         std::ostream& err) {
    const auto split = SplitArguments(args, {"--templates"}, {"--all", "--only"}, err);
    if (!split) {
        return 2;
    }
    const auto dat =
        split->positional.size() == 2 ? ChosenFileName(split->positional[1]) : std::nullopt;
    if (!dat || split->flags.size() != 1) {
        err << "usage: waybill-cli export-punches IN.fwb DAT (--all | --only) [--templates FILE]\n";
        return 2;
    }
    const PunchSelection selection =
        split->flags[0] == "--all" ? PunchSelection::All : PunchSelection::Only;
    const auto templatesFile = split->Option("--templates");
    const std::filesystem::path templates =
        templatesFile ? PathFromUtf8(*templatesFile) : ProgramFolder() / kPunchTemplatesName;

    const auto book = ReadDocumentFor(split->positional[0], err);
    if (!book) {
        return 1;
    }
    const auto result = ExportPunches(*book, selection, templates, PathFromUtf8(*dat));
    if (const auto* failure = std::get_if<ExportFailure>(&result)) {
        PrintExportFailure(err, *failure);
        return 1;
    }
    const PunchExportDone& done = std::get<PunchExportDone>(result);
    if (!done.tooManyLeadPunches.empty()) {
        PrintMessage(err, TooManyLeadPunchesMessage(done.tooManyLeadPunches).text);
    }
    out << done.updated << " record(s) updated, " << done.appended << " record(s) added.\n";
    return 0;
}

} // namespace waybill::cli
