#include "cli/CommandArguments.h"

#include "platform/Cp1252.h"

#include <algorithm>
#include <cstdio>

namespace waybill::cli {
namespace {

// The Windows-1252 text of one argument, or why it has none.
std::variant<std::string, WrongUsage> ArgumentText(const std::string& arg) {
    const auto unmapped = FirstUnmappedCharacter(arg);
    if (!unmapped) {
        return Utf8ToCp1252(arg);
    }
    char code[16];
    if (unmapped->codePoint) {
        std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(*unmapped->codePoint));
        return WrongUsage{"\"" + arg + "\" holds \"" + unmapped->utf8 + "\" (" + code +
                          "), which has no Windows-1252 code"};
    }
    std::snprintf(code, sizeof code, "0x%02X",
                  static_cast<unsigned>(static_cast<unsigned char>(unmapped->utf8[0])));
    return WrongUsage{"\"" + arg + "\" holds the byte " + code + ", which is not UTF-8 text"};
}

// What the synopsis still asks for once the arguments are read.
std::optional<WrongUsage> Missing(const Synopsis& synopsis, const CommandArguments& given) {
    std::size_t needed = 0;
    for (const SynopsisArgument& argument : synopsis.arguments) {
        if (!argument.optional && given.positional.size() <= needed++) {
            return WrongUsage{argument.name + " is missing"};
        }
    }
    for (const SynopsisOption& option : synopsis.options) {
        if (option.required && !given.Option(option.name) && !given.Flag(option.name)) {
            return WrongUsage{option.name + " is missing"};
        }
    }
    for (const std::vector<std::string>& group : synopsis.oneOf) {
        const auto count = std::count_if(group.begin(), group.end(),
                                         [&](const std::string& name) { return given.Flag(name); });
        if (count != 1) {
            std::string names;
            for (const std::string& name : group) {
                names += (names.empty() ? "" : " | ") + name;
            }
            return WrongUsage{"one of " + names + " is needed, not " + std::to_string(count)};
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string> CommandArguments::Option(std::string_view name) const {
    const auto found = options.find(name);
    if (found == options.end()) {
        return std::nullopt;
    }
    return found->second;
}

bool CommandArguments::Flag(std::string_view name) const {
    return std::find(flags.begin(), flags.end(), name) != flags.end();
}

std::variant<CommandArguments, WrongUsage> ParseArguments(const Synopsis& synopsis,
                                                          const std::vector<std::string>& args) {
    CommandArguments given;
    // A text is stored converted, a file name as given.
    const auto store = [](const std::string& arg, bool file, std::string& into) {
        if (file) {
            into = arg;
            return std::optional<WrongUsage>();
        }
        auto text = ArgumentText(arg);
        if (auto* wrong = std::get_if<WrongUsage>(&text)) {
            return std::optional<WrongUsage>(std::move(*wrong));
        }
        into = std::move(std::get<std::string>(text));
        return std::optional<WrongUsage>();
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.starts_with("--")) {
            const SynopsisOption* option = synopsis.Option(arg);
            if (!option) {
                return WrongUsage{"unknown option \"" + arg + "\""};
            }
            if (option->value == SynopsisOption::Value::None) {
                given.flags.push_back(arg);
                continue;
            }
            if (i + 1 == args.size()) {
                return WrongUsage{"option \"" + arg + "\" needs a value"};
            }
            if (auto wrong = store(args[++i], option->value == SynopsisOption::Value::File,
                                   given.options[arg])) {
                return std::move(*wrong);
            }
            continue;
        }
        const std::size_t index = given.positional.size();
        const bool repeats = !synopsis.arguments.empty() && synopsis.arguments.back().repeats;
        if (index >= synopsis.arguments.size() && !repeats) {
            return WrongUsage{"one argument too many: \"" + arg + "\""};
        }
        const SynopsisArgument& slot =
            synopsis.arguments[std::min(index, synopsis.arguments.size() - 1)];
        if (auto wrong = store(arg, slot.file, given.positional.emplace_back())) {
            return std::move(*wrong);
        }
    }
    if (auto missing = Missing(synopsis, given)) {
        return std::move(*missing);
    }
    return given;
}

std::string ShownArgument(const std::string& cp1252Text) {
    return Cp1252ToUtf8(cp1252Text);
}

} // namespace waybill::cli
