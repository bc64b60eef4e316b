#pragma once

#include "cli/CommandHelp.h"

#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace waybill::cli {

// What waybill-cli does with its arguments (after the program's name): a command of the table
// or one of the program's own options. Every way out passes the check of `out`, so output that
// could not be written (a full disk, a closed pipe) is never reported as success: it is
// trouble, status 2, whatever the command returned.
int RunCommandLine(std::span<const CliCommand> commands, const std::vector<std::string>& args,
                   std::ostream& out, std::ostream& err, std::string_view version);

} // namespace waybill::cli
