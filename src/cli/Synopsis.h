#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace waybill::cli {

// A command's synopsis as its row in the command table writes it, read once for the parsing of
// its arguments, the usage checks and the shell's completion. The form: words separated by
// blanks; "[...]" is optional, "(--one | --other)" asks for exactly one of its options;
// "--name VALUE" is an option with a value, a bare "--name" a flag; any other word is an
// argument, "WORD..." or a last "..." repeating it. A VALUE named FILE, and an argument named
// IN, OUT, OLD, NEW, DAT or FILE (an extension aside: OUT.pdf), is a file name; every other
// value and argument is text.
struct SynopsisOption {
    enum class Value { None, File, Text };
    std::string name;
    Value value = Value::None;
    bool required = false;

    bool operator==(const SynopsisOption&) const = default;
};

struct SynopsisArgument {
    std::string name;
    bool file = false;
    bool optional = false;
    bool repeats = false;

    bool operator==(const SynopsisArgument&) const = default;
};

struct Synopsis {
    std::vector<SynopsisOption> options; // each once, in the synopsis' order
    std::vector<SynopsisArgument> arguments;
    std::vector<std::vector<std::string>> oneOf; // the "(--one | --other)" groups

    const SynopsisOption* Option(std::string_view name) const;
};

Synopsis ReadSynopsis(std::string_view synopsis);

// The words of a text, split at blanks (several in a row count as one).
std::vector<std::string_view> BlankSeparatedWords(std::string_view text);

} // namespace waybill::cli
