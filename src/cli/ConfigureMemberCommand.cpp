#include "catalog/Finishes.h"
#include "cli/Commands.h"
#include "cli/CommandSession.h"
#include "cli/CommandSupport.h"
#include "tensile/MemberConfig.h"
#include "tensile/MemberPage.h"
#include "units/Text.h"

#include <charconv>
#include <optional>

namespace waybill::cli {
namespace {

// A whole number as typed: digits only.
std::optional<int> WholeNumber(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size() || value < 0) {
        return std::nullopt;
    }
    return value;
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
std::optional<MemberChoices> Choices(const CommandArguments& args, std::ostream& err) {
    MemberChoices choices;
    choices.size = ListChoice(*args.Option("--size"), FindMemberSize, "Member size",
                              "4, 6, 8, 10, 12 or 14", err);
    choices.flange = ListChoice(*args.Option("--flange"), FindMemberFlange, "Nominal flange width",
                                "2, 3 or 4", err);
    choices.gauge =
        ListChoice(*args.Option("--gauge"), FindMemberGauge, "Gauge", "12, 14 or 16", err);
    choices.preGalvanized = args.Flag("--pregalv");
    if (!choices.preGalvanized) {
        const auto finish = args.Option("--finish");
        if (!finish) {
            err << "waybill-cli: a finish (--finish) is needed unless the member is "
                   "pre-galvanized (--pregalv).\n";
            return std::nullopt;
        }
        choices.finish = HitenFinish(*finish);
        if (!choices.finish) {
            PrintMessage(err, "Finish " + *finish + " is not a hi-tensile finish.");
            return std::nullopt;
        }
    }
    if (!MemberChoicesComplete(choices)) {
        return std::nullopt;
    }
    return choices;
}

} // namespace

CommandStatus ConfigureMember(const CommandArguments& args, std::ostream&, std::ostream& err) {
    const std::string pageText = *args.Option("--page");
    const auto page = WholeNumber(pageText);
    if (!page || *page < 1) {
        return WrongUsage{"\"" + ShownArgument(pageText) + "\" is no page number"};
    }
    const auto choices = Choices(args, err);
    if (!choices) {
        return 1;
    }

    auto input = ReadInput(args, err);
    if (!input) {
        return 1;
    }
    if (*page > input->book.PageCount()) {
        err << "waybill-cli: the document has " << input->book.PageCount() << " pages, not "
            << *page << "\n";
        return 1;
    }

    CommandSession session(std::move(*input), err);
    session->ShowPage(*page);
    const auto target = session->MemberToConfigure();
    if (!target) {
        err << "waybill-cli: page " << *page << " is not a Zee or Cee page.\n";
        return 1;
    }
    const auto encoding = EncodeMemberConfig(target->section, *choices);
    if (!encoding || !session->ConfigureMember(*encoding)) {
        err << "waybill-cli: the configuration gives no part code.\n";
        return 1;
    }
    return WriteOutput(session->Waybill(), args, err);
}

} // namespace waybill::cli
