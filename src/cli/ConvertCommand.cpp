// waybill-cli convert (Convert, cli/Commands.h).
#include "cli/Commands.h"
#include "cli/CommandSupport.h"

namespace waybill::cli {

CommandStatus Convert(const CommandArguments& args, std::ostream&, std::ostream& err) {
    const auto book = ReadDocumentFor(args.positional[0], err);
    return book ? WriteOutput(*book, args, err) : 1;
}

} // namespace waybill::cli
