#include "cli/Commands.h"
#include "cli/CommandSession.h"
#include "cli/CommandSupport.h"

namespace waybill::cli {

int Recompose(const std::vector<std::string>& args, std::ostream&, std::ostream& err) {
    const auto split = SplitArguments(args, {"--refdb"}, {"--force"}, err);
    if (!split) {
        return 2;
    }
    if (split->positional.size() != 2) {
        err << "usage: waybill-cli recompose IN.fwb OUT.fwb [--refdb FILE] [--force]\n";
        return 2;
    }
    const auto database = OpenDatabaseFor(split->Option("--refdb"), err);
    if (!database) {
        return 1;
    }
    auto read = ReadDocumentFor(split->positional[0], err);
    if (!read) {
        return 1;
    }
    CommandSession session(database.get(), std::move(*read), err);
    session->Recompose();
    return WriteDocumentFor(session->Waybill(), split->positional[1], err, split->Flag("--force"))
               ? 0
               : 1;
}

} // namespace waybill::cli
