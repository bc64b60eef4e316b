#include "support/TempDir.h"
#include "cli/Commands.h"
#include "CliRun.h"
#include "model/FwbFile.h"

#include <gtest/gtest.h>

namespace waybill {
namespace {

using test::CliRun;
using test::RunCommand;
using test::TempDir;

CliRun Convert(const std::filesystem::path& in, const std::filesystem::path& out) {
    return RunCommand(cli::Convert, {in.string(), out.string()});
}

const std::string kDocument = "VB WAYBILL 1.0\r\n**HEADER\r\nDetail By: JD\r\nIssue: \r\n"
                              "Checked By: \r\nDate: 1.2.2026\r\nCustomer: Acme\r\n"
                              "Job Number: 4471\r\nNumber Pages: True\r\n"
                              "Show Page Total: False\r\nPassword: \r\n**END HEADER\r\n"
                              "**PAGEDEF\r\nsht01-1,PG,Roof \xBA\r\nGRID: sht\r\n|a|b|\r\n";

TEST(ConvertCommand, CurrentDocumentIsItsOwnFixedPoint) {
    TempDir dir;
    const auto in = dir.Write("in.fwb", kDocument);
    const CliRun run = Convert(in, dir / "out.fwb");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(TempDir::Read(dir / "out.fwb"), kDocument);
}

TEST(ConvertCommand, LegacyFileByExtensionInAnyCase) {
    TempDir dir;
    const auto in = dir.Write("JOB12.WbL", "#(JD \"\" \"\" 1.2.2026 Acme 4471)\r\nsht01-1\r\n"
                                           "(sht)\r\nPG\r\nRoof %%C\r\n(a b)\r\n***\r\n");
    const CliRun run = Convert(in, dir / "JOB12.fwb");
    EXPECT_EQ(run.status, 0) << run.err;
    std::string expected = kDocument;
    expected.replace(expected.find("Number Pages: True"), 18, "Number Pages: False");
    EXPECT_EQ(TempDir::Read(dir / "JOB12.fwb"), expected);
}

TEST(ConvertCommand, FormatMessageLinesGoToSeparateTerminalLines) {
    TempDir dir;
    const auto in = dir.Write("x.fwb", "WRONG\r\n");
    const CliRun run = Convert(in, dir / "y.fwb");
    EXPECT_EQ(run.err, "The waybill file " + in.string() + " error:\nWRONG\n");
}

} // namespace
} // namespace waybill
