// waybill-cli recompose (Recompose, cli/Commands.h).
#include "cli/Commands.h"
#include "cli/CommandSession.h"
#include "cli/CommandSupport.h"

namespace waybill::cli {

CommandStatus Recompose(const CommandArguments& args, std::ostream&, std::ostream& err) {
    auto input = ReadInput(args, err);
    if (!input) {
        return 1;
    }
    CommandSession session(std::move(*input), err);
    session->Recompose();
    return WriteOutput(session->Waybill(), args, err);
}

} // namespace waybill::cli
