// waybill-cli find (Find, cli/Commands.h).
#include "cli/Commands.h"
#include "cli/CommandSupport.h"
#include "cli/TerminalText.h"
#include "find/TextSearch.h"
#include "units/Text.h"

namespace waybill::cli {

CommandStatus Find(const CommandArguments& args, std::ostream& out, std::ostream& err) {
    FindOptions options;
    options.matchCase = args.Flag("--case");
    options.wholeCell = args.Flag("--whole");
    options.text = args.positional[0];
    if (TrimView(options.text).empty()) {
        return WrongUsage{"the text to find is empty"};
    }
    const std::vector<std::string> files(args.positional.begin() + 1, args.positional.end());

    // Without the database the places still are found, only without headers and tags.
    const auto database = OpenDatabaseFor(args.Option("--refdb"), err);
    PlaceNames names(database.get());
    bool found = false;
    for (const std::string& file : files) {
        // The reader's message names the file.
        const auto book = ReadDocumentFor(file, err);
        if (!book) {
            continue;
        }
        for (const FindHit& hit : FindAll(*book, names, options)) {
            found = true;
            out << TerminalText(file) << ": "
                << DocumentTerminalText(DescribeWhere(hit.place) + ": " + hit.text) << '\n';
        }
    }
    return found ? 0 : 1;
}

} // namespace waybill::cli
