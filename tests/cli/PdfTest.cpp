// waybill-cli pdf run as a user runs it: a process without DISPLAY or QT_QPA_PLATFORM.

#include "cli/CliRun.h"
#include "support/TempDir.h"

#include <array>
#include <cstdio>
#include <gtest/gtest.h>
#include <regex>
#include <string>

namespace {

using waybill::test::TempDir;

struct CliRun {
    int status;
    std::string err;
};

CliRun RunCli(const std::string& args, const TempDir& dir) {
    const std::string errFile = (dir / "stderr.txt").string();
    const std::string command = "env -u DISPLAY -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY '" WAYBILL_CLI
                                "' pdf " +
                                args + " 2>'" + errFile + "'";
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, TempDir::Read(errFile)};
}

int Count(const std::string& text, const std::string& pattern) {
    const std::regex re(pattern);
    return static_cast<int>(
        std::distance(std::sregex_iterator(text.begin(), text.end(), re), std::sregex_iterator()));
}

const std::string kDefault = WAYBILL_DATA_DIR "/Default.fwb";

// A command-line tool's output, or nothing when it cannot be run.
std::string Output(const std::string& command) {
    std::string text;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        std::array<char, 4096> buffer;
        while (const std::size_t n = fread(buffer.data(), 1, buffer.size(), pipe)) {
            text.append(buffer.data(), n);
        }
        pclose(pipe);
    }
    return text;
}

TEST(PdfCommand, ShippedDocumentGivesOneLandscapeLetterSheetPerPage) {
    TempDir dir;
    // The document's name, any letters in it, is the PDF's title.
    const auto in = dir / "J\xC3\xB6"
                          "b 12.fwb";
    std::filesystem::copy_file(kDefault, in);
    const auto out = dir / "default.pdf";
    const CliRun run = RunCli("'" + in.string() + "' '" + out.string() + "'", dir);
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string pdf = TempDir::Read(out);
    const int pages = Count(TempDir::Read(kDefault), R"(\*\*PAGEDEF)");
    EXPECT_EQ(Count(pdf, R"(/Type\s*/Page\b)"), pages);
    EXPECT_EQ(Count(pdf, R"(/MediaBox\s*\[0 0 792(\.0+)? 612(\.0+)?\])"), pages);

    if (std::string(WAYBILL_PDFTOTEXT).empty()) {
        GTEST_SKIP() << "pdftotext is not installed; the text check needs it";
    }
    const std::string pdftotext = WAYBILL_PDFTOTEXT;
    const std::string pdfinfo = pdftotext.substr(0, pdftotext.rfind('/') + 1) + "pdfinfo";
    const std::string info = Output("'" + pdfinfo + "' '" + out.string() + "'");
    EXPECT_TRUE(std::regex_search(info, std::regex("Title: +J\xC3\xB6"
                                                   "b 12\n")))
        << info;
    const std::string text = Output("'" + pdftotext + "' -layout '" + out.string() + "' -");
    for (const char* expected : {"Finish:", "Shipping List For:", "Sheet No.:", "CAD #",
                                 "PRE-RELEASE MATERIAL", "FLANGE BRACES", "56AB34", "53FB16"}) {
        EXPECT_NE(text.find(expected), std::string::npos) << expected;
    }
}

TEST(PdfCommand, PageRangeAndBadInput) {
    TempDir dir;
    const auto out = dir / "one.pdf";
    // A name whose bytes are no UTF-8 (an old Latin-1 name) is read all the same.
    const auto latin1 = dir / "J\xF6"
                              "b.fwb";
    std::filesystem::copy_file(kDefault, latin1);
    CliRun run = RunCli("'" + latin1.string() + "' '" + out.string() + "' --pages 3-3", dir);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Count(TempDir::Read(out), R"(/Type\s*/Page\b)"), 1);

    // Unreadable input: status 1 and no file.
    const auto none = dir / "none.pdf";
    run = RunCli("'" + (dir / "missing.fwb").string() + "' '" + none.string() + "'", dir);
    EXPECT_EQ(run.status, 1);
    EXPECT_FALSE(run.err.empty());
    EXPECT_FALSE(std::filesystem::exists(none));

    // A range the document does not have writes nothing; a malformed one is a usage error.
    EXPECT_EQ(RunCli("'" + kDefault + "' '" + none.string() + "' --pages 2-999", dir).status, 1);
    EXPECT_EQ(RunCli("'" + kDefault + "' '" + none.string() + "' --pages 3-1", dir).status, 2);
    EXPECT_EQ(RunCli("'" + kDefault + "'", dir).status, 2);
    EXPECT_FALSE(std::filesystem::exists(none));

    // A document an editor holds is not turned into a PDF, unless --force.
    const auto held = dir.Write("held.fwb", "document");
    dir.Write("~$held.fwb", "akim\tWS-07\t4711\t2025-07-12T14:03:27+02:00\r\n");
    const std::string toHeld = "'" + kDefault + "' '" + held.string() + "' --pages 3-3";
    run = RunCli(toHeld, dir);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("was not written; --force writes it all the same."), std::string::npos);
    EXPECT_EQ(TempDir::Read(held), "document");
    EXPECT_EQ(RunCli(toHeld + " --force", dir).status, 0);
    EXPECT_EQ(Count(TempDir::Read(held), R"(/Type\s*/Page\b)"), 1);
}

TEST(PdfCommand, MissingGridAndBlockAreReportedAndThePdfIsWritten) {
    TempDir dir;
    const auto in = dir.Write(
        "in.fwb", waybill::test::DocumentText("**PAGEDEF\r\nx-01,,LOST\r\n"
                                              "GRID: nogrid\r\n|1|2|\r\nBLOCK: noblock\r\n"));
    const auto out = dir / "lost.pdf";
    const CliRun run = RunCli("'" + in.string() + "' '" + out.string() + "'", dir);
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.err.find("Grid nogrid not found in Grid Definition Table."), std::string::npos);
    EXPECT_NE(run.err.find("Cannot find block noblock."), std::string::npos);
    EXPECT_EQ(Count(TempDir::Read(out), R"(/Type\s*/Page\b)"), 1);
}

} // namespace
