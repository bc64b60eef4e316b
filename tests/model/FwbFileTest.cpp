#include "model/FwbFile.h"

#include "model/ReadDocument.h"
#include "support/PosixFiles.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace waybill {
namespace {

using test::TempDir;

const std::string kHeader = "VB WAYBILL 1.0\r\n"
                            "**HEADER\r\n"
                            "Detail By: JD\r\n"
                            "Issue: 2\r\n"
                            "Checked By: CK\r\n"
                            "Date: 6.12.2026\r\n"
                            "Customer: Acme, Inc.: Plant 2\r\n"
                            "Job Number: 4471\r\n"
                            "Number Pages: True\r\n"
                            "Show Page Total: False\r\n"
                            "Password: pw\r\n"
                            "**END HEADER\r\n";

std::optional<UserMessage> Parse(const std::string& text, Book& book) {
    return ParseFWB(text, "C:/jobs/x.fwb", book);
}

TEST(FwbRead, HeaderFieldsAndPages) {
    Book book;
    const std::string text = kHeader + "**PAGEDEF\r\n"
                                       "sht01-1 , PG ,  Roof, north side %%C  \r\n"
                                       "  GRID: sht  \r\n"
                                       "\r\n"
                                       "|a|b|\r\n"
                                       "**PAGEDEF\r\n"
                                       "cab01,,\r\n";
    ASSERT_FALSE(Parse(text, book));
    EXPECT_EQ(book.DetailBy, "JD");
    EXPECT_EQ(book.Issue, "2");
    EXPECT_EQ(book.CheckedBy, "CK");
    EXPECT_EQ(book.CurDate, "6.12.2026");
    EXPECT_EQ(book.Customer, "Acme, Inc.: Plant 2");
    EXPECT_EQ(book.JobNumber, "4471");
    EXPECT_EQ(book.Password, "pw");
    EXPECT_TRUE(book.NumberPgs);
    EXPECT_FALSE(book.ShowPgTot);
    ASSERT_EQ(book.PageCount(), 2);
    EXPECT_EQ(book.CurPage(), 2);
    const Page& first = book.GetPage(1);
    EXPECT_EQ(first.CadNumber, "sht01-1");
    EXPECT_EQ(first.Finish, "PG");
    EXPECT_EQ(first.Description, "Roof, north side \xBA");
    EXPECT_EQ(first.PageData, (PageLines{"GRID: sht", "|a|b|"}));
    EXPECT_EQ(book.GetPage(2).Description, "");
    EXPECT_TRUE(book.GetPage(2).PageData.empty());
}

TEST(FwbRead, HeaderKeysInAnyOrderAndCaseBooleansAsNumbers) {
    Book book;
    book.DetailBy = "kept";
    ASSERT_FALSE(Parse("VB WAYBILL 1.0\r\n**HEADER\r\nshow page total: 2\r\n"
                       "number pages: fALSE\r\nno colon here\r\nColour: red\r\n**END HEADER\r\n",
                       book));
    EXPECT_EQ(book.DetailBy, "kept"); // a field the file does not name is left alone
    EXPECT_FALSE(book.NumberPgs);
    EXPECT_TRUE(book.ShowPgTot);
}

TEST(FwbRead, DefinitionLineEdges) {
    Book book;
    ASSERT_FALSE(Parse(kHeader + "**PAGEDEF\r\na,b,\r\n**PAGEDEF\r\nc,d,x, y, z\r\n"
                                 "**PAGEDEF\r\nnocomma\r\n**PAGEDEF\r\n",
                       book));
    ASSERT_EQ(book.PageCount(), 4);
    EXPECT_EQ(book.GetPage(1).Description, "");
    EXPECT_EQ(book.GetPage(2).Description, "x, y, z");
    EXPECT_EQ(book.GetPage(3).CadNumber, "nocomma");
    EXPECT_EQ(book.GetPage(4).CadNumber, ""); // a marker as the last line: an empty page
}

TEST(FwbRead, LineEndsOfAnyPlatform) {
    Book crlf, lf, cr;
    const std::string body = kHeader + "**PAGEDEF\r\na,b,c\r\n|1|\r\n";
    std::string unix = body, mac = body;
    std::erase(unix, '\r');
    std::erase(mac, '\n');
    ASSERT_FALSE(Parse(body, crlf));
    ASSERT_FALSE(Parse(unix, lf));
    ASSERT_FALSE(Parse(mac, cr));
    EXPECT_EQ(*lf.Pages()[0], *crlf.Pages()[0]);
    EXPECT_EQ(*cr.Pages()[0], *crlf.Pages()[0]);
}

struct BadFile {
    const char* name;
    std::string content;
    std::string quoted; // what the message quotes after "error:"
};

class FwbReadFailure : public testing::TestWithParam<BadFile> {};

TEST_P(FwbReadFailure, GivesTheFormatMessageAndLeavesTheBookUnchanged) {
    Book book;
    book.Add("mine", "PG", "d", {"|x|"}, AfterLastPage);
    book.Customer = "me";
    const auto message = Parse(GetParam().content, book);
    ASSERT_TRUE(message);
    EXPECT_EQ(message->caption, "File Format Error");
    EXPECT_EQ(message->icon, MessageIcon::Exclamation);
    EXPECT_EQ(message->text, "The waybill file C:/jobs/x.fwb error:\r" + GetParam().quoted);
    ASSERT_EQ(book.PageCount(), 1);
    EXPECT_EQ(book.GetPage(1).CadNumber, "mine");
    EXPECT_EQ(book.Customer, "me");
}

INSTANTIATE_TEST_SUITE_P(
    Malformed, FwbReadFailure,
    testing::Values(
        BadFile{"SignatureWithBlank", "VB WAYBILL 1.0 \r\n**HEADER\r\n", "VB WAYBILL 1.0 "},
        BadFile{"ContentBeforeFirstPage", kHeader + "GRID: sht\r\n**PAGEDEF\r\na,b,c\r\n",
                "GRID: sht"},
        BadFile{"HeaderWithoutEnd",
                "VB WAYBILL 1.0\r\n**HEADER\r\nCustomer: x\r\n**PAGEDEF\r\na,b,c\r\n",
                "**HEADER without **END HEADER"},
        BadFile{"UnreadableBoolean",
                "VB WAYBILL 1.0\r\n**HEADER\r\nNumber Pages: Yes\r\n**END HEADER\r\n",
                "Number Pages: Yes"},
        // A binary file: control characters as "?", cut at 120 with an ellipsis.
        BadFile{"Binary",
                std::string("PK\x03\x04\x7f\x1b\x00x", 8) + std::string(200, 'z') + "\r\nmore",
                "PK?????x" + std::string(112, 'z') + "\x85"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FwbReadFile, MissingOrEmptyFileCannotBeOpened) {
    TempDir dir;
    Book book;
    for (const auto& path : {dir / "missing.fwb", dir.Write("empty.fwb", "")}) {
        const auto message = ReadFWB(path, book);
        ASSERT_TRUE(message);
        EXPECT_EQ(message->text, "Cannot Open " + path.string() + ".");
        EXPECT_EQ(message->caption, "File Error");
    }
    EXPECT_EQ(ReadFWB(dir.Path(), book)->text,
              "Cannot Open " + dir.Path().string() + ". It is a folder, not a file.");
    EXPECT_EQ(book.PageCount(), 0);
}

// Documents of either format: a lock file chosen in place of one is not read, nor is a pipe
// named like one (reading it would wait for ever).
TEST(ReadDocument, ALockFileOrAPipeIsNoDocument) {
    TempDir dir;
    Book book;
    for (const char* name : {"~$job.fwb", "~$old.WBL"}) {
        const auto lock = dir.Write(name, "akim\tWS-07\t4711\t2025-07-12T14:03:27+02:00\r\n");
        EXPECT_EQ(ReadDocument(lock, book),
                  (UserMessage{"This is a lock file of an open document, not a document.",
                               "File Error", MessageIcon::Exclamation}));
    }
    SKIP_WITHOUT_POSIX_FILES();
    for (const char* name : {"pipe.fwb", "pipe.wbl"}) {
        ASSERT_TRUE(test::MakePipe(dir / name));
        EXPECT_EQ(ReadDocument(dir / name, book)->text,
                  "Cannot Open " + (dir / name).string() + ". It is a pipe, not a file.");
    }
    EXPECT_EQ(book.PageCount(), 0);
}

TEST(FwbWrite, ExactBytes) {
    Book book;
    book.DetailBy = "JD";
    book.ShowPgTot = true;
    book.Add("sht01-1", "PG", "Roof, north", {"GRID: sht", "|a|b|"}, AfterLastPage);
    book.Add("cab01", "", "", {}, AfterLastPage);
    EXPECT_EQ(FormatFWB(book), "VB WAYBILL 1.0\r\n**HEADER\r\nDetail By: JD\r\nIssue: \r\n"
                               "Checked By: \r\nDate: \r\nCustomer: \r\nJob Number: \r\n"
                               "Number Pages: False\r\nShow Page Total: True\r\nPassword: \r\n"
                               "**END HEADER\r\n**PAGEDEF\r\nsht01-1,PG,Roof, north\r\n"
                               "GRID: sht\r\n|a|b|\r\n**PAGEDEF\r\ncab01,,\r\n");
}

TEST(FwbWrite, CommasInDrawingNumberOrFinishCannotShiftTheFields) {
    Book book;
    book.Add("A-1, rev 2", "Polar White, Matte", "Trim, eave", {}, AfterLastPage);
    Book read;
    ASSERT_FALSE(ParseFWB(FormatFWB(book), "x.fwb", read));
    EXPECT_EQ(read.GetPage(1).CadNumber, "A-1; rev 2");
    EXPECT_EQ(read.GetPage(1).Finish, "Polar White; Matte");
    EXPECT_EQ(read.GetPage(1).Description, "Trim, eave");
}

// The file is replaced whole, never written into; a save that fails leaves it as it was.
TEST(FwbWrite, ReplacesTheFileOrLeavesItAsItWas) {
    TempDir dir;
    const auto path = dir.Write("job.fwb", "old contents");
    std::filesystem::create_hard_link(path, dir / "link.fwb");
    Book book;
    book.Add("a", "b", "c", {"|1|"}, AfterLastPage);
    ASSERT_FALSE(WriteFWB(book, path));
    EXPECT_EQ(TempDir::Read(path), FormatFWB(book));
    EXPECT_EQ(TempDir::Read(dir / "link.fwb"), "old contents");

    // The folder the file should go into is a file: nothing can be written there.
    const auto message = WriteFWB(book, path / "inner.fwb");
    ASSERT_TRUE(message);
    EXPECT_EQ(message->caption, "File Error");
    EXPECT_EQ(message->text.rfind("Cannot Save " + (path / "inner.fwb").string() + ".\r", 0), 0u);
    EXPECT_EQ(TempDir::Read(path), FormatFWB(book));
    // A folder in the way of the target is not replaced.
    std::filesystem::create_directory(dir / "folder.fwb");
    EXPECT_TRUE(WriteFWB(book, dir / "folder.fwb"));
    EXPECT_TRUE(std::filesystem::is_directory(dir / "folder.fwb"));
}

TEST(FwbWrite, LinesThatLookLikeMarkersSurviveASaveAndAReopen) {
    Book book;
    const PageLines lines = {"**HEAD office copy",
                             "  **PAGEDEF keep me ",
                             "\\**HEADER x",
                             "\\\\**PAGE",
                             "\\x",
                             "**head",
                             "**END HEADER",
                             "|a|"};
    book.Add("p1", "PG", "d", lines, AfterLastPage);
    book.Add("p2", "PG", "d", {"GRID: x"}, AfterLastPage);
    const std::string bytes = FormatFWB(book);
    EXPECT_NE(bytes.find("\r\n\\**HEAD office copy\r\n\\**PAGEDEF keep me\r\n"
                         "\\\\**HEADER x\r\n\\\\\\**PAGE\r\n\\x\r\n**head\r\n"),
              std::string::npos);
    Book read;
    ASSERT_FALSE(ParseFWB(bytes, "x.fwb", read));
    ASSERT_EQ(read.PageCount(), 2);
    PageLines expected = lines;
    expected[1] = "**PAGEDEF keep me"; // trimmed like any line
    EXPECT_EQ(read.GetPage(1).PageData, expected);
    EXPECT_EQ(read.GetPage(2).PageData, (PageLines{"GRID: x"}));
}

TEST(FwbWrite, LineEndsInsideValuesCannotBreakTheFile) {
    Book book;
    book.Customer = "Acme\r\n**END HEADER";
    book.Add("p1\r\n**PAGEDEF", "PG\n", "d\rx", {"|a|\r\n**PAGEDEF", "b\nc"}, AfterLastPage);
    Book read;
    ASSERT_FALSE(ParseFWB(FormatFWB(book), "x.fwb", read));
    EXPECT_EQ(read.Customer, "Acme  **END HEADER");
    ASSERT_EQ(read.PageCount(), 1);
    EXPECT_EQ(read.GetPage(1).CadNumber, "p1  **PAGEDEF");
    EXPECT_EQ(read.GetPage(1).Finish, "PG");
    EXPECT_EQ(read.GetPage(1).Description, "d x");
    EXPECT_EQ(read.GetPage(1).PageData, (PageLines{"|a|  **PAGEDEF", "b c"}));
}

} // namespace
} // namespace waybill
