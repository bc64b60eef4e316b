#pragma once

#include "cli/CommandArguments.h"
#include "cli/CommandHelp.h"

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace waybill::cli {

// The commands of the command table: each takes its arguments as its synopsis reads them, so
// the arguments and options the synopsis requires are there. Each is in the .cpp file of its
// name with "Command" (Convert in ConvertCommand.cpp).
CommandStatus Convert(const CommandArguments& args, std::ostream& out, std::ostream& err);
CommandStatus Recompose(const CommandArguments& args, std::ostream& out, std::ostream& err);
CommandStatus SetFinish(const CommandArguments& args, std::ostream& out, std::ostream& err);
CommandStatus Detail(const CommandArguments& args, std::ostream& out, std::ostream& err);
CommandStatus ExportTableCommand(const CommandArguments& args, std::ostream& out,
                                 std::ostream& err);
CommandStatus ExportPunchesCommand(const CommandArguments& args, std::ostream& out,
                                   std::ostream& err);
// Exit status 0 when the documents are the same, 1 when they differ, 2 on trouble.
CommandStatus Diff(const CommandArguments& args, std::ostream& out, std::ostream& err);
CommandStatus ConfigureMember(const CommandArguments& args, std::ostream& out, std::ostream& err);
CommandStatus Find(const CommandArguments& args, std::ostream& out, std::ostream& err);
// The detail command's generators with their variants and fields, and its --help text, both
// from the trim-detail catalogue.
std::vector<GeneratorWords> DetailGeneratorWords();
std::string_view DetailDescription();
// Only in the Qt build (WAYBILL_CLI_PDF): it paints the sheets.
CommandStatus Pdf(const CommandArguments& args, std::ostream& out, std::ostream& err);

} // namespace waybill::cli
