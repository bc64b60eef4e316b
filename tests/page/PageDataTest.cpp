#include <gtest/gtest.h>

#include "FakeDatabase.h"
#include "model/Book.h"
#include "page/PageData.h"

namespace waybill {
namespace {

using test::FakeDatabase;

class PageDataTest : public testing::Test {
protected:
    PageDataTest() {
        db.AddGrid("LIST", 4, 7);
        db.AddGrid("two", 2, 3);
        db.AddGrid("none", 3, 0);
        db.AddTable("trim22", {"Prompt", "Tag", "DEF_VAL"},
                    {{"A", "A", "1"}, {"B", "B", "2"}, {"C", "C", "3"}});
    }

    // Puts `lines` on a one-page book and renders it.
    PageView Render(PageLines lines) {
        book = Book{};
        book.Add("sht01-1", "PG", "Roof", std::move(lines), AfterLastPage);
        PageView view;
        RenderPageData(view, book, 1, Context());
        return view;
    }

    PageLines Compose(const PageView& view) {
        ComposePageData(view, book);
        return book.GetPage(1).PageData;
    }

    PageLines RoundTrip(PageLines lines) { return Compose(Render(std::move(lines))); }

    RenderContext Context() { return {db, {1025, 700, 100, 100, 1}, &defs}; }

    FakeDatabase db;
    BlockAttribDefs defs{db};
    Book book;
};

TEST_F(PageDataTest, WorkedExample) {
    PageView view = Render({"GRID: LIST", "|x|", "ATTRIBLK: trim22", "|1|2|3|"});
    GridView& grid = *view.grid;
    const std::vector<std::string> first = {"P-1", "M1", "4", "10'"};
    const std::vector<std::string> second = {"P-2", "M2", "1", "5'"};
    for (int c = 0; c < 4; ++c) {
        grid.SetCell(1, c, first[static_cast<std::size_t>(c)]);
        grid.SetCell(4, c, second[static_cast<std::size_t>(c)]);
        grid.SetCell(5, c, second[static_cast<std::size_t>(c)]);
    }
    view.revision[0] = {"A", "1-5-03", "RB"};
    ASSERT_TRUE(view.BlockAttribValues.Replace("trim22", "trim22::|6|5|4|"));

    const PageLines composed = Compose(view);
    const PageLines expected = {"REVGRID:",   "|A|1-5-03|RB||||||||||", "GRID: LIST",
                                "|P-1|M1|4|10'|", "2", "2 |P-2|M2|1|5'|", "2",
                                "ATTRIBLK: trim22", "|6|5|4|"};
    EXPECT_EQ(composed, expected);

    // Rendering the composed lines fills exactly the same cells.
    const PageView again = Render(composed);
    EXPECT_EQ(again.grid->cells, grid.cells);
    EXPECT_EQ(again.revision, view.revision);
    EXPECT_EQ(RoundTrip(composed), expected);
}

TEST_F(PageDataTest, RenderFillsTitleBlockAndHeaders) {
    const PageView view = Render({"grid:   LIST  ", "|a|b|c|d|e|"});
    EXPECT_EQ(view.titleBlock[TblkFinish], "PG");
    EXPECT_EQ(view.titleBlock[TblkCadNumber], "sht01-1");
    EXPECT_EQ(view.titleBlock[TblkDescription], "Roof");
    EXPECT_EQ(view.titleBlock[TblkSheetNumber], "1");
    EXPECT_EQ(view.titleBlock[TblkSheetTotal], "1");
    ASSERT_TRUE(view.grid);
    EXPECT_TRUE(view.gridSeen);
    EXPECT_FALSE(view.blocksSeen);
    EXPECT_EQ(view.grid->Cell(0, 0), "C0");
    EXPECT_EQ(view.grid->Cell(1, 3), "d"); // extra values are ignored
    // Lower-case keywords are recognised and written back unchanged.
    EXPECT_EQ(Compose(view), (PageLines{"grid:   LIST  ", "|a|b|c|d|", "6"}));
}

TEST_F(PageDataTest, EmptyPage) {
    PageView view = Render({});
    EXPECT_FALSE(view.grid);
    EXPECT_FALSE(view.gridSeen);
    EXPECT_TRUE(view.blocks.empty());
    EXPECT_TRUE(Compose(view).empty());
    view.revision[3][2] = "JD";
    EXPECT_EQ(Compose(view), (PageLines{"REVGRID:", "||||||||||||JD|"}));
}

TEST_F(PageDataTest, RunLengthLines) {
    PageView view = Render({"GRID: LIST", "0", "5", "|a|b|"});
    EXPECT_EQ(view.grid->Cell(6, 0), "a");
    EXPECT_EQ(view.grid->Cell(5, 0), "");
    EXPECT_EQ(Compose(view), (PageLines{"GRID: LIST", "5", "|a|b|||", "1"}));

    view = Render({"GRID: LIST", "3 |a|b|", "  2   |c|  "});
    for (int r = 1; r <= 3; ++r) {
        EXPECT_EQ(view.grid->Cell(r, 1), "b");
    }
    EXPECT_EQ(view.grid->Cell(5, 0), "c");
    EXPECT_EQ(Compose(view), (PageLines{"GRID: LIST", "3 |a|b|||", "2 |c||||", "2"}));
}

TEST_F(PageDataTest, BlankCellsCountAsEmptyRows) {
    PageView view = Render({"GRID: two", "|  | |", "|a|b|"});
    EXPECT_EQ(Compose(view), (PageLines{"GRID: two", "1", "|a|b|", "1"}));
}

TEST_F(PageDataTest, RowsDifferingOnlyInCaseAreKept) {
    PageView view = Render({"GRID: two", "|abc|x|", "|ABC|x|", "|ABC|x|"});
    EXPECT_EQ(Compose(view), (PageLines{"GRID: two", "|abc|x|", "2 |ABC|x|"}));
}

TEST_F(PageDataTest, LinesThatDoNotFitAreRejected) {
    // A row past the last row, a count too large, a digit-led line without "|".
    PageView view = Render({"GRID: two", "2 |a|", "2 |b|", "99999999999", "4x", "|c|"});
    EXPECT_EQ(view.grid->Cell(1, 0), "a");
    EXPECT_EQ(view.grid->Cell(2, 0), "a");
    EXPECT_EQ(view.grid->Cell(3, 0), "c");
    view = Render({"GRID: two", "4", "|a|"});
    EXPECT_EQ(view.grid->Cell(1, 0), "a");
    view = Render({"GRID: none", "|a|", "3"});
    EXPECT_EQ(view.grid->Rows(), 1);
    EXPECT_EQ(Compose(view), (PageLines{"GRID: none"}));
}

TEST_F(PageDataTest, RevisionLine) {
    PageView view = Render({"GRID: two", "REVGRID:", "|A|1.1|JD|B|", "|not a grid line|"});
    EXPECT_EQ(view.revision[0][0], "A");
    EXPECT_EQ(view.revision[1][0], "B");
    EXPECT_EQ(view.revision[1][1], "");
    EXPECT_EQ(view.grid->Cell(1, 0), ""); // the revision ends the grid's lines
    EXPECT_EQ(Compose(view), (PageLines{"REVGRID:", "|A|1.1|JD|B|||||||||", "GRID: two", "3"}));

    // A missing revision line does not swallow the keyword line after it.
    view = Render({"REVGRID:", "GRID: two", "|a|"});
    EXPECT_EQ(view.grid->Cell(1, 0), "a");
    view = Render({"GRID: two", "REVGRID:"});
    EXPECT_EQ(Compose(view), (PageLines{"GRID: two", "3"}));
}

TEST_F(PageDataTest, AttributeBlocks) {
    PageView view =
        Render({"BLOCK: logo", "ATTRIBLK: trim22", "|6|5|", "stray", "ATTRIBLK: other", "|x|"});
    EXPECT_TRUE(view.blocksSeen);
    ASSERT_EQ(view.blocks.size(), 3u);
    EXPECT_FALSE(view.blocks[0].valueLine);
    EXPECT_EQ(view.blocks[1].valueLine, "|6|5|");
    EXPECT_EQ(view.BlockAttribValues.Find("TRIM22")->value, "trim22::|6|5|");
    // "other" has no definitions.
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].text, "Cannot find attribute definitions for other.");
    EXPECT_EQ(Compose(view), (PageLines{"BLOCK: logo", "ATTRIBLK: trim22", "|6|5|",
                                        "ATTRIBLK: other", "|x|"}));
}

TEST_F(PageDataTest, AttributeBlockWithoutValueLineStaysWithout) {
    const PageView view = Render({"ATTRIBLK: trim22", "GRID: two"});
    EXPECT_TRUE(view.BlockAttribValues.Empty());
    EXPECT_EQ(Compose(view), (PageLines{"ATTRIBLK: trim22", "GRID: two", "3"}));
}

TEST_F(PageDataTest, SameBlockTwiceKeepsBothValueLines) {
    PageView view = Render({"ATTRIBLK: trim22", "|1|", "ATTRIBLK: Trim22", "|2|"});
    EXPECT_EQ(Compose(view), (PageLines{"ATTRIBLK: trim22", "|1|", "ATTRIBLK: Trim22", "|2|"}));
    ASSERT_TRUE(view.BlockAttribValues.Replace("trim22", "trim22::|3|", 1));
    EXPECT_EQ(Compose(view), (PageLines{"ATTRIBLK: trim22", "|1|", "ATTRIBLK: Trim22", "|3|"}));
}

TEST_F(PageDataTest, TwoGridLinesShowTheLastGrid) {
    PageView view = Render({"GRID: two", "|a|", "GRID: two", "|b|"});
    EXPECT_EQ(view.grid->Cell(1, 0), "b");
    EXPECT_EQ(Compose(view), (PageLines{"GRID: two", "|b||", "2", "GRID: two", "|b||", "2"}));
}

TEST_F(PageDataTest, MissingGridKeepsTheStoredLines) {
    PageView view = Render({"GRID: nowhere", "|a|b|", "3 |c|", "", "BLOCK: logo"});
    EXPECT_FALSE(view.grid);
    EXPECT_TRUE(view.gridSeen);
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].text, "Grid nowhere not found in Grid Definition Table.");
    EXPECT_EQ(view.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(Compose(view), (PageLines{"GRID: nowhere", "|a|b|", "3 |c|", "", "BLOCK: logo"}));

    // A grid whose column table is missing is reported the same way.
    db.AddGrid("broken", 2, 2);
    db.RemoveTable("broken");
    view = Render({"GRID: broken", "|a|"});
    EXPECT_EQ(view.messages.at(0).text, "Grid broken not found in Grid Definition Table.");
    EXPECT_EQ(Compose(view), (PageLines{"GRID: broken", "|a|"}));
}

TEST_F(PageDataTest, LinesUnderNoKeywordAreDropped) {
    EXPECT_EQ(RoundTrip({"loose", "|x|", "BLOCK: a", "more"}), (PageLines{"BLOCK: a"}));
}

TEST_F(PageDataTest, ComposeStoresTitleBlock) {
    PageView view = Render({});
    view.titleBlock[TblkFinish] = "GR";
    view.titleBlock[TblkCadNumber] = "cab01-2";
    view.titleBlock[TblkDescription] = "Cables";
    view.titleBlock[TblkCustomer] = "Acme";
    view.titleBlock[TblkJobNumber] = "4471";
    view.titleBlock[TblkSheetNumber] = "99"; // shown only
    Compose(view);
    const Page& page = book.GetPage(1);
    EXPECT_EQ(page.Finish, "GR");
    EXPECT_EQ(page.CadNumber, "cab01-2");
    EXPECT_EQ(page.Description, "Cables");
    EXPECT_EQ(book.Customer, "Acme");
    EXPECT_EQ(book.JobNumber, "4471");
}

TEST(ParseKeywordLine, KeywordsAndArguments) {
    EXPECT_EQ(ParseKeywordLine("  AttriBlk:  x ")->keyword, PageKeyword::AttribBlock);
    EXPECT_EQ(ParseKeywordLine("GRID:sht")->argument, "sht");
    EXPECT_FALSE(ParseKeywordLine("GRID sht"));
    EXPECT_FALSE(ParseKeywordLine("GR ID: sht"));
    EXPECT_FALSE(ParseKeywordLine("GRID : sht")); // blanks inside the keyword
    EXPECT_FALSE(ParseKeywordLine("|a:b|"));
    EXPECT_EQ(ParseKeywordLine("REVGRID: ignored")->keyword, PageKeyword::RevGrid);
}

TEST(CadBase, LowerCaseUpToFirstDash) {
    EXPECT_EQ(CadBase("SHT01-2-3"), "sht01");
    EXPECT_EQ(CadBase("Cable04"), "cable04");
    EXPECT_EQ(CadBase("-x"), "");
}

} // namespace
} // namespace waybill
