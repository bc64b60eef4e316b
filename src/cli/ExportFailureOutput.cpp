#include "cli/ExportFailureOutput.h"

#include "cli/CommandSupport.h"

namespace waybill::cli {

void PrintExportFailure(std::ostream& err, const ExportFailure& failure) {
    PrintMessage(err, failure.message.text);
    if (failure.focus == ExportFocus::Cell) {
        err << "page " << failure.page << ", row " << failure.row << ", column " << failure.column
            << '\n';
    } else if (failure.page > 0) {
        err << "page " << failure.page << '\n';
    }
}

} // namespace waybill::cli
