#include "cli/CommandHelp.h"

#include <gtest/gtest.h>
#include <sstream>

namespace waybill::cli {
namespace {

const CliCommand kTable[] = {
    {.name = "copy",
     .synopsis = "IN OUT [--refdb FILE] [--pages A-B]",
     .summary = "copies documents",
     .description = "Copy IN to OUT, a sentence long enough to need a second line when it is "
                    "wrapped at eighty columns.\n\n"
                    "first-word\tWhat the first word means.\n\n"
                    "second\tAnd the second.\n\n"
                    ".dotted -minus \\ after the list."},
    {.name = "detail",
     .synopsis = "IN (--all | --only) [--flag]",
     .summary = "details them",
     .description = "Detail IN.",
     .exitStatus = "0 detailed, 1 -not."},
};

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

TEST(CommandHelpTest, UsageWrapsAtEightyColumnsAndIndentsListEntries) {
    std::ostringstream out;
    WriteUsage(out, kTable);
    const std::vector<std::string> lines = Lines(out.str());
    for (const std::string& line : lines) {
        EXPECT_LE(line.size(), 80u) << line;
    }
    const auto at = [&](const std::string& text) {
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (lines[i] == text) {
                return i;
            }
        }
        ADD_FAILURE() << "no line \"" << text << "\"";
        return lines.size();
    };
    const std::size_t copy = at("  copy IN OUT [--refdb FILE] [--pages A-B]");
    EXPECT_EQ(lines[copy + 1].rfind("      Copy IN to OUT, ", 0), 0u);
    EXPECT_EQ(lines[copy + 2], "      wrapped at eighty columns.");
    EXPECT_EQ(lines[copy + 3], "        first-word");
    EXPECT_EQ(lines[copy + 4], "          What the first word means.");
    at("  detail IN (--all | --only) [--flag]");
    at("  --version    Show the version.");
    // The common exit statuses, then a command's own.
    EXPECT_LT(out.str().find("\nExit status: 0 success"), out.str().find("\n  detail: 0 detailed"));
    at("  detail: 0 detailed, 1 -not.");
}

// One command's help: its usage, its description as --help gives it (less the indent) and
// its own exit status where it has one.
TEST(CommandHelpTest, ACommandsHelpHasItsUsageDescriptionAndExitStatus) {
    std::ostringstream copy, detail;
    WriteCommandHelp(copy, kTable[0]);
    WriteCommandHelp(detail, kTable[1]);
    const std::vector<std::string> lines = Lines(copy.str());
    ASSERT_GE(lines.size(), 5u);
    EXPECT_EQ(lines[0], "usage: waybill-cli copy IN OUT [--refdb FILE] [--pages A-B]");
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[2].rfind("Copy IN to OUT, ", 0), 0u);
    EXPECT_EQ(lines[4], "  first-word");
    EXPECT_NE(copy.str().find("\n\nExit status: 0 success, "), std::string::npos);
    EXPECT_EQ(detail.str(), "usage: waybill-cli detail IN (--all | --only) [--flag]\n\n"
                            "Detail IN.\n\nExit status: 0 detailed, 1 -not.\n");
}

TEST(CommandHelpTest, ManPageEscapesRoffAndNestsTheListInItsCommand) {
    std::ostringstream out;
    WriteManPage(out, kTable, "2.5");
    const std::string page = out.str();
    EXPECT_EQ(page.rfind(".TH WAYBILL\\-CLI 1 \"\" \"Waybill 2.5\"", 0), 0u);
    EXPECT_NE(page.find(".TP\n\\fBcopy\\fR IN OUT [\\-\\-refdb FILE] [\\-\\-pages A\\-B]\nCopy IN"),
              std::string::npos);
    EXPECT_NE(page.find("columns.\n.RS\n.TP\n\\fBfirst\\-word\\fR\nWhat the first word means.\n"
                        ".TP\n\\fBsecond\\fR\nAnd the second.\n.RE\n.IP\n"
                        "\\&.dotted \\-minus \\e after the list.\n"),
              std::string::npos)
        << page;
    EXPECT_NE(
        page.find(".TP\n\\fBdetail\\fR IN (\\-\\-all | \\-\\-only) [\\-\\-flag]\nDetail IN.\n"),
        std::string::npos);
    // Every command in the description; a command's own exit statuses after the common ones.
    EXPECT_NE(page.find(".SH DESCRIPTION\n.B waybill\\-cli\n"), std::string::npos);
    EXPECT_NE(page.find(" line: it copies documents and details them.\n.SH COMMANDS\n"),
              std::string::npos);
    const std::size_t exitStatus = page.find(".SH EXIT STATUS\n0 success");
    EXPECT_NE(exitStatus, std::string::npos);
    EXPECT_EQ(page.find(".TP\n.B detail\n0 detailed, 1 \\-not.\n.SH FILES\n"),
              page.find(".TP\n.B detail\n", exitStatus));
}

TEST(CommandHelpTest, CompletionOffersCommandsOptionsFilesAndGeneratorWords) {
    const GeneratorWords generators[] = {
        {"gutter", {"oversize", "standard"}, {"Width", "Depth"}},
        {"cap-trim", {}, {"Dim"}},
    };
    std::ostringstream out;
    WriteBashCompletion(out, kTable, generators);
    const std::string script = out.str();
    for (const char* expected : {
             "compgen -W 'copy detail --help --version'",
             "    copy)\n        case $prev in\n        --refdb) _filedir; return ;;\n"
             "        --pages) return ;;\n        esac\n",
             "compgen -W '--refdb --pages'",
             "compgen -W '--all --only --flag'",
             "compgen -W 'gutter cap-trim'",
             "gutter)\n                choices='Width= Depth='\n"
             "                ((n == 3)) && choices=\"oversize standard $choices\"\n",
             "cap-trim)\n                choices='Dim='\n                ;;\n",
             "complete -F _waybill_cli waybill-cli\n",
         }) {
        EXPECT_NE(script.find(expected), std::string::npos) << expected;
    }
}

} // namespace
} // namespace waybill::cli
