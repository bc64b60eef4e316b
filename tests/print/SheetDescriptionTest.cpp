#include "model/Book.h"
#include "print/PrintedSheet.h"
#include "support/TempDir.h"
#include "support/TestDatabase.h"
#include "support/WmfWriter.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace waybill {
namespace {

using test::TempDir;
using test::TestDatabase;

// Every character 0.08 inch wide at 9 points (bold 0.09), scaled with the size.
TextExtent Measure(std::string_view text, double points, bool bold) {
    return {static_cast<double>(text.size()) * (bold ? 0.09 : 0.08) * points / 9,
            points / 72 * 1.15};
}

// A drawing of `width` x `height` inches holding one rectangle.
std::string Drawing(int width, int height) {
    test::WmfWriter w;
    w.Placeable(0, 0, static_cast<std::int16_t>(width * 100),
                static_cast<std::int16_t>(height * 100), 100);
    w.SetWindowOrg(0, 0);
    w.SetWindowExt(static_cast<std::int16_t>(width * 100), static_cast<std::int16_t>(height * 100));
    w.Rectangle(10, 10, 90, 90);
    return w.Bytes();
}

class SheetDescription : public ::testing::Test {
  protected:
    SheetDescription() {
        std::filesystem::create_directories(dir / "blocks");
        dir.Write("blocks/pic.wmf", Drawing(10, 2));
        library.SetFolder(dir / "blocks");
        // Columns 1, 1.5 and 2 inches; the third has a bold right edge; codes left, centre,
        // right.
        database.AddTable("g", {"Width", "Align", "Label", "BoldLine"},
                          {{1.0, std::int64_t{1}, "QTY", std::int64_t{0}},
                           {1.5, std::int64_t{4}, "MARK", std::int64_t{0}},
                           {2.0, std::int64_t{7}, "WEIGHT", std::int64_t{1}}});
        database.AddDefinition({"g", 3, 4, 0.5f, 2.0f, 0.375f});
        // Attribute "A" at (1, 1) centred, "B" at (2, 0.5) left.
        database.AddTable(
            "pic",
            {"Prompt", "Tag", "PtX1", "PtY1", "TXT_HGT", "DEF_VAL", "TXT_ROT", "TXT_XSC", "HorJust",
             "PtX2", "PtY2", "VerJust"},
            {{"a", "A", 0.0, 0.0, 0.1, "", 0.0, 1.0, std::int64_t{1}, 1.0, 1.0, std::int64_t{0}},
             {"b", "B", 2.0, 0.5, 0.1, "dflt", 0.0, 1.0, std::int64_t{0}, 0.0, 0.0,
              std::int64_t{0}}});
    }

    PrintedSheet Describe(PageLines lines, int pages = 1, const PageChangeMarks* marks = nullptr) {
        for (int p = 0; p < pages; ++p) {
            book.Add("pic-0" + std::to_string(p + 1), "Galvalume", "TRIM", lines, AfterLastPage);
        }
        SheetSources sources{database, attribDefs, library, Measure};
        return DescribeSheet(book, 1, sources, marks);
    }

    TempDir dir;
    TestDatabase database;
    BlockAttribDefs attribDefs{database};
    BlockLibrary library;
    Book book;
};

// The sheet's items of one kind, in drawing order.
template <typename Item> std::vector<Item> ItemsOf(const PrintedSheet& sheet) {
    std::vector<Item> items;
    for (const auto& item : sheet.items) {
        if (const auto* i = std::get_if<Item>(&item)) {
            items.push_back(*i);
        }
    }
    return items;
}

const SheetText* FindText(const std::vector<SheetText>& texts, std::string_view text) {
    const auto found = std::find_if(texts.begin(), texts.end(),
                                    [&](const SheetText& t) { return t.text == text; });
    return found == texts.end() ? nullptr : &*found;
}

TEST_F(SheetDescription, TitleBlockValuesFollowTheirLabelsAndSheetNumbersFollowTheOptions) {
    book.DetailBy = "JS";
    book.NumberPgs = true;
    book.ShowPgTot = false;
    auto texts = ItemsOf<SheetText>(Describe({}, 3));

    const SheetText* label = FindText(texts, "Detail By:   ");
    const SheetText* value = FindText(texts, "JS");
    ASSERT_TRUE(label && value);
    EXPECT_TRUE(label->bold);
    EXPECT_FALSE(value->bold);
    EXPECT_DOUBLE_EQ(value->x, 4.0625 + 13 * 0.09);
    EXPECT_DOUBLE_EQ(value->y, 6.5625);
    EXPECT_DOUBLE_EQ(FindText(texts, "TRIM")->y, 6.5625 + 4 * 0.245);
    EXPECT_DOUBLE_EQ(FindText(texts, "TRIM")->x, 3.0);

    // Numbering on, totals off: the number and the label "of", no total.
    ASSERT_TRUE(FindText(texts, "1"));
    EXPECT_DOUBLE_EQ(FindText(texts, "1")->x, 8.625);
    EXPECT_TRUE(FindText(texts, "of"));
    EXPECT_FALSE(FindText(texts, "3"));

    book = Book{};
    book.NumberPgs = true;
    book.ShowPgTot = true;
    texts = ItemsOf<SheetText>(Describe({}, 3));
    EXPECT_DOUBLE_EQ(FindText(texts, "3")->x, 9.5);

    // Numbering off: neither number nor total, whatever the totals option says.
    book = Book{};
    book.ShowPgTot = true;
    texts = ItemsOf<SheetText>(Describe({}, 3));
    EXPECT_FALSE(FindText(texts, "1"));
    EXPECT_FALSE(FindText(texts, "3"));
    EXPECT_TRUE(FindText(texts, "Sheet No.:"));
}

TEST_F(SheetDescription, LongTitleBlockValuesAreNarrowedToKeepTheirGapToTheLine) {
    book.Customer = std::string(120, 'C');
    book.JobNumber = std::string(60, 'J');
    const auto texts = ItemsOf<SheetText>(Describe({}));
    const struct {
        std::string text;
        double line;
    } cases[] = {{book.Customer, 7.375}, {book.JobNumber, 10.25}};
    for (const auto& c : cases) {
        const SheetText* value = FindText(texts, c.text);
        ASSERT_TRUE(value);
        EXPECT_LT(value->condense, 1);
        EXPECT_NEAR(value->x + c.text.size() * 0.08 * value->condense, c.line - 1.0 / 32, 1e-12);
    }
}

TEST_F(SheetDescription, RevisionValuesAreCentredInTheirColumnsAtQuarterInchSteps) {
    const auto texts = ItemsOf<SheetText>(Describe({"REVGRID:", "|A|1/2/24|JS|B||||||||MK|"}));
    const SheetText* a = FindText(texts, "A");
    ASSERT_TRUE(a);
    EXPECT_DOUBLE_EQ(a->x, (0.5 - 0.08) / 2);
    EXPECT_DOUBLE_EQ(a->y, 6.8125);
    EXPECT_DOUBLE_EQ(FindText(texts, "B")->y, 7.0625);
    // Row 4's "By" column.
    EXPECT_DOUBLE_EQ(FindText(texts, "MK")->x, 1.0 + (0.5 - 0.16) / 2);
    EXPECT_DOUBLE_EQ(FindText(texts, "MK")->y, 7.5625);
    // "1/2/24" is 0.48 wide: narrowed to fit between 1/32 inch gaps.
    const SheetText* date = FindText(texts, "1/2/24");
    EXPECT_DOUBLE_EQ(date->x, 0.5 + 1.0 / 32);
    EXPECT_NEAR(date->condense * 0.48, 0.5 - 2.0 / 32, 1e-12);
    // The headers in bold.
    EXPECT_TRUE(FindText(texts, "Rev.")->bold);
}

TEST_F(SheetDescription, GridRulesEdgesAndCellsFollowTheDefinition) {
    const PrintedSheet sheet =
        Describe({"GRID: g", "|12|M1|40|", "|3|WIDE-MARK-NUMBER-22|7|", "1", "|||x|"});
    const auto lines = ItemsOf<SheetLine>(sheet);
    const auto texts = ItemsOf<SheetText>(sheet);

    // Rules at the definition's row height, from "Left"; edges from x = 0 down to the title
    // block, the third one thick; the thick rule at the top comes last.
    EXPECT_EQ(lines[lines.size() - 8], (SheetLine{0.5, 2.375, 10.25, 2.375, PenWeight::Thin}));
    EXPECT_EQ(lines[lines.size() - 5].y1, 3.5);
    EXPECT_EQ(lines[lines.size() - 4], (SheetLine{1.0, 2.0, 1.0, 6.5, PenWeight::Thin}));
    EXPECT_EQ(lines[lines.size() - 3], (SheetLine{2.5, 2.0, 2.5, 6.5, PenWeight::Thin}));
    EXPECT_EQ(lines[lines.size() - 2], (SheetLine{4.5, 2.0, 4.5, 6.5, PenWeight::Thick}));
    EXPECT_EQ(lines.back(), (SheetLine{0, 2.0, 10.25, 2.0, PenWeight::Thick}));

    // Headers bold and centred 1/16 below the top; rows at a fixed 0.25 pitch.
    const SheetText* header = FindText(texts, "MARK");
    EXPECT_TRUE(header->bold);
    EXPECT_DOUBLE_EQ(header->x, 1.0 + (1.5 - 0.36) / 2);
    EXPECT_DOUBLE_EQ(header->y, 2.0625);
    const SheetText* left = FindText(texts, "12");
    EXPECT_DOUBLE_EQ(left->x, 0.0625);
    EXPECT_DOUBLE_EQ(left->y, 2.0 + 0.25 + 0.0625);
    EXPECT_DOUBLE_EQ(FindText(texts, "M1")->x, 1.0 + (1.5 - 0.16) / 2);
    EXPECT_DOUBLE_EQ(FindText(texts, "40")->x, 4.5 - 0.0625 - 0.16);
    EXPECT_DOUBLE_EQ(FindText(texts, "x")->y, 2.0 + 4 * 0.25 + 0.0625);
    // A text wider than its cell is narrowed to the cell rather than run over its edge.
    const SheetText* wide = FindText(texts, "WIDE-MARK-NUMBER-22");
    EXPECT_DOUBLE_EQ(wide->x, 1.0 + 1.0 / 32);
    EXPECT_NEAR(wide->x + 19 * 0.08 * wide->condense, 2.5 - 1.0 / 32, 1e-12);
    EXPECT_EQ(FindText(texts, "12")->condense, 1);
}

// Marked rows get a bar in the sheet's left margin, the first and the last line item alike;
// the header and a row past the grid get none.
TEST_F(SheetDescription, ChangeBarsStandBesideTheMarkedLineItemRows) {
    PageChangeMarks marks;
    marks.rows = {0, 1, 4, 5};
    std::vector<SheetRectangle> bars;
    for (const SheetRectangle& r : ItemsOf<SheetRectangle>(Describe({"GRID: g"}, 1, &marks))) {
        if (r.filled) {
            bars.push_back(r);
        }
    }
    // Rows 0.375 apart; a bar stays an eighth of that inside its row.
    const auto bar = [](int row) {
        const double top = 2.0 + row * 0.375;
        return SheetRectangle{kChangeBarLeft, top + 0.046875,  kChangeBarRight,
                              top + 0.328125, PenWeight::Thin, true};
    };
    EXPECT_EQ(bars, (std::vector<SheetRectangle>{bar(1), bar(4)}));
}

// Each "GRID:" line names the page's grid anew: the last is the one printed, once.
TEST_F(SheetDescription, TwoGridLinesPrintTheLastGridOnce) {
    const PrintedSheet sheet = Describe({"GRID: g", "|q|first|", "GRID: g", "|q|second|"});
    const auto texts = ItemsOf<SheetText>(sheet);
    const auto count = [&](std::string_view text) {
        return std::count_if(texts.begin(), texts.end(),
                             [&](const SheetText& t) { return t.text == text; });
    };
    EXPECT_EQ(count("MARK"), 1);
    EXPECT_EQ(count("second"), 1);
    EXPECT_EQ(count("first"), 0);
    const auto lines = ItemsOf<SheetLine>(sheet);
    EXPECT_EQ(
        std::count(lines.begin(), lines.end(), SheetLine{0, 2.0, 10.25, 2.0, PenWeight::Thick}), 1);
}

TEST_F(SheetDescription, RowsBeyondTheGridShareItsRoomAndAreReported) {
    const PrintedSheet sheet = Describe({"GRID: g", "4", "2 |5|M5|1|", "|7|M7|1|"});
    ASSERT_EQ(sheet.messages.size(), 1u);
    // Seven rows where the definition has room for four, below the header.
    const double squeeze = 5.0 / 8;
    const auto texts = ItemsOf<SheetText>(sheet);
    EXPECT_DOUBLE_EQ(FindText(texts, "7")->y, 2.0 + 7 * 0.25 * squeeze + 0.0625);
    const auto lines = ItemsOf<SheetLine>(sheet);
    EXPECT_DOUBLE_EQ(lines[lines.size() - 5].y1, 2.0 + 7 * 0.375 * squeeze);
}

TEST_F(SheetDescription, MissingGridIsReportedAndTheRestOfThePagePrints) {
    const PrintedSheet sheet = Describe({"GRID: nogrid", "|1|2|", "BLOCK: pic"});
    ASSERT_EQ(sheet.messages.size(), 1u);
    EXPECT_EQ(sheet.messages[0].text, "Grid nogrid not found in Grid Definition Table.");
    const auto texts = ItemsOf<SheetText>(sheet);
    EXPECT_TRUE(FindText(texts, "Finish:"));
    EXPECT_FALSE(FindText(texts, "1"));
    EXPECT_EQ(ItemsOf<SheetPicture>(sheet).size(), 1u);
}

TEST_F(SheetDescription, MissingBlockPrintsItsNameAndIsReportedOnce) {
    const PrintedSheet sheet = Describe({"BLOCK: gone", "ATTRIBLK: gone", "|x|"});
    const auto texts = ItemsOf<SheetText>(sheet);
    const auto named = std::count_if(texts.begin(), texts.end(),
                                     [](const SheetText& t) { return t.text == "gone"; });
    EXPECT_EQ(named, 2);
    EXPECT_DOUBLE_EQ(FindText(texts, "gone")->x, 0.0625);
    // No drawing to place them on: the attribute values are left out.
    EXPECT_FALSE(FindText(texts, "x"));
    EXPECT_EQ(std::count(sheet.messages.begin(), sheet.messages.end(), MissingBlockMessage("gone")),
              1);
}

TEST_F(SheetDescription, BlocksLieAtTheOriginWithTheirTextsOnTheDrawingInPageOrder) {
    const PrintedSheet sheet = Describe({"GRID: g", "ATTRIBLK: pic", "|Hi|"});
    // The block after the grid is drawn after it.
    std::size_t gridTop = 0, picture = 0;
    for (std::size_t i = 0; i < sheet.items.size(); ++i) {
        if (const auto* l = std::get_if<SheetLine>(&sheet.items[i]);
            l && *l == SheetLine{0, 2.0, 10.25, 2.0, PenWeight::Thick}) {
            gridTop = i;
        }
        if (const auto* p = std::get_if<SheetPicture>(&sheet.items[i]); p && p->left == 0) {
            picture = i;
            EXPECT_EQ(p->width, 10);
            EXPECT_EQ(p->height, 2);
        }
    }
    EXPECT_GT(picture, gridTop);

    const auto texts = ItemsOf<SheetText>(sheet);
    // Centred on (1, 1): the base line's middle; 0.1 inch text at 1.125 x 72 points.
    const SheetText* hi = FindText(texts, "Hi");
    ASSERT_TRUE(hi);
    EXPECT_NEAR(hi->pointSize, 0.1 * 1.125 * 72, 1e-5);
    const double width = 2 * 0.08 * hi->pointSize / 9;
    const double height = hi->pointSize / 72 * 1.15;
    EXPECT_NEAR(hi->x, 1 - width / 2, 1.0 / 1440);
    EXPECT_NEAR(hi->y, 1 - height, 1.0 / 1440);
    // The missing second value takes its default, left-justified on its insertion point.
    EXPECT_NEAR(FindText(texts, "dflt")->x, 2.0, 1.0 / 1440);
}

} // namespace
} // namespace waybill
