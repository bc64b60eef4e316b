#include "cli/Commands.h"
#include "CliRun.h"
#include "support/TempDir.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

namespace waybill {
namespace {

using test::CliRun;
using test::RunCommand;
using test::TempDir;

// The grid "sht" (COMP, MARK, QTY) and the block "trim22" with one tag.
std::string MakeDatabase(const TempDir& dir) {
    test::TestDatabase db;
    db.AddLabelledGrid("sht", 4, {"COMP", "MARK", "QTY"});
    db.AddTable("trim22", {"Prompt", "Tag", "DEF_VAL"}, {{"Width", "WID", ""}});
    return db.Write(dir / "ref.db").string();
}

const std::string kCurrent = test::DocumentText("**PAGEDEF\r\nsht01-1,PG,Roof W8X10\r\n"
                                                "ATTRIBLK: trim22\r\n|W8X10 a|W8X10|\r\n"
                                                "GRID: sht\r\n|PANEL|W8X10|2|\r\n");
const std::string kLegacy = "sht01-1\r\n(sht)\r\nPG\r\nRoof %%C\r\n(PANEL w8x10)\r\n***\r\n";

class FindCommand : public testing::Test {
  protected:
    FindCommand()
        : db(MakeDatabase(dir)), current(dir.Write("a.fwb", kCurrent).string()),
          legacy(dir.Write("b.WBL", kLegacy).string()), missing((dir / "gone.fwb").string()) {}

    CliRun Find(std::vector<std::string> args) {
        args.insert(args.end(), {"--refdb", db});
        return RunCommand("find", args);
    }

    TempDir dir;
    std::string db, current, legacy, missing;
};

TEST_F(FindCommand, SearchesEveryFileAndGoesOnPastAnUnreadableOne) {
    const CliRun run = Find({"w8x10", current, missing, legacy});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, current + ": page 1 (sht01-1), block trim22, WID: W8X10 a\n" + current +
                           ": page 1 (sht01-1), block trim22, value 1: W8X10\n" + current +
                           ": page 1 (sht01-1), row 1, column 1 (MARK): W8X10\n" + current +
                           ": page 1 (sht01-1), title-block Shipping List For: Roof W8X10\n" +
                           legacy + ": page 1 (sht01-1), row 1, column 1 (MARK): w8x10\n");
    EXPECT_NE(run.err.find("gone.fwb"), std::string::npos) << run.err;
}

TEST_F(FindCommand, OptionsTextAndStatus) {
    struct Case {
        std::vector<std::string> args;
        int status;
        std::size_t lines;
    };
    const Case cases[] = {
        {{"W8X10", "--case", current, legacy}, 0, 4},
        {{"--whole", "w8x10", current, legacy}, 0, 3},
        {{"W8X10", current, legacy, "--whole", "--case"}, 0, 2},
        {{"\xC2\xBA", legacy}, 0, 1}, // the drawing font's diameter sign, typed as UTF-8
        {{"missing", current, legacy}, 1, 0},
        {{"w8x10", "--bogus", current}, 2, 0},
        {{"  ", current}, 2, 0},
        {{"\xE2\x9C\x93", current}, 2, 0}, // no Windows-1252 code
    };
    for (const Case& c : cases) {
        const CliRun run = Find(c.args);
        EXPECT_EQ(run.status, c.status) << c.args.size() << run.err;
        EXPECT_EQ(static_cast<std::size_t>(std::count(run.out.begin(), run.out.end(), '\n')),
                  c.lines)
            << run.out;
    }
    // The CAD code %%C is the diameter: printed as the plain text of the symbol, and found by
    // it as by the character that looks like it on the page.
    for (const std::string typed : {"\xC2\xBA", "\xC3\x98"}) {
        EXPECT_EQ(Find({typed, legacy}).out,
                  legacy + ": page 1 (sht01-1), title-block Shipping List For: Roof \xC3\x98\n");
    }
}

// The drawing font's symbols print as plain text, a file's control characters as escapes, and
// a document without pages still has its own fields.
TEST_F(FindCommand, PrintsPlainTextAndEscapesWhatCameFromTheFiles) {
#ifdef _WIN32
    const std::string name = "x[2J.fwb"; // Windows names hold no control characters
#else
    const std::string name = "x\x1B[2J.fwb";
#endif
    const std::string odd =
        dir.Write(name, test::DocumentText("**PAGEDEF\r\nsht01-1,PG,Roof\r\n"
                                           "GRID: sht\r\n|\xD0\"\xE8 x 10'-1|\x1B]2;1/4\x07|\r\n"))
            .string();
    std::string cut = odd + ": page 1 (sht01-1), row 1, column ";
    if (const std::size_t escape = cut.find('\x1B'); escape != std::string::npos) {
        cut.replace(escape, 1, "\\x1B");
    }
    for (const std::string typed : {"\xC2\xBC", "1/4"}) {
        EXPECT_EQ(Find({typed, odd}).out,
                  cut + "0 (COMP): 1/4\"\xC3\x98 x 10'-1\n" + cut + "1 (MARK): \\x1B]2;1/4\\x07\n");
    }
    const std::string pageless = dir.Write("none.fwb", test::DocumentText("", "Acme 7")).string();
    const CliRun run = Find({"acme", pageless});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, pageless + ": title-block Job Number: Acme 7\n");
}

TEST_F(FindCommand, WithoutTheDatabaseThePlacesHaveNoNames) {
    const CliRun run =
        RunCommand("find", {"W8X10", current, "--case", "--refdb", (dir / "no.db").string()});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find(current + ": page 1 (sht01-1), block trim22, value 0: W8X10 a\n"),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.err.find("no.db"), std::string::npos) << run.err;
}

} // namespace
} // namespace waybill
