#pragma once

#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace waybill::cli {

// One command of waybill-cli, as --help, the manual page and the shell's completion show it,
// with the function that runs it.
struct CliCommand {
    std::string_view name{};
    // The arguments after the name; options in the form "--name VALUE", "[--name VALUE]",
    // "[--flag]" or "(--one | --other)". A VALUE named FILE is a file name.
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
    int (*run)(const std::vector<std::string>& args, std::ostream& out,
               std::ostream& err) = nullptr;
};

// The words of the detail command: a generator, its variants and its fields.
struct GeneratorWords {
    std::string_view name;
    std::vector<std::string_view> variants;
    std::vector<std::string_view> fields;
};

// An option of a synopsis and what follows it.
struct SynopsisOption {
    enum class Value { None, File, Text };
    std::string name;
    Value value = Value::None;

    bool operator==(const SynopsisOption&) const = default;
};
std::vector<SynopsisOption> SynopsisOptions(std::string_view synopsis);

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
