#include "../model/TempDir.h"
#include "cli/Commands.h"
#include "CliRun.h"

#include <gtest/gtest.h>

namespace waybill {
namespace {

using test::CliRun;
using test::RunCommand;
using test::TempDir;
using test::WriteDatabase;

// A reference database with one two-column grid "g" of three rows, and one "huge" whose
// row count no grid may have.
std::filesystem::path MakeDatabase(const TempDir& dir) {
    const auto path = dir / "ref.db";
    WriteDatabase(path,
                  "CREATE TABLE Grids(GridName TEXT, Columns INTEGER, Rows INTEGER, Left REAL,"
                  " Top REAL, RowHeight REAL);"
                  "INSERT INTO Grids VALUES('g', 2, 3, 0, 0, 0.25);"
                  "CREATE TABLE g(Width REAL, Align INTEGER, Label TEXT, ColumnIDX INTEGER,"
                  " BoldLine INTEGER);"
                  "INSERT INTO g VALUES(1, 0, 'QTY', 1, 0), (1, 0, 'PART', 2, 0);"
                  "INSERT INTO Grids VALUES('huge', 2, 2147483647, 0, 0, 0.25);"
                  "CREATE TABLE huge(Width REAL, Align INTEGER, Label TEXT);"
                  "INSERT INTO huge VALUES(1, 0, 'QTY'), (1, 0, 'PART');");
    return path;
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
