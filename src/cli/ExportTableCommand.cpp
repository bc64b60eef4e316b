// waybill-cli export-table (ExportTableCommand, cli/Commands.h).
#include "app/DocumentName.h"
#include "cli/Commands.h"
#include "cli/CommandSupport.h"
#include "cli/ExportFailureOutput.h"
#include "export/TableExport.h"
#include "platform/Cp1252.h"
#include "refdb/ReferenceDatabase.h"

namespace waybill::cli {

CommandStatus ExportTableCommand(const CommandArguments& args, std::ostream& out,
                                 std::ostream& err) {
    const auto outName = ChosenFileName(args.positional[1]);
    if (!outName) {
        return WrongUsage{"OUT.txt is blank"};
    }
    const std::filesystem::path outPath = PathFromUtf8(*outName);

    const auto book = ReadDocumentFor(args.positional[0], err);
    if (!book) {
        return 1;
    }
    if (const auto failure = CheckJobNumber(book->JobNumber)) {
        PrintExportFailure(err, *failure);
        return 1;
    }
    const auto database = OpenDatabaseFor(args.Option("--refdb"), err);
    if (!database) {
        return 1;
    }
    const auto result = ExportTable(*book, *database);
    if (const auto* failure = std::get_if<ExportFailure>(&result)) {
        PrintExportFailure(err, *failure);
        return 1;
    }
    const TableExport& table = std::get<TableExport>(result);
    if (!MayWriteOutput(outPath, err, args.Flag("--force"))) {
        return 1;
    }
    if (const auto failure = WriteTable(table, outPath)) {
        PrintMessage(err, failure->text);
        return 1;
    }
    PrintMessage(out, TableExportedMessage(table, outPath).text);
    return 0;
}

} // namespace waybill::cli
