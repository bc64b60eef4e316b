#include "page/PageData.h"

#include "model/Book.h"
#include "support/TestDatabase.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <limits>

namespace waybill {
namespace {

class PageDataTest : public testing::Test {
  protected:
    PageDataTest() {
        db.AddGrid("LIST", 4, 7);
        db.AddGrid("two", 2, 3);
        db.AddGrid("none", 3, 0);
        db.AddTable("trim22", {"Prompt", "Tag", "DEF_VAL"},
                    {{"A", "A", "1"}, {"B", "B", "2"}, {"C", "C", "3"}});
    }

    PageView Render(PageLines lines) {
        book = Book{};
        book.Add("sht01-1", "PG", "Roof", std::move(lines), AfterLastPage);
        PageView view;
        RenderPageData(view, book, 1, {db, {1025, 700, 100, 100, 1}, &defs});
        return view;
    }

    PageLines Compose(const PageView& view) {
        ComposePageData(view, book);
        return book.GetPage(1).PageData;
    }

    PageLines RoundTrip(PageLines lines) { return Compose(Render(std::move(lines))); }

    test::TestDatabase db;
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
    ASSERT_TRUE(view.BlockAttribValues.Replace("trim22", "|6|5|4|"));

    const PageLines composed = Compose(view);
    const PageLines expected = {
        "REVGRID:", "|A|1-5-03|RB||||||||||", "GRID: LIST", "|P-1|M1|4|10'|",
        "2",        "2 |P-2|M2|1|5'|",        "2",          "ATTRIBLK: trim22",
        "|6|5|4|"};
    EXPECT_EQ(composed, expected);

    // Rendering the composed lines fills exactly the same cells.
    const PageView again = Render(composed);
    EXPECT_EQ(again.grid->cells, grid.cells);
    EXPECT_EQ(again.revision, view.revision);
    EXPECT_EQ(RoundTrip(composed), expected);
}

TEST_F(PageDataTest, RoundTripsToCanonicalLines) {
    const std::pair<PageLines, PageLines> cases[] = {
        // Lower-case keywords are written back unchanged.
        {{"grid:   LIST  ", "|a|b|c|d|"}, {"grid:   LIST  ", "|a|b|c|d|", "6"}},
        {{"GRID: LIST", "0", "5", "|a|b|"}, {"GRID: LIST", "5", "|a|b|||", "1"}},
        {{"GRID: LIST", "3 |a|b|", "  2   |c|  "}, {"GRID: LIST", "3 |a|b|||", "2 |c||||", "2"}},
        {{"GRID: two", "|  | |", "|a|b|"}, {"GRID: two", "1", "|a|b|", "1"}},
        // Rows differing only in letter case are different rows.
        {{"GRID: two", "|abc|x|", "|ABC|x|", "|ABC|x|"}, {"GRID: two", "|abc|x|", "2 |ABC|x|"}},
        {{"ATTRIBLK: trim22", "GRID: two"}, {"ATTRIBLK: trim22", "GRID: two", "3"}},
        {{"BLOCK: logo", "ATTRIBLK: trim22", "|6|5|", "stray", "ATTRIBLK: other", "|x|"},
         {"BLOCK: logo", "ATTRIBLK: trim22", "|6|5|", "ATTRIBLK: other", "|x|"}},
        {{"loose", "|x|", "GRID : two", "BLOCK: a", "more"}, {"BLOCK: a"}},
    };
    for (const auto& [lines, expected] : cases) {
        EXPECT_EQ(RoundTrip(lines), expected) << testing::PrintToString(lines);
    }
}

TEST_F(PageDataTest, LinesTheGrammarRejectsArePassedOver) {
    // A count too large for a row number, a digit-led line without "|".
    PageView view = Render({"GRID: two", "2 |a|", "99999999999", "4x", "|c|"});
    EXPECT_EQ(view.grid->Cell(2, 0), "a");
    EXPECT_EQ(view.grid->Cell(3, 0), "c");
    view = Render({"GRID: none", "3"});
    EXPECT_EQ(view.grid->Rows(), 1);
    EXPECT_EQ(Compose(view), (PageLines{"GRID: none"}));
}

// A page may hold more rows than its grid's definition (a definition made smaller since, a
// hand-edited file): every one of them is a line item, so the grid grows to show them and
// they are saved and exported with the others.
TEST_F(PageDataTest, RowsBeyondTheGridAreShownKeptAndReportedOnce) {
    struct Case {
        const char* what;
        PageLines lines;
        int rows; // the header row included
        PageLines composed;
    };
    const Case beyond[] = {
        {"runs past the last row",
         {"GRID: two", "2 |a|", "2 |b|", "|c|"},
         6,
         {"GRID: two", "2 |a||", "2 |b||", "|c||"}},
        {"a row after a blank run past the last row",
         {"GRID: two", "|a|", "5", "|x|y|"},
         8,
         {"GRID: two", "|a||", "5", "|x|y|"}},
        {"a grid of no rows",
         {"GRID: none", "|a|", "ATTRIBLK: trim22", "|1|"},
         2,
         {"GRID: none", "|a|||", "ATTRIBLK: trim22", "|1|"}},
    };
    for (const Case& c : beyond) {
        SCOPED_TRACE(c.what);
        const PageView view = Render(c.lines);
        ASSERT_TRUE(view.grid);
        EXPECT_EQ(view.grid->Rows(), c.rows);
        EXPECT_EQ(view.grid->layout.rowHeights.size(), static_cast<std::size_t>(c.rows));
        ASSERT_EQ(view.messages.size(), 1u);
        EXPECT_EQ(view.messages[0].caption, "Waybill");
        const PageLines composed = Compose(view);
        EXPECT_EQ(composed, c.composed);
        EXPECT_EQ(RoundTrip(composed), composed);
    }
    EXPECT_EQ(Render({"GRID: two", "4 |a|"}).messages[0].text,
              "Page 1 holds rows beyond the 3 rows of grid two. They are shown after row 3, "
              "and are saved and exported with the others.");

    // Empty rows hold nothing to keep: they neither grow the grid nor give a message.
    for (const PageLines& empty :
         {PageLines{"GRID: two", "|a|", "9"}, PageLines{"GRID: two", "3", "| | |", "", "2 |  |"}}) {
        const PageView view = Render(empty);
        EXPECT_EQ(view.grid->Rows(), 4);
        EXPECT_TRUE(view.messages.empty());
    }
}

// A page may hold more than its grid can show: values past the grid's columns (a definition
// narrowed since), or the rows of a grid named before the page's last "GRID:" line, which is
// the one shown. Nothing of it is lost on a save: it is kept as stored, and the user is told.
TEST_F(PageDataTest, WhatTheGridCannotShowIsKeptAsStored) {
    struct Case {
        const char* what;
        PageLines lines;
        PageLines composed;
        const char* message;
    };
    const char* beyond = "Page 1 holds values beyond the 4 columns of grid LIST. They are not "
                         "shown, and are kept as stored.";
    const char* grids = "Page 1 names 2 grids. Only the rows of the last can be shown; the rows "
                        "of the others are kept as stored.";
    const Case cases[] = {
        // Blanks past the last column hold nothing to keep.
        {"values past the last column",
         {"GRID: LIST", "|a|b|c|d|e|", "3 |f||||g||h|", "|||| |"},
         {"GRID: LIST", "|a|b|c|d|e|", "3 |f||||g||h|", "3"},
         beyond},
        {"a row that holds nothing but values past the last column",
         {"GRID: LIST", "||||| x|"},
         {"GRID: LIST", "||||| x|", "6"},
         beyond},
        {"two grids",
         {"GRID: two", "|a|", "2 |x|y|z|", "GRID: two", "|b|", "BLOCK: logo"},
         {"GRID: two", "|a|", "2 |x|y|z|", "GRID: two", "|b||", "2", "BLOCK: logo"},
         grids},
        {"two grids, the last one missing",
         {"GRID: two", "|a|", "GRID: nowhere", "|b|"},
         {"GRID: two", "|a|", "GRID: nowhere", "|b|"},
         grids},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const PageView view = Render(c.lines);
        EXPECT_EQ(std::count_if(view.messages.begin(), view.messages.end(),
                                [&](const UserMessage& m) { return m.text == c.message; }),
                  1);
        const PageLines composed = Compose(view);
        EXPECT_EQ(composed, c.composed);
        EXPECT_EQ(RoundTrip(composed), composed);
    }

    // The last grid is the one shown, and a row keeps its hidden values through an edit.
    PageView view = Render({"GRID: two", "|a|", "GRID: two", "|b|c|d|"});
    EXPECT_EQ(view.grid->Cell(1, 0), "b");
    view.grid->SetCell(1, 1, "C");
    EXPECT_EQ(Compose(view), (PageLines{"GRID: two", "|a|", "GRID: two", "|b|C|d|", "2"}));
}

TEST_F(PageDataTest, RevisionLine) {
    PageView view = Render({"GRID: two", "REVGRID:", "|A|1.1|JD|B|", "|not a grid line|"});
    EXPECT_EQ(view.revision[0][0], "A");
    EXPECT_EQ(view.revision[1][0], "B");
    EXPECT_EQ(view.revision[1][1], "");
    EXPECT_EQ(view.grid->Cell(1, 0), ""); // the revision ends the grid's lines
    EXPECT_EQ(Compose(view), (PageLines{"REVGRID:", "|A|1.1|JD|B|||||||||", "GRID: two", "3"}));

    // A missing revision line does not swallow the keyword line after it.
    EXPECT_EQ(RoundTrip({"REVGRID:", "GRID: two", "|a|"}), (PageLines{"GRID: two", "|a||", "2"}));
    EXPECT_EQ(RoundTrip({"GRID: two", "REVGRID:"}), (PageLines{"GRID: two", "3"}));
}

TEST_F(PageDataTest, SameBlockTwiceKeepsBothValueLines) {
    PageView view = Render({"ATTRIBLK: trim22", "|1|", "ATTRIBLK: Trim22", "|2|"});
    EXPECT_EQ(Compose(view), (PageLines{"ATTRIBLK: trim22", "|1|", "ATTRIBLK: Trim22", "|2|"}));
    ASSERT_TRUE(view.BlockAttribValues.Replace("trim22", "|3|", 1));
    EXPECT_EQ(Compose(view), (PageLines{"ATTRIBLK: trim22", "|1|", "ATTRIBLK: Trim22", "|3|"}));

    // A block name holding the old name/value separator still composes to its own lines.
    const PageLines odd = {"ATTRIBLK: a::b", "|1|2|3|"};
    EXPECT_EQ(RoundTrip(odd), odd);
    EXPECT_EQ(RoundTrip(RoundTrip(odd)), odd);
}

// What the page's picture shows, read alone for the detail preview: the blocks of the page
// reader's items, each with its own value line only.
TEST(PageBlocks, TheBlocksOfThePageWithTheirValueLines) {
    const std::vector<PageBlock> blocks =
        ReadPageBlocks({"GRID: g", "|1|", "BLOCK: b", "ATTRIBLK: c", "|6|5|", "REVGRID:"});
    ASSERT_EQ(blocks.size(), 2u);
    EXPECT_EQ(blocks[0].name + " " + blocks[1].name, "b c");
    EXPECT_EQ(blocks[0].valueLine, std::nullopt);
    EXPECT_EQ(blocks[1].valueLine, "|6|5|");
}

TEST_F(PageDataTest, MissingGridKeepsTheStoredLines) {
    const PageView view = Render({"GRID: nowhere", "|a|b|", "3 |c|", "", "BLOCK: logo"});
    EXPECT_FALSE(view.grid);
    EXPECT_TRUE(view.gridSeen);
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].text, "Grid nowhere not found in Grid Definition Table.");
    EXPECT_EQ(Compose(view), (PageLines{"GRID: nowhere", "|a|b|", "3 |c|", "", "BLOCK: logo"}));
}

TEST_F(PageDataTest, EmptyLineInAGridIsOneRowWithNoValues) {
    for (const char* empty : {"", "   "}) {
        const PageView view = Render({"GRID: two", "|a|", empty, "|b|", empty, empty});
        ASSERT_TRUE(view.grid);
        EXPECT_EQ(view.grid->Cell(1, 0), "a");
        EXPECT_EQ(view.grid->Cell(2, 0), "");
        EXPECT_EQ(view.grid->Cell(3, 0), "b"); // the last empty lines find no row left
    }
    EXPECT_EQ(RoundTrip({"GRID: two", "", "|x|"}), (PageLines{"GRID: two", "1", "|x||", "1"}));
}

// A hostile database must not abort the program: a grid beyond the bounds is reported by
// name and its page keeps its lines, as for a missing grid.
TEST_F(PageDataTest, GridDefinitionsOutOfBoundsAreRefusedAndThePageKeepsItsLines) {
    const std::vector<std::vector<FieldValue>> columns = {{1.0, std::int64_t{0}, "A"},
                                                          {1.0, std::int64_t{0}, "B"}};
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    const std::vector<std::pair<GridDefinition, std::vector<std::vector<FieldValue>>>> bad = {
        {{"max", 2, 2147483647, 0, 0, 0.25f}, columns},
        {{"huge", 2, 300000000, 0, 0, 0.25f}, columns},
        {{"over", 2, kMaxGridRows + 1, 0, 0, 0.25f}, columns},
        {{"negative", 2, -1, 0, 0, 0.25f}, columns},
        {{"wide", 2147483647, 2, 0, 0, 0.25f}, columns},
        {{"nocolumns", 0, 2, 0, 0, 0.25f}, columns},
        {{"tall", 2, 2, 0, 0, inf}, columns},
        {{"nanrow", 2, 2, 0, 0, static_cast<float>(nan)}, columns},
        {{"top", 2, 2, 0, inf, 0.25f}, columns},
        {{"width", 2, 2, 0, 0, 0.25f}, {{nan, std::int64_t{0}, "A"}, {1.0, std::int64_t{0}, "B"}}},
        {{"far", 2, 2, 0, 0, 0.25f}, {{1e30, std::int64_t{0}, "A"}, {1.0, std::int64_t{0}, "B"}}},
        {{"backward", 2, 2, 0, 0, 0.25f},
         {{-1.0, std::int64_t{0}, "A"}, {1.0, std::int64_t{0}, "B"}}},
    };
    for (const auto& [definition, table] : bad) {
        db.AddDefinition(definition, table);
        const std::string& name = definition.GridName;
        const PageLines lines = {"GRID: " + name, "|a|b|", "2 |c|", "ATTRIBLK: trim22", "|1|"};
        const PageView view = Render(lines);
        EXPECT_FALSE(view.grid) << name;
        ASSERT_EQ(view.messages.size(), 1u) << name;
        EXPECT_EQ(view.messages[0].text,
                  "Grid " + name + " in Grid Definition Table has sizes out of range.");
        EXPECT_EQ(Compose(view), lines) << name;
    }

    // At the bounds the grid is laid out; a last column too wide is never read.
    db.AddDefinition({"edge", 2, kMaxGridRows, 0, 0, static_cast<float>(kMaxGridInches)},
                     {{kMaxGridInches, std::int64_t{0}, "A"}, {nan, std::int64_t{0}, "B"}});
    const PageView edge = Render({"GRID: edge", "|a|"});
    ASSERT_TRUE(edge.grid);
    EXPECT_EQ(edge.grid->Rows(), kMaxGridRows + 1);
    EXPECT_TRUE(GridDefinitionInBounds({"c", kMaxGridColumns, 0, 0, 0, 0}));
    EXPECT_FALSE(GridDefinitionInBounds({"c", kMaxGridColumns + 1, 0, 0, 0, 0}));
}

} // namespace
} // namespace waybill
