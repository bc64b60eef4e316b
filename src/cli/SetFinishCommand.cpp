#include "catalog/Finishes.h"
#include "catalog/FinishRules.h"
#include "catalog/SheetParts.h"
#include "cli/Commands.h"
#include "cli/CommandSupport.h"
#include "page/PageData.h"
#include "refdb/ReferenceDatabase.h"
#include "units/Text.h"

#include <optional>
#include <variant>

namespace waybill::cli {
namespace {

constexpr const char* kSetFinishUsage =
    "usage: waybill-cli set-finish IN.fwb OUT.fwb FINISH [--pages A-B] [--refdb FILE]\n";

// The entry of the page's finish list named `finish` (letter case ignored), blank included.
const clsFinish* OfferedFinish(const FinishCatalogue& finishes, std::string_view finish) {
    for (const clsFinish& entry : finishes.Entries()) {
        if (EqualsNoCase(entry.LongName, finish)) {
            return &entry;
        }
    }
    return nullptr;
}

} // namespace

int SetFinish(const std::vector<std::string>& args, std::ostream&, std::ostream& err) {
    const auto split = SplitArguments(args, {"--refdb", "--pages"}, {}, err);
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
    Book& book = *read;
    const int first = span ? span->first : 1;
    const int last = span ? span->last : book.PageCount();
    if (last > book.PageCount()) {
        err << "waybill-cli: the document has " << book.PageCount() << " pages, not " << last
            << "\n";
        return 1;
    }

    const std::optional<SheetPartTable> sheetParts = SheetPartTable::Read(*database);
    BlockAttribDefs attribDefs(*database);
    const RenderContext context{*database, kDefaultArea, &attribDefs};
    PageView view;
    SetTblkInfo(view, book);
    for (int page = first; page <= last; ++page) {
        book.GotoPage(page);
        RenderPageData(view, book, page, context);
        for (const UserMessage& message : view.messages) {
            PrintMessage(err, message.text);
        }
        const std::string cadBase = CadBase(view.titleBlock[TblkCadNumber]);
        const clsFinish* offered =
            OfferedFinish(SetPageFinishes(cadBase, view.titleBlock[TblkFinish]), finish);
        if (offered == nullptr) {
            PrintMessage(err, "Finish " + finish + " is not offered for page " +
                                  std::to_string(page) + ".");
            return 1;
        }
        const auto picked = PickFinish(view, sheetParts, offered->LongName);
        if (const auto* message = std::get_if<UserMessage>(&picked)) {
            PrintMessage(err, message->text);
            return 1;
        }
        ApplyPageChanges(view, std::get<PageChanges>(picked));
        ComposePageData(view, book);
    }
    book.FirstPage();
    return WriteDocumentFor(book, split->positional[1], err) ? 0 : 1;
}

} // namespace waybill::cli
