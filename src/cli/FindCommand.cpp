#include "cli/Commands.h"
#include "cli/CommandSupport.h"
#include "find/TextSearch.h"
#include "platform/Cp1252.h"
#include "units/Text.h"

namespace waybill::cli {
namespace {

// Where a hit is, after the file name: "page P (CAD), " and the place.
std::string Where(const Place& place) {
    return "page " + std::to_string(place.page) + " (" + place.cadNumber + "), " +
           DescribePlace(place);
}

} // namespace

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
            out << file << ": " << Cp1252ToUtf8(Where(hit.place) + ": " + hit.text) << '\n';
        }
    }
    return found ? 0 : 1;
}

} // namespace waybill::cli
