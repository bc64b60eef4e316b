#pragma once

#include "cli/CommandHelp.h"

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace waybill::cli {

// Each command takes its own arguments (after the command name) and returns the exit status.
int Convert(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int Recompose(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int SetFinish(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int Detail(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int ExportTableCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int ExportPunchesCommand(const std::vector<std::string>& args, std::ostream& out,
                         std::ostream& err);
// Exit status 0 when the documents are the same, 1 when they differ, 2 on trouble.
int Diff(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int ConfigureMember(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int Find(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
// The detail command's generators with their variants and fields, and its --help text, both
// from the trim-detail catalogue.
std::vector<GeneratorWords> DetailGeneratorWords();
std::string_view DetailDescription();
// Only in the Qt build (WAYBILL_CLI_PDF): it paints the sheets.
int Pdf(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace waybill::cli
