#include "cli/Commands.h"
#include "cli/CommandSupport.h"
#include "page/PageData.h"
#include "refdb/ReferenceDatabase.h"

namespace waybill::cli {
int Recompose(const std::vector<std::string>& args, std::ostream&, std::ostream& err) {
    const auto split = SplitArguments(args, {"--refdb"}, {}, err);
    if (!split) {
        return 2;
    }
    if (split->positional.size() != 2) {
        err << "usage: waybill-cli recompose IN.fwb OUT.fwb [--refdb FILE]\n";
        return 2;
    }
    const auto database = OpenDatabaseFor(split->Option("--refdb"), err);
    if (!database) {
        return 1;
    }
    auto read = ReadDocumentFor(split->positional[0], err);
    if (!read) {
        return 1;
    }
    Book& book = *read;

    BlockAttribDefs attribDefs(*database);
    const RenderContext context{*database, kDefaultArea, &attribDefs};
    PageView view;
    SetTblkInfo(view, book);
    for (int page = 1; page <= book.PageCount(); ++page) {
        book.GotoPage(page);
        RenderPageData(view, book, page, context);
        for (const UserMessage& message : view.messages) {
            PrintMessage(err, message.text);
        }
        ComposePageData(view, book);
    }
    book.FirstPage();
    return WriteDocumentFor(book, split->positional[1], err) ? 0 : 1;
}

} // namespace waybill::cli
