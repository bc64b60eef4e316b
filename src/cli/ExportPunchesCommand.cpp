// waybill-cli export-punches (ExportPunchesCommand, cli/Commands.h).
#include "app/DocumentName.h"
#include "app/ProgramFolder.h"
#include "cli/Commands.h"
#include "cli/CommandSupport.h"
#include "cli/ExportFailureOutput.h"
#include "platform/Cp1252.h"
#include "tensile/PunchExport.h"

#include <algorithm>

namespace waybill::cli {

CommandStatus ExportPunchesCommand(const CommandArguments& args, std::ostream& out,
                                   std::ostream& err) {
    const auto dat = ChosenFileName(args.positional[1]);
    if (!dat) {
        return WrongUsage{"DAT is blank"};
    }
    const PunchSelection selection =
        args.Flag("--all") ? PunchSelection::All : PunchSelection::Only;
    const auto templatesFile = args.Option("--templates");
    const std::filesystem::path templates =
        templatesFile ? PathFromUtf8(*templatesFile) : ProgramFolder() / kPunchTemplatesName;
    const std::filesystem::path datPath = PathFromUtf8(*dat);

    const auto book = ReadDocumentFor(args.positional[0], err);
    if (!book) {
        return 1;
    }
    if (!MayWriteOutput(datPath, err, args.Flag("--force"))) {
        return 1;
    }
    const auto result = ExportPunches(*book, selection, templates, datPath);
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
