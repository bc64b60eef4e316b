#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace waybill::cli {

// Each command takes its own arguments (after the command name) and returns the exit status.
int Convert(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int Recompose(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// Prints a message of the system (Windows-1252, "\r" between lines) to a terminal.
void PrintMessage(std::ostream& stream, const std::string& cp1252Text);

} // namespace waybill::cli
