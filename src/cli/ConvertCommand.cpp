#include "cli/Commands.h"
#include "cli/CommandSupport.h"

namespace waybill::cli {

int Convert(const std::vector<std::string>& args, std::ostream&, std::ostream& err) {
    if (args.size() != 2) {
        err << "usage: waybill-cli convert IN OUT\n";
        return 2;
    }
    const auto book = ReadDocumentFor(args[0], err);
    return book && WriteDocumentFor(*book, args[1], err) ? 0 : 1;
}

} // namespace waybill::cli
