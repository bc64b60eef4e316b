// waybill-cli set-finish (SetFinish, cli/Commands.h).
#include "cli/Commands.h"
#include "cli/CommandSession.h"
#include "cli/CommandSupport.h"

#include <optional>

namespace waybill::cli {

CommandStatus SetFinish(const CommandArguments& args, std::ostream&, std::ostream& err) {
    std::optional<PageSpan> span;
    if (const auto pages = args.Option("--pages")) {
        span = ParsePageSpan(*pages);
        if (!span) {
            return WrongUsage{"\"" + ShownArgument(*pages) + "\" is no page range"};
        }
    }
    const std::string& finish = args.positional[2];

    auto input = ReadInput(args, err);
    if (!input) {
        return 1;
    }
    const int pages = input->book.PageCount();
    const int first = span ? span->first : 1;
    const int last = span ? span->last : pages;
    if (last > pages) {
        err << "waybill-cli: the document has " << pages << " pages, not " << last << "\n";
        return 1;
    }

    CommandSession session(std::move(*input), err);
    for (int page = first; page <= last; ++page) {
        session->ShowPage(page);
        if (!session->PickFinish(finish)) {
            return 1;
        }
    }
    return WriteOutput(session->Waybill(), args, err);
}

} // namespace waybill::cli
