#include "cli/CommandLine.h"

#include "cli/CommandHelp.h"
#include "cli/Commands.h"

namespace waybill::cli {
namespace {

// The command's arguments read by its synopsis, then the command; wrong usage either way is
// told with the command's usage.
int RunCommand(const CliCommand& command, const std::vector<std::string>& args, std::ostream& out,
               std::ostream& err) {
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        WriteCommandHelp(out, command);
        return 0;
    }
    const auto parsed = ParseArguments(ReadSynopsis(command.synopsis), args);
    const auto* arguments = std::get_if<CommandArguments>(&parsed);
    if (arguments && !command.run) {
        err << "waybill-cli: " << command.name << " needs the build with the editor (Qt)\n";
        return 2;
    }
    const CommandStatus status =
        arguments ? command.run(*arguments, out, err) : CommandStatus(std::get<WrongUsage>(parsed));
    if (const auto* wrong = std::get_if<WrongUsage>(&status)) {
        err << "waybill-cli " << command.name << ": " << wrong->problem << '\n';
        WriteCommandUsage(err, command);
        return 2;
    }
    return std::get<int>(status);
}

int Dispatch(std::span<const CliCommand> commands, const std::vector<std::string>& args,
             std::ostream& out, std::ostream& err, std::string_view version) {
    if (args.empty()) {
        WriteShortUsage(err, commands);
        return 2;
    }
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        WriteUsage(out, commands);
        return 0;
    }
    if (args.size() == 1 && args[0] == "--version") {
        out << "waybill-cli " << version << '\n';
        return 0;
    }
    // For the build, which installs what these write beside the program.
    if (args.size() == 1 && args[0] == "--man") {
        WriteManPage(out, commands, version);
        return 0;
    }
    if (args.size() == 1 && args[0] == "--bash-completion") {
        WriteBashCompletion(out, commands, DetailGeneratorWords());
        return 0;
    }
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    for (const CliCommand& command : commands) {
        if (args[0] == command.name) {
            return RunCommand(command, rest, out, err);
        }
    }
    err << "waybill-cli: unknown command \"" << args[0] << "\"\n";
    WriteShortUsage(err, commands);
    return 2;
}

} // namespace

int RunCommandLine(std::span<const CliCommand> commands, const std::vector<std::string>& args,
                   std::ostream& out, std::ostream& err, std::string_view version) {
    const int status = Dispatch(commands, args, out, err, version);
    if (!out.flush()) {
        err << "waybill-cli: could not write to standard output\n";
        return 2;
    }
    return status;
}

} // namespace waybill::cli
