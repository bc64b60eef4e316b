#include "catalog/Finishes.h"
#include "catalog/FinishRules.h"
#include "catalog/SheetParts.h"
#include "cli/Commands.h"
#include "cli/CommandSupport.h"
#include "model/FwbFile.h"
#include "model/ReadDocument.h"
#include "page/PageData.h"
#include "platform/Cp1252.h"
#include "refdb/ReferenceDatabase.h"
#include "units/NumberText.h"
#include "units/Text.h"

#include <optional>

namespace waybill::cli {
namespace {

constexpr const char* kSetFinishUsage =
    "usage: waybill-cli set-finish IN.fwb OUT.fwb FINISH [--pages A-B] [--refdb FILE]\n";

struct PageRange {
    int first = 1;
    int last = 0; // 0: to the last page
};

std::optional<int> PageNumber(std::string_view text) {
    text = TrimView(text);
    if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos) {
        return std::nullopt;
    }
    const auto value = RoundToInt16(NumericValue(text).value_or(0));
    if (!value || *value < 1) {
        return std::nullopt;
    }
    return *value;
}

// "N" or "A-B" with 1 <= A <= B.
std::optional<PageRange> ParsePageRange(std::string_view text) {
    const auto dash = text.find('-');
    const auto first = PageNumber(text.substr(0, dash));
    const auto last = dash == std::string_view::npos ? first : PageNumber(text.substr(dash + 1));
    if (!first || !last || *first > *last) {
        return std::nullopt;
    }
    return PageRange{*first, *last};
}

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
    std::vector<std::string> positional;
    std::optional<std::filesystem::path> refdb;
    std::optional<PageRange> range = PageRange{};
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--refdb" && i + 1 < args.size()) {
            refdb = args[++i];
        } else if (args[i] == "--pages" && i + 1 < args.size()) {
            range = ParsePageRange(args[++i]);
            if (!range) {
                err << "waybill-cli: \"" << args[i] << "\" is no page range\n" << kSetFinishUsage;
                return 2;
            }
        } else {
            positional.push_back(args[i]);
        }
    }
    if (positional.size() != 3) {
        err << kSetFinishUsage;
        return 2;
    }
    const std::filesystem::path in = positional[0];
    const std::filesystem::path out = positional[1];
    const std::string finish = Utf8ToCp1252(positional[2]);

    const auto opened = OpenReferenceDatabase(refdb.value_or(DefaultDatabase()));
    if (!opened.database) {
        PrintMessage(err, opened.error);
        return 1;
    }
    Book book;
    if (const auto failure = ReadDocument(in, book)) {
        PrintMessage(err, failure->text);
        return 1;
    }
    const int last = range->last == 0 ? book.PageCount() : range->last;
    if (last > book.PageCount()) {
        err << "waybill-cli: the document has " << book.PageCount() << " pages, not " << last
            << "\n";
        return 1;
    }

    const SheetPartTable sheetParts = SheetPartTable::Read(*opened.database);
    BlockAttribDefs attribDefs(*opened.database);
    const RenderContext context{*opened.database, kDefaultArea, &attribDefs};
    PageView view;
    SetTblkInfo(view, book);
    for (int page = range->first; page <= last; ++page) {
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
        ApplyPageChanges(view, PickFinish(view, sheetParts, offered->LongName));
        ComposePageData(view, book);
    }
    book.FirstPage();

    if (const auto writeFailure = WriteFWB(book, out)) {
        PrintMessage(err, writeFailure->text);
        return 1;
    }
    return 0;
}

} // namespace waybill::cli
