#pragma once

#include "cli/CommandArguments.h"

#include <ostream>
#include <string_view>
#include <vector>

namespace waybill::cli {

// A command: its arguments as its synopsis reads them, what it prints and its exit status.
using CommandRun = CommandStatus (*)(const CommandArguments& args, std::ostream& out,
                                     std::ostream& err);

// One command of waybill-cli: its row of the command table, from which its arguments are read
// and its usage, --help, the manual page and the shell's completion are written.
struct CliCommand {
    std::string_view name{};
    // The arguments after the name, in the form Synopsis.h reads.
    std::string_view synopsis{};
    // What it does, as a verb phrase for the manual page's DESCRIPTION: "converts legacy
    // documents".
    std::string_view summary{};
    // Paragraphs separated by an empty line. A paragraph "TERM\tTEXT" is an entry of a list:
    // a word and what it means.
    std::string_view description{};
    // Its exit statuses where they are not the common ones (0 success, 1 nothing written, 2
    // wrong usage); empty when they are.
    std::string_view exitStatus{};
    // Nothing where the build lacks it.
    CommandRun run = nullptr;
};

// The commands in the order --help lists them. The pdf command paints with Qt: `pdf` is its
// run in the build with the editor, and nothing in the core-only build.
std::vector<CliCommand> CommandTable(CommandRun pdf);

} // namespace waybill::cli
