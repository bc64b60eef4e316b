#include "cli/Commands.h"
#include "CliRun.h"
#include "support/TempDir.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

namespace waybill {
namespace {

using test::CliRun;
using test::DocumentText;
using test::RunCommand;
using test::TempDir;

class RecomposeCommand : public testing::Test {
  protected:
    // The document with `pages` recomposed into out.fwb.
    CliRun Recompose(const std::string& pages) {
        const auto in = dir.Write("in.fwb", DocumentText(pages));
        return RunCommand("recompose", {in.string(), out.string(), "--refdb", db.string()});
    }

    TempDir dir;
    // One two-column grid of three rows, and one whose row count no grid may have.
    std::filesystem::path db = [this] {
        test::TestDatabase grids;
        grids.AddLabelledGrid("g", 3, {"QTY", "PART"});
        grids.AddLabelledGrid("huge", 2147483647, {"QTY", "PART"});
        return grids.Write(dir / "ref.db");
    }();
    std::filesystem::path out = dir / "out.fwb";
};

TEST_F(RecomposeCommand, WritesEveryPageInCanonicalForm) {
    const CliRun run = Recompose("**PAGEDEF\r\na,PG,first\r\nGRID: g\r\n|1|x|\r\n|1|x|\r\n"
                                 "REVGRID:\r\n|A|\r\n**PAGEDEF\r\nb,,second\r\nloose line\r\n");
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string canonical =
        DocumentText("**PAGEDEF\r\na,PG,first\r\nREVGRID:\r\n|A||||||||||||\r\nGRID: g\r\n"
                     "2 |1|x|\r\n1\r\n**PAGEDEF\r\nb,,second\r\n");
    EXPECT_EQ(TempDir::Read(out), canonical);
    ASSERT_EQ(Recompose(canonical.substr(canonical.find("**PAGEDEF"))).status, 0);
    EXPECT_EQ(TempDir::Read(out), canonical); // a second pass changes nothing
}

TEST_F(RecomposeCommand, AGridItCannotShowIsReportedAndItsLinesKept) {
    for (const auto& [grid, message] : {
             std::pair{"lost", "Grid lost not found in Grid Definition Table.\n"},
             std::pair{"huge", "Grid huge in Grid Definition Table has sizes out of range.\n"},
         }) {
        const std::string pages =
            "**PAGEDEF\r\na,,\r\nGRID: " + std::string(grid) + "\r\n|1|2|\r\n3 |x|\r\n";
        const CliRun run = Recompose(pages);
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.err, message);
        EXPECT_EQ(TempDir::Read(out), DocumentText(pages));
    }
}

} // namespace
} // namespace waybill
