#include "cli/Commands.h"
#include "cli/CommandSupport.h"

namespace waybill::cli {

int Convert(const std::vector<std::string>& args, std::ostream&, std::ostream& err) {
    const auto split = SplitArguments(args, {}, {"--force"}, err);
    if (!split) {
        return 2;
    }
    if (split->positional.size() != 2) {
        err << "usage: waybill-cli convert IN OUT [--force]\n";
        return 2;
    }
    const auto book = ReadDocumentFor(split->positional[0], err);
    return book && WriteDocumentFor(*book, split->positional[1], err, split->Flag("--force")) ? 0
                                                                                              : 1;
}

} // namespace waybill::cli
