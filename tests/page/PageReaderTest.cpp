#include "page/PageReader.h"

#include "support/TestDatabase.h"
#include "model/Book.h"
#include "page/PageData.h"

#include <gtest/gtest.h>

namespace waybill {
namespace {

// The items as "keyword name [value] lines a-b", the lines those a part spans.
std::vector<std::string> Items(const PageLines& lines) {
    static const char* const kNames[] = {"rev", "grid", "block", "attrib"};
    std::vector<std::string> out;
    for (const PageItem& item : ReadPageItems(lines)) {
        std::string text = kNames[static_cast<int>(item.keyword)];
        text += item.name.empty() ? "" : " " + item.name;
        text += item.value ? " [" + *item.value + "]" : "";
        text += " " + std::to_string(item.line) + "-" + std::to_string(item.end);
        out.push_back(std::move(text));
    }
    return out;
}

TEST(PageReader, PartsOwnTheirLinesAndAKeywordLineIsNeverAValue) {
    EXPECT_EQ(Items({"loose", "grid:  LIST ", "|a|", "3", "BLOCK: logo", "stray"}),
              (std::vector<std::string>{"grid LIST 1-4", "block logo 4-6"}));
    // A value line is the one line after its keyword, unless that is a keyword line.
    EXPECT_EQ(
        Items({"ATTRIBLK: a", "|1|", "|2|", "ATTRIBLK: b", "GRID: g", "REVGRID:"}),
        (std::vector<std::string>{"attrib a [|1|] 0-3", "attrib b 3-4", "grid g 4-5", "rev 5-6"}));
    EXPECT_EQ(Items({"REVGRID:", "|A|", "GRID : x", "Block:b"}),
              (std::vector<std::string>{"rev [|A|] 0-3", "block b 3-4"}));
    EXPECT_TRUE(Items({"no keyword", "|x|"}).empty());
}

// The exports read a grid's lines into rows; they must number the rows as the editor fills
// them.
TEST(PageReader, GridRowsAgreeWithTheEditorsRows) {
    test::TestDatabase db;
    db.AddGrid("six", 2, 6);
    const PageLines lines = {"GRID: six",       "|a|", "",    "2", "2 |b|", "7 |past|", "x",
                             "99999999999 |z|", "|c|", "|d|", "4"};
    Book book;
    book.Add("misc-1", "", "", lines, AfterLastPage);
    PageView view;
    RenderPageData(view, book, 1, {db, {1025, 700, 100, 100, 1}, nullptr});
    const GridRows rows(lines, ReadPageItems(lines).front());
    ASSERT_EQ(rows.Count(), 20);
    ASSERT_EQ(view.grid->Rows(), 17);
    for (int row = 1; row < view.grid->Rows(); ++row) {
        const auto& values = rows.Values(row);
        EXPECT_EQ(values.empty() ? "" : values[0], view.grid->Cell(row, 0)) << row;
    }
    EXPECT_TRUE(rows.Values(0).empty());
    EXPECT_TRUE(rows.Values(21).empty());
}

} // namespace
} // namespace waybill
