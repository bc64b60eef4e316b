// convert: the reader chosen by the input's extension and the reader's message on the
// terminal.
#include "cli/Commands.h"
#include "CliRun.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace waybill {
namespace {

using test::CliRun;
using test::DocumentText;
using test::RunCommand;
using test::TempDir;

CliRun Convert(std::vector<std::string> args) {
    return RunCommand("convert", args);
}

TEST(ConvertCommand, ReadsADocumentOrALegacyFileByItsExtensionInAnyCase) {
    TempDir dir;
    const std::string page = "**PAGEDEF\r\nsht01-1,PG,Roof \xBA\r\nGRID: sht\r\n|a|b|\r\n";
    const auto current = dir.Write("in.fwb", DocumentText(page));
    const auto legacy =
        dir.Write("JOB12.WbL", "sht01-1\r\n(sht)\r\nPG\r\nRoof %%C\r\n(a b)\r\n***\r\n");
    for (const auto& in : {current, legacy}) {
        const auto out = dir / (in.stem().string() + "-out.fwb");
        const CliRun run = Convert({in.string(), out.string()});
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(TempDir::Read(out), DocumentText(page)) << in;
    }
    // The format message's lines go to separate terminal lines.
    const auto bad = dir.Write("x.fwb", "WRONG\r\n");
    EXPECT_EQ(Convert({bad.string(), (dir / "y.fwb").string()}).err,
              "The waybill file " + bad.string() + " error:\nWRONG\n");
}

} // namespace
} // namespace waybill
