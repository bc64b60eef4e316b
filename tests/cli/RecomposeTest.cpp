#include "support/TempDir.h"
#include "support/TestDatabase.h"
#include "cli/Commands.h"
#include "CliRun.h"

#include <gtest/gtest.h>

namespace waybill {
namespace {

using test::CliRun;
using test::RunCommand;
using test::TempDir;

// A reference database with one two-column grid "g" of three rows, and one "huge" whose
// row count no grid may have.
std::filesystem::path MakeDatabase(const TempDir& dir) {
    test::TestDatabase db;
    db.AddLabelledGrid("g", 3, {"QTY", "PART"});
    db.AddLabelledGrid("huge", 2147483647, {"QTY", "PART"});
    return db.Write(dir / "ref.db");
}

std::string Document(const std::string& pages) {
    return "VB WAYBILL 1.0\r\n**HEADER\r\nDetail By: \r\nIssue: \r\nChecked By: \r\nDate: \r\n"
           "Customer: \r\nJob Number: \r\nNumber Pages: False\r\nShow Page Total: False\r\n"
           "Password: \r\n**END HEADER\r\n" +
           pages;
}

CliRun Recompose(const std::vector<std::string>& args) {
    return RunCommand(cli::Recompose, args);
}

TEST(RecomposeCommand, WritesEveryPageInCanonicalForm) {
    TempDir dir;
    const auto db = MakeDatabase(dir);
    const auto in = dir.Write("in.fwb", Document("**PAGEDEF\r\na,PG,first\r\nGRID: g\r\n"
                                                 "|1|x|\r\n|1|x|\r\nREVGRID:\r\n|A|\r\n"
                                                 "**PAGEDEF\r\nb,,second\r\nloose line\r\n"));
    const CliRun run = Recompose({in.string(), (dir / "out.fwb").string(), "--refdb", db.string()});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(TempDir::Read(dir / "out.fwb"),
              Document("**PAGEDEF\r\na,PG,first\r\nREVGRID:\r\n|A||||||||||||\r\nGRID: g\r\n"
                       "2 |1|x|\r\n1\r\n**PAGEDEF\r\nb,,second\r\n"));

    // A second pass changes nothing.
    ASSERT_EQ(Recompose({(dir / "out.fwb").string(), (dir / "again.fwb").string(), "--refdb",
                         db.string()})
                  .status,
              0);
    EXPECT_EQ(TempDir::Read(dir / "again.fwb"), TempDir::Read(dir / "out.fwb"));
}

TEST(RecomposeCommand, MissingGridIsReportedAndItsLinesKept) {
    TempDir dir;
    const auto db = MakeDatabase(dir);
    const std::string pages = "**PAGEDEF\r\na,,\r\nGRID: lost\r\n|1|2|\r\n3 |x|\r\n";
    const auto in = dir.Write("in.fwb", Document(pages));
    const CliRun run = Recompose({in.string(), (dir / "out.fwb").string(), "--refdb", db.string()});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "Grid lost not found in Grid Definition Table.\n");
    EXPECT_EQ(TempDir::Read(dir / "out.fwb"), Document(pages));
}

TEST(RecomposeCommand, GridOutOfBoundsIsReportedAndItsLinesKept) {
    TempDir dir;
    const auto db = MakeDatabase(dir);
    const std::string pages = "**PAGEDEF\r\na,,\r\nGRID: huge\r\n|1|2|\r\n3 |x|\r\n";
    const auto in = dir.Write("in.fwb", Document(pages));
    const CliRun run = Recompose({in.string(), (dir / "out.fwb").string(), "--refdb", db.string()});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "Grid huge in Grid Definition Table has sizes out of range.\n");
    EXPECT_EQ(TempDir::Read(dir / "out.fwb"), Document(pages));
}

} // namespace
} // namespace waybill
