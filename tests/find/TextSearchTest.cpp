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
    case PlaceKind::RevisionCell:
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
        "1 sht01-1 attribute trim22#0 0 (WID) = w8x10",
        "1 sht01-1 attribute trim22#0 3 () = 9 W8X10",
        "1 sht01-1 attribute TRIM22#1 0 (WID) = W8X10",
        "1 sht01-1 cell 1,1 (C1) = W8X10",
        "1 sht01-1 cell 4,3 (C3) = W8x10 long",
        "1 sht01-1 cell 5,3 (C3) = W8x10 long",
        "1 sht01-1 cell 6,4 () ~ W8X10",
        "1 sht01-1 field 7 Job Number = W8X10 job",
        "1 sht01-1 description 8 Shipping List For = W8X10 roof",
        "2 zee00-1 cell 1,1 (C1) = W8X10",
        "2 zee00-1 field 0 Finish = W8X10",
        "3 cee00-1 attribute nodefs#0 0 () = W8X10",
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
        // Drawing symbols: found by the key that looks like them and by their plain text. The
        // glyph 1/4 is \xD0, 1/2 \xD8, the diameter \xE8 (and \xBA), the centre line \xE9.
        {{"\xBC"}, "10'-1\xD0", true, "10'-1<>"},
        {{"1/4"}, "10'-1\xD0 and \xBC", true, "10'-1<> and <>"},
        {{"1\xBC"}, "10'-1\xD0", true, "10'-<>"},
        {{"1-1/4", false, true}, "1\xD0", true, "<>"},
        {{"\xD8"}, "\xE8 \xBA \xD8", true, "<> <> \xD8"},
        {{"\xBD"}, "\xD8 1/2 \xBD", true, "<> <> <>"},
        {{"1/"}, "x\xD8", true, "x<>2"},
        {{"l"}, "\xE9\xE9", true, "C<>C<>"},
        {{"\xE9"}, "CLIP", true, "<>IP"},
        {{"\xD0"}, "\xD0", true, "<>"},
    };
    for (const Case& c : cases) {
        const TextMatcher matcher(c.options);
        EXPECT_EQ(matcher.Matches(c.value), c.matches) << c.options.text << " in " << c.value;
        EXPECT_EQ(matcher.Replace(c.value, "<>"), c.replaced) << c.options.text;
    }
    // The dash that parts a fraction from a number is a blank when one is needed.
    const TextMatcher quarter(FindOptions{"1/4"});
    EXPECT_EQ(quarter.Replace("10'-1\xD0", "1/2"), "10'-1 1/2");
    EXPECT_EQ(quarter.Replace("10'-1\xD0", ""), "10'-1");
    EXPECT_EQ(TextMatcher(FindOptions{"/4"}).Replace("6\xD0", "/2"), "6 1/2");
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

// A place as a hit names it; only the members of its kind matter.
Place CellAt(int row, int column) {
    Place place;
    place.row = row;
    place.column = column;
    return place;
}

Place FieldAt(int field) {
    Place place;
    place.kind = field == TblkDescription ? PlaceKind::PageDescription : PlaceKind::TitleBlockField;
    place.field = field;
    return place;
}

Place AttributeAt(std::string block, int occurrence, int attribute) {
    Place place;
    place.kind = PlaceKind::Attribute;
    place.block = std::move(block);
    place.blockOccurrence = occurrence;
    place.attribute = attribute;
    return place;
}

// The value is read from the page as it stands, so a hit found before another change is
// replaced in what the page holds now, or not at all.
TEST(ReplaceAtPlace, RewritesThePlacesValueAsThePlaceCanKeepIt) {
    PageView view;
    GridView grid;
    grid.layout.rows = 3;
    grid.layout.columns = 2;
    grid.cells = {"H1", "H2", "", "W8X10 x w8x10", "W8X10", ""};
    view.grid = std::move(grid);
    view.titleBlock[TblkCadNumber] = "W8X10";
    view.titleBlock[TblkDescription] = "W8X10 roof";
    view.titleBlock[TblkFinish] = "Primer";
    view.BlockAttribValues.Add("trim22", "|a|b|");
    view.BlockAttribValues.Add("TRIM22", "|W8X10|w8x10|");
    const std::string bar = "W8X13\xA6"
                            "A";
    struct Case {
        Place place;
        std::string replacement;
        std::optional<PageChanges> expected;
    };
    const Case cases[] = {
        {CellAt(1, 1), "W8X13|A", PageChanges{{}, {{1, 1, bar + " x " + bar}}}},
        {CellAt(2, 0), "W8X13", PageChanges{{}, {{2, 0, "W8X13"}}}},
        {CellAt(2, 1), "W8X13", std::nullopt}, // empty: matches no more
        {CellAt(0, 0), "W8X13", std::nullopt}, // the headers
        {CellAt(3, 0), "W8X13", std::nullopt}, // below the grid
        {CellAt(1, 2), "W8X13", std::nullopt}, // past its columns
        {CellAt(2, 0), "w8x10", PageChanges{{}, {{2, 0, "w8x10"}}}},
        {CellAt(2, 0), "W8X10", std::nullopt}, // stays as it is
        {FieldAt(TblkCadNumber), "A,B\n", PageChanges{{{TblkCadNumber, "A;B"}}}},
        {FieldAt(TblkDescription), "A|B\tC", PageChanges{{{TblkDescription, "A|B C roof"}}}},
        {FieldAt(TblkFinish), "x", std::nullopt},
        {FieldAt(kTitleBlockFields), "x", std::nullopt},
        {AttributeAt("Trim22", 1, 1), "W8X13|A",
         PageChanges{{}, {}, {}, {{"Trim22", 1, "|W8X10|" + bar + "|"}}}},
        {AttributeAt("trim22", 0, 0), "x", std::nullopt},
        {AttributeAt("trim22", 1, 2), "x", std::nullopt},
        {AttributeAt("trim22", 2, 0), "x", std::nullopt},
        {AttributeAt("cap", 0, 0), "x", std::nullopt},
    };
    const TextMatcher matcher(FindOptions{"w8x10"});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.replacement + " at row " + std::to_string(c.place.row) + " field " +
                     std::to_string(c.place.field) + " attribute " + c.place.block);
        EXPECT_EQ(ReplaceAtPlace(view, c.place, matcher, c.replacement), c.expected);
    }
}

// The document's fields are searched once, though it has no page to show them on.
TEST_F(TextSearchTest, ADocumentWithoutPagesStillHasItsFields) {
    Book empty;
    empty.Customer = "Acme";
    empty.JobNumber = "acme 2";
    PlaceNames names(&db);
    const auto hits = FindAll(empty, names, {"acme"});
    ASSERT_EQ(Describe(hits), (std::vector<std::string>{"0  field 6 Customer ~ Acme",
                                                        "0  field 7 Job Number ~ acme 2"}));
    EXPECT_EQ(DescribeWhere(hits[0].place), "title-block Customer");
    EXPECT_EQ(FindNext(empty, names, {"acme"}, 0, hits[1].place, FindDirection::Next), hits[0]);
    EXPECT_EQ(FindNext(empty, names, {"acme"}, 0, std::nullopt, FindDirection::Previous), hits[1]);
    EXPECT_EQ(FindNext(empty, names, {"2"}, 0, hits[1].place, FindDirection::Next), hits[1]);
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
