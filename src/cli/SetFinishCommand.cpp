#include "cli/Commands.h"
#include "cli/CommandSession.h"
#include "cli/CommandSupport.h"

#include <optional>

namespace waybill::cli {

constexpr const char* kSetFinishUsage =
    "usage: waybill-cli set-finish IN.fwb OUT.fwb FINISH [--pages A-B] [--refdb FILE]\n"
    "       [--force]\n";

int SetFinish(const std::vector<std::string>& args, std::ostream&, std::ostream& err) {
    const auto split = SplitArguments(args, {"--refdb", "--pages"}, {"--force"}, err);
    if (!split) {
        return 2;
    }
    std::optional<PageSpan> span;
    if (const auto pages = split->Option("--pages")) {
        span = ParsePageSpan(*pages);
        if (!span) {
            err << "waybill-cli: \"" << ShownArgument(*pages) << "\" is no page range\n"
                << kSetFinishUsage;
            return 2;
        }
    }
    if (split->positional.size() != 3) {
        err << kSetFinishUsage;
        return 2;
    }
    const std::string& finish = split->positional[2];

    const auto database = OpenDatabaseFor(split->Option("--refdb"), err);
    if (!database) {
        return 1;
    }
    auto read = ReadDocumentFor(split->positional[0], err);
    if (!read) {
        return 1;
    }
    const int pages = read->PageCount();
    const int first = span ? span->first : 1;
    const int last = span ? span->last : pages;
    if (last > pages) {
        err << "waybill-cli: the document has " << pages << " pages, not " << last << "\n";
        return 1;
    }

    CommandSession session(database.get(), std::move(*read), err);
    for (int page = first; page <= last; ++page) {
        session->ShowPage(page);
        if (!session->PickFinish(finish)) {
            return 1;
        }
    }
    return WriteDocumentFor(session->Waybill(), split->positional[1], err, split->Flag("--force"))
               ? 0
               : 1;
}

} // namespace waybill::cli
