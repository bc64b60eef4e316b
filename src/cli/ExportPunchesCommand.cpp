#include "app/DocumentName.h"
#include "cli/Commands.h"
#include "cli/CommandSupport.h"
#include "cli/ExportFailureOutput.h"
#include "platform/StoredSettings.h"
#include "tensile/PunchExport.h"

namespace waybill::cli {

int ExportPunchesCommand(const std::vector<std::string>& args, std::ostream& out,
                         std::ostream& err) {
    std::vector<std::string> files;
    std::optional<PunchSelection> selection;
    std::filesystem::path templates = ProgramFolder() / kPunchTemplatesName;
    bool usage = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--templates" && i + 1 < args.size()) {
            templates = args[++i];
        } else if (args[i] == "--all" || args[i] == "--only") {
            usage = usage || selection.has_value();
            selection = args[i] == "--all" ? PunchSelection::All : PunchSelection::Only;
        } else {
            files.push_back(args[i]);
        }
    }
    const auto dat = files.size() == 2 ? ChosenFileName(files[1]) : std::nullopt;
    if (usage || !dat || !selection) {
        err << "usage: waybill-cli export-punches IN.fwb DAT (--all | --only) [--templates FILE]\n";
        return 2;
    }

    const auto book = ReadDocumentFor(files[0], err);
    if (!book) {
        return 1;
    }
    const auto result = ExportPunches(*book, *selection, templates, *dat);
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
