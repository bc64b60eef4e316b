#pragma once

#include "cli/CommandTable.h"

#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace waybill::cli {

// The words of the detail command: a generator, its variants and its fields.
struct GeneratorWords {
    std::string_view name;
    std::vector<std::string_view> variants;
    std::vector<std::string_view> fields;
};

// "usage: waybill-cli NAME SYNOPSIS", wrapped to 80 columns: what wrong usage of a command
// shows.
void WriteCommandUsage(std::ostream& out, const CliCommand& command);

// The text of "waybill-cli NAME --help": the command's usage, description and exit status.
void WriteCommandHelp(std::ostream& out, const CliCommand& command);

// The text of --help: the usage, every command with its arguments and description, the
// options and the exit status, wrapped to 80 columns.
void WriteUsage(std::ostream& out, std::span<const CliCommand> commands);

// What wrong usage of the program as a whole shows: how it is called and the commands' names,
// wrapped to 80 columns; --help has the rest.
void WriteShortUsage(std::ostream& out, std::span<const CliCommand> commands);

// The manual page waybill-cli(1) in roff, from the same table.
void WriteManPage(std::ostream& out, std::span<const CliCommand> commands,
                  std::string_view version);

// A bash completion script for waybill-cli: the commands, each command's options (file names
// after the options that take a FILE), and the detail command's generators, variants and
// fields.
void WriteBashCompletion(std::ostream& out, std::span<const CliCommand> commands,
                         std::span<const GeneratorWords> generators);

} // namespace waybill::cli
