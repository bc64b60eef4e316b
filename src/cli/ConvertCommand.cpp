#include "cli/Commands.h"
#include "model/FwbFile.h"
#include "model/LegacyImport.h"
#include "platform/Cp1252.h"

namespace waybill::cli {

void PrintMessage(std::ostream& stream, const std::string& cp1252Text) {
    std::string text = Cp1252ToUtf8(cp1252Text);
    for (char& c : text) {
        if (c == '\r') {
            c = '\n';
        }
    }
    stream << text << '\n';
}

int Convert(const std::vector<std::string>& args, std::ostream&, std::ostream& err) {
    if (args.size() != 2) {
        err << "usage: waybill-cli convert IN OUT\n";
        return 2;
    }
    const std::filesystem::path in = args[0];
    const std::filesystem::path out = args[1];
    Book book;
    const auto failure = IsLegacyDocumentPath(in) ? ImportWBL(in, book) : ReadFWB(in, book);
    if (failure) {
        PrintMessage(err, failure->text);
        return 1;
    }
    if (const auto writeFailure = WriteFWB(book, out)) {
        PrintMessage(err, writeFailure->text);
        return 1;
    }
    return 0;
}

} // namespace waybill::cli
