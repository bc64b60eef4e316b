#include "model/LegacyImport.h"

#include "model/BookEquality.h"
#include "model/FwbFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace waybill {
namespace {

std::optional<UserMessage> Import(const std::string& text, Book& book) {
    return ParseWBL(text, "C:/old/JOB12.WBL", book);
}

void ExpectCannotOpen(const std::optional<UserMessage>& message) {
    ASSERT_TRUE(message);
    EXPECT_EQ(message->text, "Cannot Open C:/old/JOB12.WBL.");
    EXPECT_EQ(message->caption, "File Error");
}

TEST(LegacyImport, HeaderAndPages) {
    Book book;
    const std::string text = "#(JD 2 CK 1.1.99 \"Acme, Inc\" 4471)\r\n"
                             "sht01-1\r\n"
                             "(sht (trim20 1 \"2 ft\" 3) r_panel)\r\n"
                             "PG\r\n"
                             "  Roof %%C sheets  \r\n"
                             "(a \"b c\" 3)\r\n"
                             "\r\n"
                             "   5   \r\n"
                             "***\r\n"
                             "cab01-2\r\n"
                             "(cab)\r\n"
                             "GR\r\n"
                             "Cables\r\n"
                             "(x y)\r\n"
                             "***\r\n";
    ASSERT_FALSE(Import(text, book));
    EXPECT_EQ(book.DetailBy, "JD");
    EXPECT_EQ(book.Issue, "2");
    EXPECT_EQ(book.CheckedBy, "CK");
    EXPECT_EQ(book.CurDate, "1.1.99");
    EXPECT_EQ(book.Customer, "Acme, Inc");
    EXPECT_EQ(book.JobNumber, "4471");
    ASSERT_EQ(book.PageCount(), 2);
    const Page& sheet = book.GetPage(1);
    EXPECT_EQ(sheet.CadNumber, "sht01-1");
    EXPECT_EQ(sheet.Finish, "PG");
    EXPECT_EQ(sheet.Description, "Roof \xBA sheets");
    EXPECT_EQ(sheet.PageData, (PageLines{"GRID: sht", "|a|b c|3|", "5", "ATTRIBLK: trim20",
                                         "|1|2 ft|3|", "BLOCK: r_panel"}));
    EXPECT_EQ(book.GetPage(2).PageData, (PageLines{"GRID: cab", "|x|y|"}));
    EXPECT_EQ(book.GetPage(2).LocIndex, kUnknownLocIndex);
}

TEST(LegacyImport, ExtAndEsLayouts) {
    Book book;
    ASSERT_FALSE(Import("e1\r\n(sht ext blk)\r\nPG\r\nd\r\n|r|\r\n***\r\n"
                        "e2\r\n(sht es blk)\r\nPG\r\nd\r\n***\r\n",
                        book));
    ASSERT_EQ(book.PageCount(), 2);
    EXPECT_EQ(book.GetPage(1).PageData, (PageLines{"GRID: ext", "|r|"}));
    EXPECT_EQ(book.GetPage(2).PageData, (PageLines{"GRID: sht"}));
}

TEST(LegacyImport, IndGridIsTwentyFourEmptyRows) {
    Book book;
    ASSERT_FALSE(Import("i1\r\n(ind)\r\nPG\r\nd\r\n(a b)\r\n7\r\n***\r\n", book));
    EXPECT_EQ(book.GetPage(1).PageData, (PageLines{"GRID: ind", "24"}));
}

TEST(LegacyImport, PageWithoutGridSkipsToTheSeparator) {
    Book book;
    ASSERT_FALSE(Import("n1\r\n(\"\" logo)\r\nPG\r\nd\r\nignored\r\n***\r\nn2\r\n(\"\")\r\n"
                        "GR\r\ne\r\n",
                        book));
    ASSERT_EQ(book.PageCount(), 2);
    EXPECT_EQ(book.GetPage(1).PageData, (PageLines{"BLOCK: logo"}));
    EXPECT_TRUE(book.GetPage(2).PageData.empty());
}

TEST(LegacyImport, LastLineOfTheFileIsAGridLineToo) {
    Book book;
    ASSERT_FALSE(Import("p1\r\n(g)\r\nPG\r\nd\r\n(1 2)\r\n(3 4)", book));
    EXPECT_EQ(book.GetPage(1).PageData, (PageLines{"GRID: g", "|1|2|", "|3|4|"}));

    Book atEnd;
    ASSERT_FALSE(Import("p1\r\n(g)\r\nPG\r\nd\r\n", atEnd)); // a grid without lines
    EXPECT_EQ(atEnd.GetPage(1).PageData, (PageLines{"GRID: g"}));
}

TEST(LegacyImport, OnlyTheExactSeparatorIsSkipped) {
    Book book;
    ASSERT_FALSE(Import("p1\r\n(g)\r\nPG\r\nd\r\n***x\r\n(g)\r\nGR\r\ne\r\n", book));
    ASSERT_EQ(book.PageCount(), 2);
    EXPECT_EQ(book.GetPage(2).CadNumber, "***x");
}

TEST(LegacyImport, CadNumberAfterHeaderIsReadAsAField) {
    Book book;
    ASSERT_FALSE(Import("#(a b c d e f)\r\n\"p1\",(g)\r\nPG\r\nd\r\n***\r\n", book));
    ASSERT_EQ(book.PageCount(), 1);
    EXPECT_EQ(book.GetPage(1).CadNumber, "p1");
    EXPECT_EQ(book.GetPage(1).Finish, "PG");
    EXPECT_EQ(book.GetPage(1).PageData, (PageLines{"GRID: g"}));
}

TEST(LegacyImport, FailuresKeepThePagesReadBefore) {
    Book shortHeader;
    ExpectCannotOpen(Import("#(JD 2 CK)\r\np1\r\n(g)\r\nPG\r\nd\r\n", shortHeader));
    EXPECT_EQ(shortHeader.DetailBy, "JD");
    EXPECT_EQ(shortHeader.CheckedBy, "CK");
    EXPECT_EQ(shortHeader.PageCount(), 0);

    Book truncated;
    ExpectCannotOpen(Import("p1\r\n(g)\r\nPG\r\nd\r\n***\r\np2\r\n(g)\r\n", truncated));
    EXPECT_EQ(truncated.PageCount(), 1);

    Book notAList;
    ExpectCannotOpen(Import("p1\r\nno list\r\nPG\r\nd\r\n", notAList));

    Book emptyBlockList;
    ExpectCannotOpen(Import("p1\r\n(g ())\r\nPG\r\nd\r\n", emptyBlockList));

    Book empty;
    ExpectCannotOpen(Import("", empty));
}

TEST(LegacyImport, BarInsideATokenKeepsTheColumns) {
    Book book;
    ASSERT_FALSE(Import("p1\r\n(g (blk \"x|y\" 2))\r\nPG\r\nd\r\n(a|b c)\r\n***\r\n", book));
    EXPECT_EQ(book.GetPage(1).PageData, (PageLines{"GRID: g",
                                                   "|a\xA6"
                                                   "b|c|",
                                                   "ATTRIBLK: blk",
                                                   "|x\xA6"
                                                   "y|2|"}));
}

// Whatever the import gives must survive a save and a reopen unchanged.
TEST(LegacyImport, ImportedDocumentsReadBackTheSameOnceSaved) {
    Book book;
    ASSERT_FALSE(Import("#(\" JD \" 2 CK 1.1.99 \" Acme \" 4471)\r\n"
                        "\" p1 \",(g \"blk \" (\"a \" 1))\r\n"
                        " PG, matte \r\n"
                        "d\r\n"
                        "**HEAD office copy\r\n"
                        "(1 2)\r\n"
                        "  **PAGEDEF keep me\r\n"
                        "\\**HEADER\r\n"
                        "***\r\n"
                        "a, b\r\n(g es)\r\nPG\r\nd\r\n***\r\n",
                        book));
    ASSERT_EQ(book.PageCount(), 2);
    EXPECT_EQ(book.DetailBy, "JD");
    EXPECT_EQ(book.Customer, "Acme");
    const Page& page = book.GetPage(1);
    EXPECT_EQ(page.CadNumber, "p1");
    EXPECT_EQ(page.Finish, "PG; matte");
    EXPECT_EQ(page.PageData,
              (PageLines{"GRID: g", "**HEAD office copy", "|1|2|", "**PAGEDEF keep me",
                         "\\**HEADER", "BLOCK: blk", "ATTRIBLK: a", "|1|"}));
    EXPECT_EQ(book.GetPage(2).CadNumber, "a; b");

    Book read;
    ASSERT_FALSE(ParseFWB(FormatFWB(book), "job.fwb", read));
    EXPECT_EQ(read, book);
}

} // namespace
} // namespace waybill
