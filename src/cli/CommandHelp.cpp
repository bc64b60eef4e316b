#include "cli/CommandHelp.h"

#include "cli/Synopsis.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace waybill::cli {
namespace {

constexpr std::size_t kWidth = 80;

constexpr std::string_view kExitStatus =
    "0 success, 1 the input could not be read or the output written, 2 wrong usage or "
    "standard output that could not be written.";
constexpr std::string_view kTextArguments =
    "File names are used as given; every other argument is text for the document, converted "
    "from UTF-8 to Windows-1252. A character without a Windows-1252 code is wrong usage (2). "
    "Texts are printed as plain text (the drawing font's fractions and symbols as 1/4, CL...), "
    "and control characters from any file as escapes (\\x1B).";
constexpr std::string_view kLockedDocuments =
    "No command writes an OUT (or DAT) that an editor has open (its lock file ~$NAME beside the "
    "file written, links followed, names a holder who may still have it): the holder is printed "
    "and the exit status is 1. --force writes it all the same. Reading a locked IN is fine.";

constexpr std::string_view kUsageLines = "usage: waybill-cli COMMAND [ARGS]\n"
                                         "       waybill-cli [COMMAND] --help\n"
                                         "       waybill-cli --version\n";

std::vector<std::string_view> Split(std::string_view text, std::string_view separator) {
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string_view::npos) {
            return parts;
        }
        start = end + separator.size();
    }
}

// `text` filled into lines of at most kWidth columns (a longer word gets a line of its own),
// the first indented by `first` blanks, the others by `rest`.
void WriteWrapped(std::ostream& out, std::string_view text, std::size_t first, std::size_t rest) {
    std::size_t column = 0;
    for (std::string_view word : BlankSeparatedWords(text)) {
        if (column == 0) {
            out << std::string(first, ' ') << word;
            column = first + word.size();
        } else if (column + 1 + word.size() > kWidth) {
            out << '\n' << std::string(rest, ' ') << word;
            column = rest + word.size();
        } else {
            out << ' ' << word;
            column += 1 + word.size();
        }
    }
    out << '\n';
}

// A list entry "TERM\tTEXT", or nothing for an ordinary paragraph.
struct Entry {
    std::string_view term;
    std::string_view text;
};
std::optional<Entry> AsEntry(std::string_view paragraph) {
    const std::size_t tab = paragraph.find('\t');
    if (tab == std::string_view::npos) {
        return std::nullopt;
    }
    return Entry{paragraph.substr(0, tab), paragraph.substr(tab + 1)};
}

// Text for a roff line: backslashes and minus signs escaped, a leading control character
// made plain.
std::string Roff(std::string_view text) {
    std::string out;
    if (!text.empty() && (text.front() == '.' || text.front() == '\'')) {
        out = "\\&";
    }
    for (const char c : text) {
        if (c == '\\') {
            out += "\\e";
        } else if (c == '-') {
            out += "\\-";
        } else {
            out += c;
        }
    }
    return out;
}

// The common exit statuses, and the lead to the commands' own when some have them.
std::string ExitStatus(std::span<const CliCommand> commands) {
    const bool own = std::any_of(commands.begin(), commands.end(), [](const CliCommand& command) {
        return !command.exitStatus.empty();
    });
    return std::string(kExitStatus) + (own ? " These commands have their own:" : "");
}

// "a, b and c".
std::string Listed(const std::vector<std::string_view>& items) {
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i) {
        text += (i == 0 ? "" : i + 1 == items.size() ? " and " : ", ") + std::string(items[i]);
    }
    return text;
}

std::string Joined(const std::vector<std::string>& words) {
    std::string text;
    for (const std::string& word : words) {
        text += (text.empty() ? "" : " ") + word;
    }
    return text;
}

// A command's description: ordinary paragraphs indented by `indent`, list entries' terms by
// two more and their texts by four more.
void WriteDescription(std::ostream& out, const CliCommand& command, std::size_t indent) {
    for (std::string_view paragraph : Split(command.description, "\n\n")) {
        if (const auto entry = AsEntry(paragraph)) {
            WriteWrapped(out, entry->term, indent + 2, indent + 2);
            WriteWrapped(out, entry->text, indent + 4, indent + 4);
        } else {
            WriteWrapped(out, paragraph, indent, indent);
        }
    }
}

} // namespace

void WriteCommandUsage(std::ostream& out, const CliCommand& command) {
    WriteWrapped(out,
                 "usage: waybill-cli " + std::string(command.name) + " " +
                     std::string(command.synopsis),
                 0, 7);
}

void WriteCommandHelp(std::ostream& out, const CliCommand& command) {
    WriteCommandUsage(out, command);
    out << '\n';
    WriteDescription(out, command, 0);
    out << '\n';
    WriteWrapped(out,
                 "Exit status: " +
                     std::string(command.exitStatus.empty() ? kExitStatus : command.exitStatus),
                 0, 0);
}

void WriteShortUsage(std::ostream& out, std::span<const CliCommand> commands) {
    std::string names;
    for (const CliCommand& command : commands) {
        names += (names.empty() ? "" : ", ") + std::string(command.name);
    }
    out << kUsageLines;
    WriteWrapped(out, "Commands: " + names + ".", 0, 0);
    out << "\"waybill-cli --help\" describes each of them.\n";
}

void WriteUsage(std::ostream& out, std::span<const CliCommand> commands) {
    out << kUsageLines << "\nCommands:\n";
    for (const CliCommand& command : commands) {
        WriteWrapped(out, std::string(command.name) + " " + std::string(command.synopsis), 2, 6);
        WriteDescription(out, command, 6);
        out << '\n';
    }
    out << "Options:\n"
           "  --help       Show this list; after a command, that command's help.\n"
           "  --version    Show the version.\n\n";
    WriteWrapped(out, std::string(kTextArguments), 0, 0);
    out << '\n';
    WriteWrapped(out, std::string(kLockedDocuments), 0, 0);
    out << '\n';
    WriteWrapped(out, "Exit status: " + ExitStatus(commands), 0, 0);
    for (const CliCommand& command : commands) {
        if (!command.exitStatus.empty()) {
            WriteWrapped(out, std::string(command.name) + ": " + std::string(command.exitStatus), 2,
                         4);
        }
    }
}

void WriteManPage(std::ostream& out, std::span<const CliCommand> commands,
                  std::string_view version) {
    std::vector<std::string_view> summaries;
    for (const CliCommand& command : commands) {
        summaries.push_back(command.summary);
    }
    out << ".TH WAYBILL\\-CLI 1 \"\" \"Waybill " << Roff(version) << "\" \"User Commands\"\n"
        << ".SH NAME\n"
           "waybill\\-cli \\- work on Waybill documents from scripts\n"
           ".SH SYNOPSIS\n"
           ".B waybill\\-cli\n"
           ".I COMMAND\n"
           ".RI [ ARGS ]\n"
           ".br\n"
           ".B waybill\\-cli\n"
           ".BR \\-\\-help \" | \" \\-\\-version\n"
           ".SH DESCRIPTION\n"
           ".B waybill\\-cli\n"
           "does what the commands of the Waybill editor do, without a window, on documents "
           "named on its command line: it "
        << Roff(Listed(summaries)) << ".\n.SH COMMANDS\n";
    for (const CliCommand& command : commands) {
        out << ".TP\n\\fB" << Roff(command.name) << "\\fR " << Roff(command.synopsis) << '\n';
        bool first = true;
        bool inList = false;
        for (std::string_view paragraph : Split(command.description, "\n\n")) {
            if (const auto entry = AsEntry(paragraph)) {
                out << (inList ? "" : ".RS\n") << ".TP\n\\fB" << Roff(entry->term) << "\\fR\n"
                    << Roff(entry->text) << '\n';
                inList = true;
            } else {
                out << (inList ? ".RE\n" : "") << (first ? "" : ".IP\n") << Roff(paragraph) << '\n';
                inList = false;
            }
            first = false;
        }
        out << (inList ? ".RE\n" : "");
    }
    out << ".SH OPTIONS\n"
           ".TP\n.B \\-\\-help\nShow the commands and exit; after a command (\\fBwaybill\\-cli\\fR "
           "\\fICOMMAND\\fR \\fB\\-\\-help\\fR), show that command's usage, description and exit "
           "status.\n"
           ".TP\n.B \\-\\-version\nShow the version and exit.\n"
           ".SH NOTES\n"
        << Roff(kTextArguments) << "\n.PP\n"
        << Roff(kLockedDocuments) << "\n"
        << ".SH EXIT STATUS\n"
        << Roff(ExitStatus(commands)) << '\n';
    for (const CliCommand& command : commands) {
        if (!command.exitStatus.empty()) {
            out << ".TP\n.B " << Roff(command.name) << '\n' << Roff(command.exitStatus) << '\n';
        }
    }
    out << ".SH FILES\n"
           ".TP\n.I DefWaybill.db\n"
           "The reference database in the program folder, used when neither \\-\\-refdb nor "
           "the DefDB setting names another.\n"
           ".TP\n.I PunchTemplates.txt\n"
           "The punch templates in the program folder, used when \\-\\-templates names "
           "none.\n"
           ".TP\n.I ~/.config/Waybill/Waybill.conf\n"
           "The editor's settings (\\fB$XDG_CONFIG_HOME/Waybill/Waybill.conf\\fR when that "
           "variable is set); the DefDB key of its [Config] section names the reference "
           "database.\n"
           ".PP\n"
           "The program folder is the folder of the program when it holds Default.fwb, else "
           "\\&../share/waybill beside it (\\fI/usr/share/waybill\\fR when installed from "
           "the package).\n"
           ".SH SEE ALSO\n"
           ".BR waybill (1),\n"
           ".BR waybillstart (1)\n";
}

void WriteBashCompletion(std::ostream& out, std::span<const CliCommand> commands,
                         std::span<const GeneratorWords> generators) {
    std::vector<std::string> names;
    for (const CliCommand& command : commands) {
        names.emplace_back(command.name);
    }
    names.insert(names.end(), {"--help", "--version"});
    out << "# bash completion for waybill-cli (written by waybill-cli --bash-completion)\n"
           "_waybill_cli()\n"
           "{\n"
           "    local cur prev words cword\n"
           "    _init_completion -n = || return\n"
           "    if ((cword == 1)); then\n"
           "        COMPREPLY=($(compgen -W '"
        << Joined(names)
        << "' -- \"$cur\"))\n"
           "        return\n"
           "    fi\n"
           "    case ${words[1]} in\n";
    for (const CliCommand& command : commands) {
        const std::vector<SynopsisOption> options = ReadSynopsis(command.synopsis).options;
        std::vector<std::string> all, files, texts;
        for (const SynopsisOption& option : options) {
            all.push_back(option.name);
            if (option.value == SynopsisOption::Value::File) {
                files.push_back(option.name);
            } else if (option.value == SynopsisOption::Value::Text) {
                texts.push_back(option.name);
            }
        }
        out << "    " << command.name << ")\n";
        if (!files.empty() || !texts.empty()) {
            out << "        case $prev in\n";
            for (const auto& [group, action] :
                 {std::pair{&files, "_filedir; return"}, std::pair{&texts, "return"}}) {
                std::string pattern;
                for (const std::string& name : *group) {
                    pattern += (pattern.empty() ? "" : "|") + name;
                }
                if (!pattern.empty()) {
                    out << "        " << pattern << ") " << action << " ;;\n";
                }
            }
            out << "        esac\n";
        }
        if (!all.empty()) {
            out << "        if [[ $cur == -* ]]; then\n"
                   "            COMPREPLY=($(compgen -W '"
                << Joined(all)
                << "' -- \"$cur\"))\n"
                   "            return\n"
                   "        fi\n";
        }
        if (command.name == "detail") {
            std::vector<std::string> generatorNames;
            for (const GeneratorWords& generator : generators) {
                generatorNames.emplace_back(generator.name);
            }
            // The arguments are IN OUT GENERATOR [VARIANT] [Field=value ...], from words[2].
            out << "        local n=$((cword - 2)) choices=\n"
                   "        if ((n == 2)); then\n"
                   "            COMPREPLY=($(compgen -W '"
                << Joined(generatorNames)
                << "' -- \"$cur\"))\n"
                   "            return\n"
                   "        fi\n"
                   "        if ((n > 2)); then\n"
                   "            case ${words[4]} in\n";
            for (const GeneratorWords& generator : generators) {
                std::vector<std::string> fields, variants;
                for (std::string_view field : generator.fields) {
                    fields.push_back(std::string(field) + "=");
                }
                for (std::string_view variant : generator.variants) {
                    variants.emplace_back(variant);
                }
                out << "            " << generator.name << ")\n"
                    << "                choices='" << Joined(fields) << "'\n";
                if (!variants.empty()) {
                    out << "                ((n == 3)) && choices=\"" << Joined(variants)
                        << " $choices\"\n";
                }
                out << "                ;;\n";
            }
            out << "            esac\n"
                   "            COMPREPLY=($(compgen -W \"$choices\" -- \"$cur\"))\n"
                   "            [[ ${COMPREPLY[0]-} == *= ]] && compopt -o nospace\n"
                   "            return\n"
                   "        fi\n";
        }
        out << "        ;;\n";
    }
    out << "    esac\n"
           "    _filedir\n"
           "} &&\n"
           "    complete -F _waybill_cli waybill-cli\n";
}

} // namespace waybill::cli
