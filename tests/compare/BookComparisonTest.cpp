#include "compare/BookComparison.h"

#include "compare/DifferenceText.h"
#include "model/Book.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

namespace waybill {
namespace {

using Lines = std::vector<std::string>;

struct PageSpec {
    std::string cad;
    PageLines data;
    std::string description = "ROOF";
    std::string finish = "GALV";
};

Book MakeBook(const std::vector<PageSpec>& pages) {
    Book book;
    for (const PageSpec& page : pages) {
        book.Add(page.cad, page.finish, page.description, page.data, AfterLastPage);
    }
    return book;
}

// A page of the "std" grid holding the given row lines.
PageSpec ListPage(const std::string& cad, PageLines rows) {
    rows.insert(rows.begin(), "GRID: std");
    return {cad, std::move(rows)};
}

class BookComparisonTest : public testing::Test {
  protected:
    BookComparisonTest() {
        const auto column = [](const char* label) {
            return std::vector<FieldValue>{1.0, std::int64_t{4}, label};
        };
        db.AddDefinition({"std", 6, 25, 0, 0, 0.25f},
                         {column("COMP. ID"), column("PART MARK"), column("QTY"), column("LENGTH"),
                          column("DESCRIPTION"), column("PART NUMBER")});
        db.AddDefinition({"pur", 3, 25, 0, 0, 0.25f},
                         {column("QTY"), column("DESCRIPTION"), column("VENDOR")});
        db.AddTable("trim22", {"Prompt", "Tag", "DEF_VAL"},
                    {{"Width", "WIDTH", "6"}, {"Depth", "DEPTH", "5"}});
    }

    Lines Compare(const Book& older, const Book& newer) {
        Lines lines;
        for (const Difference& difference : CompareBooks(older, newer, db)) {
            lines.push_back(DescribeDifference(difference));
        }
        return lines;
    }

    Lines Compare(const std::vector<PageSpec>& older, const std::vector<PageSpec>& newer) {
        return Compare(MakeBook(older), MakeBook(newer));
    }

    test::TestDatabase db;
};

TEST_F(BookComparisonTest, SameContentHasNoChanges) {
    const std::vector<PageSpec> pages = {
        ListPage("std00-01", {"|A|M1|2|10'|ANGLE|P-1|", "3", "2 |A|M2|1|5'|CLIP|P-2|"}),
        {"trim22-01", {"ATTRIBLK: trim22", "|6|5|"}}};
    EXPECT_EQ(Compare(pages, pages), Lines{});
    // The same rows written another way (a count, trailing blanks) are the same rows.
    EXPECT_EQ(Compare({ListPage("a", {"2 |A|M1|2|10'|||", "20"})},
                      {ListPage("a", {"|A|M1|2|10'|||", "|A|M1|2|10'|||"})}),
              Lines{});
}

TEST_F(BookComparisonTest, InsertedAndRemovedRowsDoNotCascade) {
    const PageLines rows = {"|A|M1|1|1'|||", "|A|M2|2|2'|||", "|A|M3|3|3'|||", "|A|M4|4|4'|||"};
    PageLines inserted = rows;
    inserted.insert(inserted.begin() + 1, "|A|M9|9|9'|||");
    EXPECT_EQ(Compare({ListPage("a", rows)}, {ListPage("a", inserted)}),
              (Lines{"page 1 (a), row 2 (PART MARK M9): row added"}));

    PageLines removed = rows;
    removed.erase(removed.begin() + 1);
    EXPECT_EQ(Compare({ListPage("a", rows)}, {ListPage("a", removed)}),
              (Lines{"page 1 (a), old row 2 (PART MARK M2): row removed"}));

    // A row whose part mark changed is another item; blank rows are no items.
    PageLines renamed = rows;
    renamed[2] = "|A|M7|3|3'|||";
    renamed.insert(renamed.begin(), "1");
    EXPECT_EQ(Compare({ListPage("a", rows)}, {ListPage("a", renamed)}),
              (Lines{"page 1 (a), old row 3 (PART MARK M3): row removed",
                     "page 1 (a), row 4 (PART MARK M7): row added"}));
}

TEST_F(BookComparisonTest, RowsWithoutPartMarksPairByTextThenByPosition) {
    const auto page = [](PageLines rows) {
        rows.insert(rows.begin(), "GRID: pur");
        return PageSpec{"pur01", std::move(rows)};
    };
    EXPECT_EQ(Compare({page({"|1|BOLT|X|", "|2|NUT|X|", "|3|WASHER|X|"})},
                      {page({"|1|BOLT|X|", "|5|SCREW|Y|", "|2|NUT|X|", "|4|WASHER|X|"})}),
              (Lines{"page 1 (pur01), row 2: row added", "page 1 (pur01), row 4, QTY: 3 -> 4"}));
    // A part-mark grid's rows without a mark pair the same way.
    EXPECT_EQ(Compare({ListPage("a", {"|A|M1|1|||", "|A||1||NOTE|"})},
                      {ListPage("a", {"|A|M1|1|||", "|A||1||NOTES|"})}),
              (Lines{"page 1 (a), row 2, DESCRIPTION: NOTE -> NOTES"}));
    // A part mark typed into one of the rows that hold only a component id changes that row.
    EXPECT_EQ(Compare({ListPage("a", {"|A|M1|1|||", "3 |A||||||"})},
                      {ListPage("a", {"|A|M1|1|||", "|A|M2|4||||", "2 |A||||||"})}),
              (Lines{"page 1 (a), row 2 (PART MARK M2), PART MARK: (empty) -> M2",
                     "page 1 (a), row 2 (PART MARK M2), QTY: (empty) -> 4"}));
}

TEST_F(BookComparisonTest, RepeatedRowLinesAreExpanded) {
    EXPECT_EQ(Compare({ListPage("a", {"2", "3 |A||2|10'|||"})},
                      {ListPage("a", {"2", "|A||2|10'|||", "|A||2|10'|||", "|A||2|12'|||"})}),
              (Lines{"page 1 (a), row 5, LENGTH: 10' -> 12'"}));
    EXPECT_EQ(Compare({ListPage("a", {"2 |A|M1|2|10'|||"})},
                      {ListPage("a", {"|A|M1|2|10'|||", "|A|M1|3|10'|||"})}),
              (Lines{"page 1 (a), row 2 (PART MARK M1), QTY: 2 -> 3"}));
}

TEST_F(BookComparisonTest, LetterCaseCountsInTextsButNotInPartMarkPairing) {
    EXPECT_EQ(Compare({ListPage("a", {"|A|z3|2||angle||"})}, {ListPage("a", {"|A|Z3|2||ANGLE||"})}),
              (Lines{"page 1 (a), row 1 (PART MARK Z3), PART MARK: z3 -> Z3",
                     "page 1 (a), row 1 (PART MARK Z3), DESCRIPTION: angle -> ANGLE"}));
}

TEST_F(BookComparisonTest, LengthsAreAlsoComparedByValue) {
    EXPECT_EQ(Compare({ListPage("a", {"|A|M1|2|10'-6|10'-6||"})},
                      {ListPage("a", {"|A|M1|2|10-6|10-6||"})}),
              (Lines{"page 1 (a), row 1 (PART MARK M1), LENGTH: 10'-6 -> 10-6 (same length)",
                     "page 1 (a), row 1 (PART MARK M1), DESCRIPTION: 10'-6 -> 10-6"}));
    EXPECT_EQ(Compare({ListPage("a", {"|A|M1|2|14'|||"})}, {ListPage("a", {"|A|M1|2|14'-6|||"})}),
              (Lines{"page 1 (a), row 1 (PART MARK M1), LENGTH: 14' -> 14'-6"}));
    EXPECT_EQ(Compare({ListPage("a", {"|A|M1|2|x|||"})}, {ListPage("a", {"|A|M1|2|y|||"})}),
              (Lines{"page 1 (a), row 1 (PART MARK M1), LENGTH: x -> y"}));
}

TEST_F(BookComparisonTest, InsertedAndRemovedPagesDoNotCascade) {
    EXPECT_EQ(Compare({{"a", {}}, {"b", {}}, {"c", {}}, {"d", {}}},
                      {{"a", {}}, {"x", {}}, {"b", {}}, {"d", {}}}),
              (Lines{"page 2 (x): page added", "old page 3 (c): page removed"}));
}

TEST_F(BookComparisonTest, MovedPagesAreMovedAndStillCompared) {
    EXPECT_EQ(
        Compare({{"a", {}}, ListPage("b", {"|A|M1|1|||"}), {"c", {}}, {"d", {}}},
                {{"a", {}}, {"c", {}}, {"d", {}}, ListPage("b", {"|A|M1|2|||"})}),
        (Lines{"page 4 (b): moved from page 2", "page 4 (b), row 1 (PART MARK M1), QTY: 1 -> 2"}));
    // Two pages of one CAD # pair in order.
    EXPECT_EQ(Compare({{"a", {}}, {"a", {}}}, {{"a", {}}}), Lines{"old page 2 (a): page removed"});
}

TEST_F(BookComparisonTest, TitleBlockFieldsFinishesAndDescriptions) {
    Book older = MakeBook({{"zee00-01", {}, "PURLINS", "GALV"}, {"b", {}}});
    Book newer = MakeBook({{"ZEE00-01", {}, "PURLINS ROOF", "PAINT"}, {"b", {}}});
    older.DetailBy = "RB";
    newer.DetailBy = "JS";
    newer.JobNumber = "J-1";
    EXPECT_EQ(Compare(older, newer),
              (Lines{"title block, Detail By: RB -> JS", "title block, Job Number: (empty) -> J-1",
                     "page 1 (ZEE00-01), Finish: GALV -> PAINT",
                     "page 1 (ZEE00-01), CAD #: zee00-01 -> ZEE00-01",
                     "page 1 (ZEE00-01), Shipping List For: PURLINS -> PURLINS ROOF"}));
    EXPECT_EQ(Compare({{"a", {"REVGRID:", "|A|1-5-03|RB|"}}},
                      {{"a", {"REVGRID:", "|A|1-5-03|RB|B|2-5-03|JS|"}}}),
              (Lines{"page 1 (a), revision 2, Rev.: (empty) -> B",
                     "page 1 (a), revision 2, Date: (empty) -> 2-5-03",
                     "page 1 (a), revision 2, By: (empty) -> JS"}));
}

TEST_F(BookComparisonTest, AttributeValuesByBlockAndTag) {
    EXPECT_EQ(Compare({{"t", {"ATTRIBLK: trim22", "|6|5|", "ATTRIBLK: trim22", "|6|"}}},
                      {{"t", {"ATTRIBLK: trim22", "|6|5|", "ATTRIBLK: TRIM22", "|6|4|"}}}),
              (Lines{"page 1 (t), block TRIM22 #2, DEPTH: 5 -> 4"}));
    // A block without definitions has its values numbered; blocks come and go.
    EXPECT_EQ(
        Compare({{"t", {"ATTRIBLK: lost", "|1|2|", "BLOCK: logo"}}},
                {{"t", {"ATTRIBLK: lost", "|1|3|", "ATTRIBLK: trim22", "|7|"}}}),
        (Lines{"page 1 (t), block lost, value 2: 2 -> 3", "page 1 (t), block logo: block removed",
               "page 1 (t), block trim22: block added"}));
}

TEST_F(BookComparisonTest, GridWithoutDefinitionIsComparedByColumnNumber) {
    EXPECT_EQ(Compare({{"a", {"GRID: lost", "|1|x|", "|2|y|"}}},
                      {{"a", {"GRID: lost", "|1|x|", "|2|z|extra|"}}}),
              (Lines{"page 1 (a), row 2, column 1: y -> z",
                     "page 1 (a), row 2, column 2: (empty) -> extra"}));
}

TEST_F(BookComparisonTest, GridsBeforeTheShownOneAreComparedAsStoredLines) {
    EXPECT_EQ(Compare({{"a", {"GRID: pur", "|1|BOLT|X|", "|2|NUT|X|", "GRID: std", "|A|M1|1|||"}}},
                      {{"a", {"GRID: PUR", "|1|BOLT|X|", "|3|NUT|X|", "GRID: std", "|A|M1|2|||"}}}),
              (Lines{"page 1 (a), grid pur, stored line removed: |2|NUT|X|",
                     "page 1 (a), grid PUR, stored line added: |3|NUT|X|",
                     "page 1 (a), row 1 (PART MARK M1), QTY: 1 -> 2"}));
    // A grid named anew after the shown one: its rows replace the old grid's rows, which are
    // now stored lines, and nothing pairs across the two grids.
    EXPECT_EQ(Compare({{"a", {"GRID: std", "|A|M1|1|||"}}},
                      {{"a", {"GRID: std", "|A|M1|1|||", "GRID: pur", "|1|BOLT|X|"}}}),
              (Lines{"page 1 (a), grid std, stored line added: |A|M1|1|||",
                     "page 1 (a), old row 1 (PART MARK M1): row removed",
                     "page 1 (a), row 1: row added"}));
}

} // namespace
} // namespace waybill
