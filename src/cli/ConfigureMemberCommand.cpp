#include "catalog/Finishes.h"
#include "cli/Commands.h"
#include "cli/CommandSession.h"
#include "cli/CommandSupport.h"
#include "units/Text.h"

#include <charconv>
#include <optional>

namespace waybill::cli {
namespace {

constexpr const char* kConfigureMemberUsage =
    "usage: waybill-cli configure-member IN.fwb OUT.fwb --page N --size S --flange F --gauge G\n"
    "                   [--pregalv] [--finish NAME] [--refdb FILE] [--force]\n";

// A whole number as typed: digits only.
std::optional<int> WholeNumber(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size() || value < 0) {
        return std::nullopt;
    }
    return value;
}

struct Options {
    std::string in;
    std::string out;
    std::optional<std::string> refdb;
    int page = 0;
    std::string size;
    std::string flange;
    std::string gauge;
    bool preGalvanized = false;
    bool force = false;
    std::optional<std::string> finish; // Windows-1252
};

// Nothing on wrong usage (the message is written).
std::optional<Options> ParseOptions(const std::vector<std::string>& args, std::ostream& err) {
    const auto split =
        SplitArguments(args, {"--page", "--size", "--flange", "--gauge", "--finish", "--refdb"},
                       {"--pregalv", "--force"}, err);
    if (!split) {
        return std::nullopt;
    }
    for (const std::string& arg : split->positional) {
        if (arg.starts_with("--")) {
            err << "waybill-cli: unknown or incomplete option \"" << ShownArgument(arg) << "\"\n"
                << kConfigureMemberUsage;
            return std::nullopt;
        }
    }
    Options options;
    options.refdb = split->Option("--refdb");
    options.size = split->Option("--size").value_or("");
    options.flange = split->Option("--flange").value_or("");
    options.gauge = split->Option("--gauge").value_or("");
    options.finish = split->Option("--finish");
    options.preGalvanized = split->Flag("--pregalv");
    options.force = split->Flag("--force");
    const auto page = split->Option("--page");
    if (split->positional.size() != 2 || !page || options.size.empty() || options.flange.empty() ||
        options.gauge.empty()) {
        err << kConfigureMemberUsage;
        return std::nullopt;
    }
    const auto pageNumber = WholeNumber(*page);
    if (!pageNumber || *pageNumber < 1) {
        err << "waybill-cli: \"" << ShownArgument(*page) << "\" is no page number\n"
            << kConfigureMemberUsage;
        return std::nullopt;
    }
    options.in = split->positional[0];
    options.out = split->positional[1];
    options.page = *pageNumber;
    return options;
}

// The list index of a typed number, or a message naming the list.
std::optional<std::size_t> ListChoice(const std::string& typed,
                                      std::optional<std::size_t> (*find)(int),
                                      std::string_view what, std::string_view items,
                                      std::ostream& err) {
    const auto number = WholeNumber(typed);
    const auto index = number ? find(*number) : std::nullopt;
    if (!index) {
        err << "waybill-cli: " << what << " " << ShownArgument(typed) << " is not in the list ("
            << items << ").\n";
    }
    return index;
}

// The hi-tensile finish named `name` (letter case ignored), in the catalogue's spelling.
std::optional<std::string> HitenFinish(std::string_view name) {
    for (const clsFinish& entry : HitenFinishes().Entries()) {
        if (!entry.LongName.empty() && EqualsNoCase(entry.LongName, name)) {
            return entry.LongName;
        }
    }
    return std::nullopt;
}

// The choices of the options; nothing when one is not offered (the message is written).
std::optional<MemberChoices> Choices(const Options& options, std::ostream& err) {
    MemberChoices choices;
    choices.size =
        ListChoice(options.size, FindMemberSize, "Member size", "4, 6, 8, 10, 12 or 14", err);
    choices.flange =
        ListChoice(options.flange, FindMemberFlange, "Nominal flange width", "2, 3 or 4", err);
    choices.gauge = ListChoice(options.gauge, FindMemberGauge, "Gauge", "12, 14 or 16", err);
    choices.preGalvanized = options.preGalvanized;
    if (!options.preGalvanized) {
        if (!options.finish) {
            err << "waybill-cli: a finish (--finish) is needed unless the member is "
                   "pre-galvanized (--pregalv).\n";
            return std::nullopt;
        }
        choices.finish = HitenFinish(*options.finish);
        if (!choices.finish) {
            PrintMessage(err, "Finish " + *options.finish + " is not a hi-tensile finish.");
            return std::nullopt;
        }
    }
    if (!MemberChoicesComplete(choices)) {
        return std::nullopt;
    }
    return choices;
}

} // namespace

int ConfigureMember(const std::vector<std::string>& args, std::ostream&, std::ostream& err) {
    const auto options = ParseOptions(args, err);
    if (!options) {
        return 2;
    }
    const auto choices = Choices(*options, err);
    if (!choices) {
        return 1;
    }

    const auto database = OpenDatabaseFor(options->refdb, err);
    if (!database) {
        return 1;
    }
    auto read = ReadDocumentFor(options->in, err);
    if (!read) {
        return 1;
    }
    if (options->page > read->PageCount()) {
        err << "waybill-cli: the document has " << read->PageCount() << " pages, not "
            << options->page << "\n";
        return 1;
    }

    CommandSession session(database.get(), std::move(*read), err);
    session->ShowPage(options->page);
    const auto target = session->MemberToConfigure();
    if (!target) {
        err << "waybill-cli: page " << options->page << " is not a Zee or Cee page.\n";
        return 1;
    }
    const auto encoding = EncodeMemberConfig(target->section, *choices);
    if (!encoding || !session->ConfigureMember(*encoding)) {
        err << "waybill-cli: the configuration gives no part code.\n";
        return 1;
    }
    return WriteDocumentFor(session->Waybill(), options->out, err, options->force) ? 0 : 1;
}

} // namespace waybill::cli
