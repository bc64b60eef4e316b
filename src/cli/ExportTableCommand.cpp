#include "cli/Commands.h"
#include "cli/CommandSupport.h"
#include "cli/ExportFailureOutput.h"
#include "export/TableExport.h"
#include "model/ReadDocument.h"
#include "refdb/ReferenceDatabase.h"

namespace waybill::cli {

int ExportTableCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::vector<std::string> files;
    std::optional<std::filesystem::path> refdb;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--refdb" && i + 1 < args.size()) {
            refdb = args[++i];
        } else {
            files.push_back(args[i]);
        }
    }
    if (files.size() != 2) {
        err << "usage: waybill-cli export-table IN.fwb OUT.txt [--refdb FILE]\n";
        return 2;
    }
    const std::filesystem::path outPath = files[1];

    Book book;
    if (const auto failure = ReadDocument(files[0], book)) {
        PrintMessage(err, failure->text);
        return 1;
    }
    if (const auto failure = CheckJobNumber(book.JobNumber)) {
        PrintExportFailure(err, *failure);
        return 1;
    }
    const auto opened = OpenReferenceDatabase(refdb.value_or(DefaultDatabase()));
    if (!opened.database) {
        PrintMessage(err, opened.error);
        return 1;
    }
    const auto result = ExportTable(book, *opened.database);
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
