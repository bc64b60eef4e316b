#include "cli/Commands.h"
#include "cli/CommandSupport.h"
#include "find/TextSearch.h"
#include "platform/Cp1252.h"
#include "units/Text.h"

namespace waybill::cli {
namespace {

constexpr std::string_view kUsage =
    "usage: waybill-cli find TEXT FILE... [--case] [--whole] [--refdb FILE]\n";

// Where a hit is, after the file name: "page P (CAD), " and the place.
std::string Where(const Place& place) {
    return "page " + std::to_string(place.page) + " (" + place.cadNumber + "), " +
           DescribePlace(place);
}

} // namespace

int Find(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    FindOptions options;
    std::optional<std::string> refdb;
    std::vector<std::string> files;
    std::optional<std::string> text;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--case") {
            options.matchCase = true;
        } else if (arg == "--whole") {
            options.wholeCell = true;
        } else if (arg == "--refdb" && i + 1 < args.size()) {
            refdb = args[++i];
        } else if (arg.starts_with("--")) {
            UnknownOption(arg, {"--refdb"}, err);
            return 2;
        } else if (!text) {
            text = ArgumentText(arg, err);
            if (!text) {
                return 2;
            }
        } else {
            files.push_back(arg);
        }
    }
    if (!text || files.empty()) {
        err << kUsage;
        return 2;
    }
    if (TrimView(*text).empty()) {
        err << "waybill-cli: the text to find is empty\n";
        return 2;
    }
    options.text = std::move(*text);

    // Without the database the places still are found, only without headers and tags.
    const auto database = OpenDatabaseFor(refdb, err);
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
