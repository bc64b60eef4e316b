#pragma once

#include "cli/Synopsis.h"

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace waybill::cli {

// Wrong usage of a command and what was wrong, as the terminal shows it (UTF-8); the command
// line prints it with the command's synopsis and the exit status is 2.
struct WrongUsage {
    std::string problem;
};

// What a command ends with: its exit status, or wrong usage.
using CommandStatus = std::variant<int, WrongUsage>;

// A command's arguments as its synopsis reads them: the values of the options (the last one
// given wins), the flags given, and the other arguments in order.
//
// The terminal gives UTF-8; the documents hold Windows-1252. Every argument that is text is
// converted here, once; the file names stay as given.
struct CommandArguments {
    std::vector<std::string> positional;
    std::map<std::string, std::string, std::less<>> options;
    std::vector<std::string> flags;

    std::optional<std::string> Option(std::string_view name) const;
    bool Flag(std::string_view name) const;
};

// The arguments, or what is wrong with them: a word starting with "--" the synopsis has no
// option for, an option without its value, an argument missing or one too many, a required
// option missing, none or two of a "( | )" group, a text with a character Windows-1252 has
// no code for.
std::variant<CommandArguments, WrongUsage> ParseArguments(const Synopsis& synopsis,
                                                          const std::vector<std::string>& args);

// A converted argument as the terminal shows it, for a message that repeats it.
std::string ShownArgument(const std::string& cp1252Text);

} // namespace waybill::cli
