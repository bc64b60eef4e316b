#include "cli/Commands.h"
#include "cli/CommandSupport.h"
#include "model/FwbFile.h"
#include "model/ReadDocument.h"
#include "page/PageData.h"
#include "refdb/ReferenceDatabase.h"

namespace waybill::cli {
int Recompose(const std::vector<std::string>& args, std::ostream&, std::ostream& err) {
    std::vector<std::string> files;
    std::optional<std::filesystem::path> refdb;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--refdb" && i + 1 < args.size()) {
            refdb = args[++i];
        } else {
            files.push_back(args[i]);
        }
    }
    if (files.size() != 2) {
        err << "usage: waybill-cli recompose IN.fwb OUT.fwb [--refdb FILE]\n";
        return 2;
    }
    const std::filesystem::path in = files[0];
    const std::filesystem::path out = files[1];

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

    BlockAttribDefs attribDefs(*opened.database);
    const RenderContext context{*opened.database, kDefaultArea, &attribDefs};
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

    if (const auto writeFailure = WriteFWB(book, out)) {
        PrintMessage(err, writeFailure->text);
        return 1;
    }
    return 0;
}

} // namespace waybill::cli
