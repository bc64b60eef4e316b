#include "find/TextSearch.h"

#include "model/Book.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

namespace waybill {
namespace {

// One line per hit, for comparing whole result lists at a glance.
std::string Describe(const FindHit& hit) {
    const Place& p = hit.place;
    std::string where = std::to_string(p.page) + " " + p.cadNumber + " ";
    switch (p.kind) {
    case PlaceKind::Cell:
        where += "cell " + std::to_string(p.row) + "," + std::to_string(p.column) + " (" +
                 p.columnHeader + ")";
        break;
    case PlaceKind::TitleBlockField:
        where += "field " + std::to_string(p.field) + " " + p.fieldName;
        break;
    case PlaceKind::PageDescription:
        where += "description " + std::to_string(p.field) + " " + p.fieldName;
        break;
    case PlaceKind::Attribute:
        where += "attribute " + p.block + "#" + std::to_string(p.blockOccurrence) + " " +
                 std::to_string(p.attribute) + " (" + p.tag + ")";
        break;
    }
    return where + (hit.replaceable ? " = " : " ~ ") + hit.text;
}

std::vector<std::string> Describe(const std::vector<FindHit>& hits) {
    std::vector<std::string> lines;
    for (const FindHit& hit : hits) {
        lines.push_back(Describe(hit));
    }
    return lines;
}

class TextSearchTest : public testing::Test {
  protected:
    TextSearchTest() {
        db.AddGrid("LIST", 4, 7);
        db.AddGrid("two", 2, 3);
        db.AddTable("trim22", {"Prompt", "Tag", "DEF_VAL"},
                    {{"Width", "WID", ""}, {"Depth", "DEP", ""}, {"Girth", "GIR", ""}});
        book.JobNumber = "W8X10 job";
        book.Customer = "Acme";
        book.Add("sht01-1", "PG", "W8X10 roof",
                 {"REVGRID:", "|A|W8X10|RB||||||||||", "ATTRIBLK: trim22", "|w8x10|2|3|9 W8X10|",
                  "GRID: LIST", "|P-1|W8X10|4|10'|", "2", "2 |P-2|M2|1|W8x10 long|",
                  "|a|b|c|d|W8X10|", "BLOCK: logo", "attriblk: TRIM22", "|W8X10|x|y|"},
                 AfterLastPage);
        // Of two grids the editor shows and stores the last one.
        book.Add("zee00-1", "W8X10", "Purlins",
                 {"GRID: LIST", "|W8X10 first|", "GRID: two", "||W8X10|"}, AfterLastPage);
        book.Add("cee00-1", "PG", "", {"GRID: gone", "|W8X10|", "ATTRIBLK: nodefs", "|W8X10|"},
                 AfterLastPage);
    }

    std::vector<std::string> Find(FindOptions options) {
        PlaceNames names(&db);
        return Describe(FindAll(book, names, options));
    }

    test::TestDatabase db;
    Book book;
};

TEST_F(TextSearchTest, EveryPlaceKindInDocumentOrder) {
    const std::vector<std::string> expected = {
        "1 sht01-1 attribute trim22#0 0 (WID) ~ w8x10",
        "1 sht01-1 attribute trim22#0 3 () ~ 9 W8X10",
        "1 sht01-1 attribute TRIM22#1 0 (WID) ~ W8X10",
        "1 sht01-1 cell 1,1 (C1) = W8X10",
        "1 sht01-1 cell 4,3 (C3) = W8x10 long",
        "1 sht01-1 cell 5,3 (C3) = W8x10 long",
        "1 sht01-1 cell 6,4 () ~ W8X10",
        "1 sht01-1 field 7 Job Number = W8X10 job",
        "1 sht01-1 description 8 Shipping List For = W8X10 roof",
        "2 zee00-1 cell 1,1 (C1) = W8X10",
        "2 zee00-1 field 0 Finish = W8X10",
        "3 cee00-1 attribute nodefs#0 0 () ~ W8X10",
        "3 cee00-1 cell 1,0 () ~ W8X10",
    };
    EXPECT_EQ(Find({"w8x10"}), expected);
}

TEST_F(TextSearchTest, OptionsNarrowTheMatches) {
    struct Case {
        FindOptions options;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {{"W8x10", true},
         {"1 sht01-1 cell 4,3 (C3) = W8x10 long", "1 sht01-1 cell 5,3 (C3) = W8x10 long"}},
        {{" w8x10  ", false, true, 2},
         {"2 zee00-1 cell 1,1 (C1) = W8X10", "2 zee00-1 field 0 Finish = W8X10"}},
        {{"acme", false, false, 3}, {"3 cee00-1 field 6 Customer = Acme"}},
        {{"acme", false, false, 2}, {"2 zee00-1 field 6 Customer = Acme"}},
        {{"acme", true}, {}},
        {{"zee00"}, {"2 zee00-1 field 5 CAD # = zee00-1"}},
        {{"RB"}, {}},
        {{""}, {}},
        {{"  ", false, true}, {}},
        {{"W8X10", false, false, 4}, {}},
        {{"|"}, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Find(c.options), c.expected) << c.options.text;
    }
}

TEST(TextMatcher, FoldsAsciiLettersOnlyAndReplacesEveryMatch) {
    struct Case {
        FindOptions options;
        std::string value;
        bool matches;
        std::string replaced; // with "<>"
    };
    const Case cases[] = {
        {{"ab"}, "xAbyaBab", true, "x<>y<><>"},
        {{"ab", true}, "xAbyaBab", true, "xAbyaB<>"},
        {{"aa"}, "aaa", true, "<>a"},
        {{"\xE0"}, "\xC0", false, "\xC0"},
        {{"\xE9t\xE9"}, "x\xE9T\xE9", true, "x<>"},
        {{"end"}, "the END", true, "the <>"},
        {{"ab", false, true}, "  AB ", true, "<>"},
        {{"ab", false, true}, "abc", false, "abc"},
        {{"a b", false, true}, "a  b", false, "a  b"},
        {{"long needle"}, "long", false, "long"},
    };
    for (const Case& c : cases) {
        const TextMatcher matcher(c.options);
        EXPECT_EQ(matcher.Matches(c.value), c.matches) << c.options.text << " in " << c.value;
        EXPECT_EQ(matcher.Replace(c.value, "<>"), c.replaced) << c.options.text;
    }
}

TEST_F(TextSearchTest, FindNextGoesRoundTheDocumentBothWays) {
    PlaceNames names(&db);
    const FindOptions options{"W8X10", true};
    auto step = [&](int startPage, const std::optional<Place>& from, FindDirection direction) {
        const auto hit = FindNext(book, names, options, startPage, from, direction);
        return hit ? Describe(*hit) : std::string("none");
    };
    const auto all = FindAll(book, names, options);
    ASSERT_EQ(all.size(), 10u);
    // From each hit to the next and back, past the last page to the first.
    for (std::size_t i = 0; i < all.size(); ++i) {
        const std::size_t next = (i + 1) % all.size();
        const std::size_t previous = (i + all.size() - 1) % all.size();
        EXPECT_EQ(step(0, all[i].place, FindDirection::Next), Describe(all[next])) << i;
        EXPECT_EQ(step(0, all[i].place, FindDirection::Previous), Describe(all[previous])) << i;
    }
    // Without a hit: from the top or the bottom of the start page.
    EXPECT_EQ(step(2, std::nullopt, FindDirection::Next), Describe(all[6]));
    EXPECT_EQ(step(2, std::nullopt, FindDirection::Previous), Describe(all[7]));
    EXPECT_EQ(step(99, std::nullopt, FindDirection::Next), Describe(all[0]));

    // A place that no longer matches still orders: the cell after row 2 is the one at row 6.
    Place edited = all[0].place;
    edited.kind = PlaceKind::Cell;
    edited.row = 2;
    EXPECT_EQ(step(0, edited, FindDirection::Next), Describe(all[3]));
    EXPECT_EQ(step(0, edited, FindDirection::Previous), Describe(all[2]));
}

TEST_F(TextSearchTest, FindNextOnOnePageStaysThereAndFindsTheOnlyMatchAgain) {
    PlaceNames names(&db);
    const FindOptions onPage2{"W8X10", true, false, 2};
    const auto hits = FindAll(book, names, onPage2);
    ASSERT_EQ(hits.size(), 3u); // the cell, the finish and the job number
    EXPECT_EQ(FindNext(book, names, onPage2, 0, hits[2].place, FindDirection::Next), hits[0]);
    EXPECT_EQ(FindNext(book, names, onPage2, 0, hits[0].place, FindDirection::Previous), hits[2]);

    const FindOptions only{"Acme", true, false, 0};
    const auto acme = FindAll(book, names, only);
    ASSERT_EQ(acme.size(), 1u);
    EXPECT_EQ(FindNext(book, names, only, 0, acme[0].place, FindDirection::Next), acme[0]);
    EXPECT_EQ(FindNext(book, names, {"missing"}, 1, std::nullopt, FindDirection::Next),
              std::nullopt);
    EXPECT_EQ(FindNext(Book{}, names, {"W8X10"}, 1, std::nullopt, FindDirection::Next),
              std::nullopt);
}

TEST_F(TextSearchTest, ReplaceAllDescribesEachPageAndSkipsWhatNoPageChangeNames) {
    PlaceNames names(&db);
    const ReplacePlan plan = PlanReplaceAll(book, names, {"w8x10"}, "W8X13|A");
    const std::string bar = "W8X13\xA6"
                            "A";
    ASSERT_EQ(plan.pages.size(), 2u);
    EXPECT_EQ(plan.pages[0].first, 1);
    EXPECT_EQ(plan.pages[0].second.cells,
              (std::vector<CellChange>{{1, 1, bar}, {4, 3, bar + " long"}, {5, 3, bar + " long"}}));
    EXPECT_EQ(plan.pages[0].second.titleBlock,
              (std::vector<TitleBlockChange>{{TblkJobNumber, "W8X13|A job"},
                                             {TblkDescription, "W8X13|A roof"}}));
    EXPECT_EQ(plan.pages[1].first, 2);
    EXPECT_EQ(plan.pages[1].second.cells, (std::vector<CellChange>{{1, 1, bar}}));
    EXPECT_EQ(plan.pages[1].second.titleBlock,
              (std::vector<TitleBlockChange>{{TblkFinish, "W8X13|A"}}));
    std::vector<std::string> skipped = Describe(plan.skipped);
    EXPECT_EQ(skipped, (std::vector<std::string>{
                           "1 sht01-1 attribute trim22#0 0 (WID) ~ w8x10",
                           "1 sht01-1 attribute trim22#0 3 () ~ 9 W8X10",
                           "1 sht01-1 attribute TRIM22#1 0 (WID) ~ W8X10",
                           "1 sht01-1 cell 6,4 () ~ W8X10",
                           "3 cee00-1 attribute nodefs#0 0 () ~ W8X10",
                           "3 cee00-1 cell 1,0 () ~ W8X10",
                       }));

    // A replacement that changes nothing is no change at all.
    EXPECT_TRUE(PlanReplaceAll(book, names, {"w8x10", false, false, 2}, "W8X10").pages.empty());
    const TextMatcher matcher(FindOptions{"x"});
    EXPECT_EQ(ReplaceChange(plan.skipped[0], matcher, "y"), std::nullopt);
}

TEST_F(TextSearchTest, NamesAreReadOncePerGridAndBlockAndNeedNoDatabase) {
    PlaceNames names(&db);
    FindAll(book, names, {"W8X10"});
    const int reads = db.reads;
    FindAll(book, names, {"W8X10"});
    EXPECT_EQ(db.reads, reads);

    PlaceNames none(nullptr);
    const auto hits = FindAll(book, none, {"W8X10", true, true, 2});
    EXPECT_EQ(Describe(hits), (std::vector<std::string>{"2 zee00-1 cell 1,1 () ~ W8X10",
                                                        "2 zee00-1 field 0 Finish = W8X10"}));
}

} // namespace
} // namespace waybill
