// Arguments arrive as UTF-8; the documents hold Windows-1252. Texts are converted once where the
// arguments are split, file names stay as given.
#include "cli/Commands.h"
#include "CliRun.h"
#include "model/FwbFile.h"
#include "platform/Cp1252.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace waybill {
namespace {

using test::CliRun;
using test::RunCommand;
using test::TempDir;

class TextArguments : public ::testing::Test {
  protected:
    TempDir dir;
    // A file name that is not ASCII stays the name it is.
    std::string in =
        dir.Write("d\xC3\xA9tails.fwb",
                  test::DocumentText("**PAGEDEF\r\ntrim22,,Old\r\nATTRIBLK: trim22\r\n|x|\r\n"))
            .string();
    std::string out = (dir / "s\xC3\xA9rie.fwb").string();
};

TEST_F(TextArguments, DetailFieldsAreStoredInTheDocumentsCodePage) {
    const CliRun run = RunCommand("detail", {in, out, "cap-trim", "Dim=10",
                                             "CtSF=\xC3\xA9"
                                             "1",
                                             "BcSF=\xE2\x82\xAC"});
    ASSERT_EQ(run.status, 0) << run.err;
    Book book;
    ASSERT_FALSE(ReadFWB(PathFromUtf8(out), book));
    ASSERT_EQ(book.PageCount(), 2);
    const PageLines& data = book.GetPage(2).PageData;
    ASSERT_EQ(data.size(), 2u);
    EXPECT_NE(data[1].find("|\xE9"
                           "1|"),
              std::string::npos)
        << data[1];
    EXPECT_NE(data[1].find("|SF-\x80|"), std::string::npos) << data[1];
}

// A character the documents cannot hold is wrong usage, named, and nothing is written.
TEST_F(TextArguments, ACharacterWithoutACodeIsWrongUsage) {
    const std::string arrow = "\xE2\x86\x92"; // U+2192
    struct Case {
        const char* command;
        std::vector<std::string> args;
    };
    const Case cases[] = {
        {"detail", {in, out, "cap-trim", "Dim=10", "CtSF=A" + arrow + "B"}},
        {"set-finish", {in, out, "Red" + arrow}},
        {"configure-member",
         {in, out, "--page", "1", "--size", "8", "--flange", "2", "--gauge", "14", "--finish",
          "Gray" + arrow}},
    };
    for (const Case& c : cases) {
        const CliRun run = RunCommand(c.command, c.args);
        EXPECT_EQ(run.status, 2) << c.args.back() << ": " << run.err;
        EXPECT_NE(run.err.find("\"" + arrow + "\" (U+2192)"), std::string::npos) << run.err;
        EXPECT_FALSE(std::filesystem::exists(out)) << c.args.back();
    }
}

} // namespace
} // namespace waybill
