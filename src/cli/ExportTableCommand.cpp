#include "app/DocumentName.h"
#include "cli/Commands.h"
#include "cli/CommandSupport.h"
#include "cli/ExportFailureOutput.h"
#include "export/TableExport.h"
#include "platform/Cp1252.h"
#include "refdb/ReferenceDatabase.h"

namespace waybill::cli {

int ExportTableCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const auto split = SplitArguments(args, {"--refdb"}, {}, err);
    if (!split) {
        return 2;
    }
    const auto outName =
        split->positional.size() == 2 ? ChosenFileName(split->positional[1]) : std::nullopt;
    if (!outName) {
        err << "usage: waybill-cli export-table IN.fwb OUT.txt [--refdb FILE]\n";
        return 2;
    }
    const std::filesystem::path outPath = PathFromUtf8(*outName);

    const auto book = ReadDocumentFor(split->positional[0], err);
    if (!book) {
        return 1;
    }
    if (const auto failure = CheckJobNumber(book->JobNumber)) {
        PrintExportFailure(err, *failure);
        return 1;
    }
    const auto database = OpenDatabaseFor(split->Option("--refdb"), err);
    if (!database) {
        return 1;
    }
    const auto result = ExportTable(*book, *database);
    if (const auto* failure = std::get_if<ExportFailure>(&result)) {
        PrintExportFailure(err, *failure);
        return 1;
    }
    const TableExport& table = std::get<TableExport>(result);
    if (const auto failure = WriteTable(table, outPath)) {
        PrintMessage(err, failure->text);
        return 1;
    }
    PrintMessage(out, TableExportedMessage(table, outPath).text);
    return 0;
}

} // namespace waybill::cli
