#include "cli/Commands.h"
#include "cli/CommandSupport.h"
#include "model/FwbFile.h"
#include "model/ReadDocument.h"

namespace waybill::cli {

int Convert(const std::vector<std::string>& args, std::ostream&, std::ostream& err) {
    if (args.size() != 2) {
        err << "usage: waybill-cli convert IN OUT\n";
        return 2;
    }
    const std::filesystem::path in = args[0];
    const std::filesystem::path out = args[1];
    Book book;
    const auto failure = ReadDocument(in, book);
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
