// waybill-cli diff (Diff, cli/Commands.h).
#include "cli/Commands.h"
#include "cli/CommandSupport.h"
#include "cli/TerminalText.h"
#include "compare/BookComparison.h"
#include "compare/DifferenceText.h"

namespace waybill::cli {
namespace {

// Exit statuses as diff(1) has them, not the other commands' "1 wrote nothing"; wrong usage is
// 2 as everywhere.
constexpr int kSame = 0;
constexpr int kDiffer = 1;
constexpr int kTrouble = 2;

std::string_view CsvChange(const Difference& difference) {
    switch (difference.kind) {
    case DifferenceKind::PageAdded:
        return "page added";
    case DifferenceKind::PageRemoved:
        return "page removed";
    case DifferenceKind::PageMoved:
        return "page moved";
    case DifferenceKind::RowAdded:
        return "row added";
    case DifferenceKind::RowRemoved:
        return "row removed";
    case DifferenceKind::BlockAdded:
        return "block added";
    case DifferenceKind::BlockRemoved:
        return "block removed";
    case DifferenceKind::KeptLineAdded:
        return "stored line added";
    case DifferenceKind::KeptLineRemoved:
        return "stored line removed";
    case DifferenceKind::TextChanged:
        break;
    }
    return difference.sameLength ? "same length" : "changed";
}

// A field is quoted when it holds a separator, a quote, a line end, a TAB or blanks at an end,
// so that every text reads back exactly.
std::string CsvField(std::string_view text) {
    const bool quote = text.find_first_of(",\"\r\n\t") != std::string_view::npos ||
                       (!text.empty() && (text.front() == ' ' || text.back() == ' '));
    if (!quote) {
        return std::string(text);
    }
    std::string out = "\"";
    for (const char c : text) {
        out += c;
        if (c == '"') {
            out += '"';
        }
    }
    return out + '"';
}

std::string Number(int n) {
    return n > 0 ? std::to_string(n) : std::string{};
}

std::string CsvRecord(const Difference& difference) {
    const std::string fields[] = {
        std::string(CsvChange(difference)),
        Number(difference.place.page),
        Number(difference.oldPage),
        difference.place.cadNumber,
        Number(difference.place.kind == PlaceKind::Cell ? difference.place.row : 0),
        Number(difference.oldRow),
        difference.partMark,
        DifferencePlaceName(difference),
        difference.oldText,
        difference.newText,
    };
    std::string record = CsvField(fields[0]);
    for (std::size_t k = 1; k < std::size(fields); ++k) {
        record += ',' + CsvField(fields[k]);
    }
    return record;
}

} // namespace

CommandStatus Diff(const CommandArguments& args, std::ostream& out, std::ostream& err) {
    const std::string format = args.Option("--format").value_or("text");
    if (format != "text" && format != "csv") {
        return WrongUsage{"--format takes text or csv, not \"" + ShownArgument(format) + "\""};
    }
    const auto older = ReadDocumentFor(args.positional[0], err);
    const auto newer = older ? ReadDocumentFor(args.positional[1], err) : std::nullopt;
    if (!newer) {
        return kTrouble;
    }
    const auto database = OpenDatabaseFor(args.Option("--refdb"), err);
    if (!database) {
        return kTrouble;
    }
    const std::vector<Difference> differences = CompareBooks(*older, *newer, *database);
    if (format == "csv") {
        out << "change,page,old page,cad #,row,old row,part mark,place,old,new\n";
    }
    for (const Difference& difference : differences) {
        // Only a quoted CSV field can hold a TAB.
        out << (format == "csv" ? DocumentTerminalText(CsvRecord(difference), Tabs::Kept)
                                : DocumentTerminalText(DescribeDifference(difference)))
            << '\n';
    }
    return differences.empty() ? kSame : kDiffer;
}

} // namespace waybill::cli
