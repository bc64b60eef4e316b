#include "support/TestDatabase.h"
#include "page/AttribDefs.h"
#include "page/BlockTexts.h"

#include <gtest/gtest.h>

namespace waybill {
namespace {

// Every character 0.1 inch wide per point, 0.2 inch high: easy arithmetic.
TextExtent Measure(std::string_view text, double points) {
    return {static_cast<double>(text.size()) * 0.1 * points / 10.0, 0.2};
}

// Inserted at (1, 2), aligned at (3, 4), 10 points high at scale 1.
clsAttribDef Def(int just, float rotation = 0) {
    return {"", "", 1, 2, 10.0f / 1.125f / 72.0f, "dflt", rotation, 0, just, 3, 4};
}

const AttribSurface kInches{1, 1, 0, 0, 100, 100};

TEST(PlaceAttributes, JustificationRotationAndDefaults) {
    const AttribDefList defs = {Def(0), Def(4), Def(3), Def(2), Def(5)};
    auto placed = PlaceAttributes(defs, "|ab|ab|ab|ab|ab|", kInches, Measure);
    ASSERT_EQ(placed.size(), 5u);
    // Left on the insertion point; the base line is th below the top-left corner.
    EXPECT_EQ(std::pair(placed[0].pixelX, placed[0].pixelY), std::pair(100, 180));
    // Code 4 centres on the alignment point: the text is 0.2 inch wide.
    EXPECT_EQ(std::pair(placed[1].pixelX, placed[1].pixelY), std::pair(290, 380));
    // Code 3 is left, but on the alignment point.
    EXPECT_EQ(placed[2].pixelX, 300);
    EXPECT_EQ(placed[3].pixelX, 280);
    EXPECT_EQ(placed[4].pixelX, 280);
    EXPECT_NEAR(placed[0].pointSize, 10, 1e-4);
    EXPECT_EQ(placed[0].fontPixelHeight, -14);

    placed = PlaceAttributes({Def(2, 90.4f)}, "|ab|", kInches, Measure);
    EXPECT_EQ(placed[0].rotation, 90);
    EXPECT_EQ(placed[0].escapement, 900);
    // (x0 - th, y0 + hx) with hx the full width for right justification.
    EXPECT_EQ(std::pair(placed[0].pixelX, placed[0].pixelY), std::pair(280, 420));

    // The default stands in only for a missing value; extra values are ignored.
    placed = PlaceAttributes({Def(0), Def(0), Def(0)}, "|x||", kInches, Measure);
    EXPECT_EQ(placed[0].text + "," + placed[1].text + "," + placed[2].text, "x,,dflt");
    EXPECT_EQ(PlaceAttributes({Def(0)}, "|a|b|c|", kInches, Measure).size(), 1u);
}

// A picture twice the drawing's size: the points move with the drawing, the text (measured on
// the picture, at twice the size) stands on them, not twice its extent away.
TEST(PlaceAttributes, OnAScaledSurfaceTheTextStandsOnItsPoint) {
    const AttribSurface twice{2, 2, 0, 0, 100, 100};
    const auto placed = PlaceAttributes({Def(0), Def(4)}, "|ab|ab|", twice, Measure);
    ASSERT_EQ(placed.size(), 2u);
    EXPECT_NEAR(placed[0].pointSize, 20, 1e-4);
    // (1, 2) -> (2, 4) inches on the picture; the text 0.2 high and 0.4 wide there.
    EXPECT_EQ(std::pair(placed[0].pixelX, placed[0].pixelY), std::pair(200, 380));
    EXPECT_EQ(std::pair(placed[1].pixelX, placed[1].pixelY), std::pair(580, 780));
}

TEST(BlockAttribDefs, ReadsATableOnceAndReportsMissingOnes) {
    test::TestDatabase db;
    db.AddTable("trim20",
                {"Prompt", "Tag", "DEF_VAL", "PtX1", "PtY1", "PtX2", "PtY2", "TXT_HGT", "TXT_ROT",
                 "TXT_XSC", "HorJust", "VerJust"},
                {{"Width", "W", "6", 1.5, 2.5, 3.5, 4.5, 0.125, 90.0, 1.0, std::int64_t{4},
                  std::int64_t{2}}});
    BlockAttribDefs defs(db);
    const AttribDefList* list = defs.Find("TRIM20");
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->size(), 1u);
    const clsAttribDef& d = list->front();
    EXPECT_EQ(d.DefaultVal, "6");
    EXPECT_FLOAT_EQ(d.PtY2, 4.5f);
    EXPECT_EQ(std::pair(d.HorJust, d.VerJust), std::pair(4, 2));
    const int reads = db.reads;
    EXPECT_EQ(defs.Find("trim20"), list);
    EXPECT_EQ(db.reads, reads);
    EXPECT_EQ(defs.Find("nothing"), nullptr);
}

// The texts every surface draws for a block: only what has text, and nothing for a block
// without a value line or without definitions.
TEST(PlaceBlockTexts, TextsWithAValueOnly) {
    test::TestDatabase db;
    db.AddTable("trim20", {"Prompt", "Tag", "DEF_VAL"},
                {{"A", "A", "a"}, {"B", "B", ""}, {"C", "C", "c"}});
    BlockAttribDefs defs(db);
    const auto texts = [&](PageBlock block) {
        std::string joined;
        for (const PlacedAttribute& placed : PlaceBlockTexts(block, &defs, kInches, Measure)) {
            joined += placed.text + ";";
        }
        return joined;
    };
    EXPECT_EQ(texts({"trim20", "|x|"}), "x;c;");
    EXPECT_EQ(texts({"TRIM20", "|||z|"}), "z;");
    EXPECT_EQ(texts({"trim20", std::nullopt}), "");
    EXPECT_EQ(texts({"nothing", "|x|"}), "");
    EXPECT_TRUE(PlaceBlockTexts({"trim20", "|x|"}, nullptr, kInches, Measure).empty());
}

} // namespace
} // namespace waybill
