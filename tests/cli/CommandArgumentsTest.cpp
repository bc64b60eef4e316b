// A command's arguments read by its synopsis: which words are options, values, file names and
// texts, and what is wrong usage.
#include "cli/CommandArguments.h"

#include <gtest/gtest.h>

namespace waybill::cli {
namespace {

using Value = SynopsisOption::Value;

TEST(Synopsis, TellsOptionsValuesFilesAndWhatIsRequired) {
    const Synopsis detail = ReadSynopsis("IN.fwb OUT.fwb GENERATOR [VARIANT] [Field=value ...]");
    EXPECT_EQ(detail.arguments,
              (std::vector<SynopsisArgument>{{"IN.fwb", true},
                                             {"OUT.fwb", true},
                                             {"GENERATOR"},
                                             {"VARIANT", false, true},
                                             {"Field=value", false, true, true}}));
    EXPECT_EQ(ReadSynopsis("TEXT FILE... [--case]").arguments,
              (std::vector<SynopsisArgument>{{"TEXT"}, {"FILE", true, false, true}}));
    struct Case {
        const char* synopsis;
        std::vector<SynopsisOption> options;
    };
    for (const Case& c : {
             Case{"IN OUT", {}},
             Case{"IN [--refdb FILE] [--pages A-B]",
                  {{"--refdb", Value::File}, {"--pages", Value::Text}}},
             Case{"IN DAT (--all | --only) [--templates FILE]",
                  {{"--all"}, {"--only"}, {"--templates", Value::File}}},
             Case{"IN --page N [--pregalv] [--finish NAME] --gauge G",
                  {{"--page", Value::Text, true},
                   {"--pregalv"},
                   {"--finish", Value::Text},
                   {"--gauge", Value::Text, true}}},
             Case{"IN [--a] --b --b", {{"--a"}, {"--b", Value::None, true}}},
         }) {
        EXPECT_EQ(ReadSynopsis(c.synopsis).options, c.options) << c.synopsis;
    }
    EXPECT_EQ(ReadSynopsis("IN DAT (--all | --only) [--x]").oneOf,
              (std::vector<std::vector<std::string>>{{"--all", "--only"}}));
}

TEST(ParseArguments, RefusesWhatTheSynopsisDoesNotAllow) {
    struct Case {
        const char* synopsis;
        std::vector<std::string> args;
        const char* problem; // empty: the arguments are right
    };
    for (const Case& c : {
             Case{"IN OUT [--force]", {"a", "b", "--force"}, ""},
             Case{"IN OUT [--force]", {"a", "--forse", "b"}, "unknown option \"--forse\""},
             Case{"IN OUT [--refdb FILE]",
                  {"a", "b", "--refdb"},
                  "option \"--refdb\" needs a value"},
             Case{"IN OUT", {"a"}, "OUT is missing"},
             Case{"IN OUT", {"a", "b", "c"}, "one argument too many: \"c\""},
             Case{"IN [VARIANT] [Field=value ...]", {"a", "b", "c", "d"}, ""},
             Case{"TEXT FILE...", {"a"}, "FILE is missing"},
             Case{"IN --page N", {"a"}, "--page is missing"},
             Case{"IN (--all | --only)", {"a", "--only"}, ""},
             Case{"IN (--all | --only)", {"a"}, "one of --all | --only is needed, not 0"},
             Case{"IN (--all | --only)",
                  {"a", "--all", "--only"},
                  "one of --all | --only is needed, not 2"},
         }) {
        const auto parsed = ParseArguments(ReadSynopsis(c.synopsis), c.args);
        const auto* wrong = std::get_if<WrongUsage>(&parsed);
        EXPECT_EQ(wrong ? wrong->problem : "", c.problem) << c.synopsis;
    }
}

TEST(ParseArguments, FileNamesStayAsGivenAndTextIsConverted) {
    const std::string e = "\xC3\xA9";
    const auto parsed = ParseArguments(
        ReadSynopsis("IN OUT TEXT [--refdb FILE] [--finish NAME] [--all] [--templates FILE]"),
        {"--refdb", e + ".db", "in" + e, "--finish", "Gr" + e, "--all", "out" + e, "x" + e,
         "--templates", "t" + e});
    const auto* split = std::get_if<CommandArguments>(&parsed);
    ASSERT_TRUE(split);
    EXPECT_EQ(split->positional, (std::vector<std::string>{"in" + e, "out" + e, "x\xE9"}));
    EXPECT_EQ(split->Option("--refdb"), e + ".db");
    EXPECT_EQ(split->Option("--templates"), "t" + e);
    EXPECT_EQ(split->Option("--finish"), "Gr\xE9");
    EXPECT_EQ(split->flags, (std::vector<std::string>{"--all"}));

    const auto bad = ParseArguments(ReadSynopsis("IN OUT TEXT"), {"in", "out", "a\xFF"});
    ASSERT_TRUE(std::holds_alternative<WrongUsage>(bad));
    EXPECT_NE(std::get<WrongUsage>(bad).problem.find("the byte 0xFF, which is not UTF-8"),
              std::string::npos);
}

} // namespace
} // namespace waybill::cli
