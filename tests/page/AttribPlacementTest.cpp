#include <gtest/gtest.h>

#include "FakeDatabase.h"
#include "page/AttribDefs.h"

namespace waybill {
namespace {

// Every character 0.1 inch wide per point, 0.2 inch high: easy arithmetic.
TextExtent Measure(std::string_view text, double points) {
    return {static_cast<double>(text.size()) * 0.1 * points / 10.0, 0.2};
}

clsAttribDef Def(int just, float rotation = 0) {
    clsAttribDef d;
    d.PtX1 = 1;
    d.PtY1 = 2;
    d.PtX2 = 3;
    d.PtY2 = 4;
    d.TxtHeight = 10.0f / 1.125f / 72.0f; // 10 points at scale 1
    d.HorJust = just;
    d.TxtRotation = rotation;
    d.DefaultVal = "dflt";
    return d;
}

AttribSurface Inches() { return {1, 1, 0, 0, 100, 100}; }

TEST(PlaceAttributes, JustificationPicksPointAndEnd) {
    const AttribDefList defs = {Def(0), Def(4), Def(3), Def(2), Def(5)};
    const auto placed = PlaceAttributes(defs, "|ab|ab|ab|ab|ab|", Inches(), Measure);
    ASSERT_EQ(placed.size(), 5u);
    // Left on the insertion point; the base line is th below the top-left corner.
    EXPECT_EQ(placed[0].pixelX, 100);
    EXPECT_EQ(placed[0].pixelY, 180);
    // Code 4 centres on the alignment point: the text is 0.2 inch wide.
    EXPECT_EQ(placed[1].pixelX, 290);
    EXPECT_EQ(placed[1].pixelY, 380);
    // Code 3 is left, but on the alignment point.
    EXPECT_EQ(placed[2].pixelX, 300);
    EXPECT_EQ(placed[3].pixelX, 280);
    EXPECT_EQ(placed[4].pixelX, 280);
    EXPECT_NEAR(placed[0].pointSize, 10, 1e-4);
    EXPECT_EQ(placed[0].fontPixelHeight, -14);
}

TEST(PlaceAttributes, RotationMovesTheCorner) {
    const auto placed = PlaceAttributes({Def(2, 90.4f)}, "|ab|", Inches(), Measure);
    EXPECT_EQ(placed[0].rotation, 90);
    EXPECT_EQ(placed[0].escapement, 900);
    // (x0 - th, y0 + hx) with hx the full width for right justification.
    EXPECT_EQ(placed[0].pixelX, 280);
    EXPECT_EQ(placed[0].pixelY, 420);
}

TEST(PlaceAttributes, DefaultOnlyForAMissingValue) {
    const auto placed = PlaceAttributes({Def(0), Def(0), Def(0)}, "|x||", Inches(), Measure);
    EXPECT_EQ(placed[0].text, "x");
    EXPECT_EQ(placed[1].text, "");
    EXPECT_EQ(placed[2].text, "dflt");
    EXPECT_EQ(PlaceAttributes({Def(0)}, "|a|b|c|", Inches(), Measure).size(), 1u);
}

TEST(PlaceAttributes, PrinterCentresTheSheetAndScreenStretches) {
    const AttribSurface printer = PrinterAttribSurface(11, 8.5, 600, 600);
    EXPECT_DOUBLE_EQ(printer.xOffset, 0.375);
    EXPECT_DOUBLE_EQ(printer.yOffset, 0.375);
    EXPECT_DOUBLE_EQ(PrinterAttribSurface(11.5, 9, 600, 600).xOffset, 0.625);

    // A window 12728 twips high leaves the vertical stretch at picture / drawing.
    const AttribSurface screen = ScreenAttribSurface(5, 4, 12728.0 / 1440, 10, 8, 96, 96);
    EXPECT_DOUBLE_EQ(screen.xScale, 0.5);
    EXPECT_NEAR(screen.yScale, 0.5, 1e-12);
    const auto placed = PlaceAttributes({Def(0)}, "|ab|", screen, Measure);
    EXPECT_EQ(placed[0].pixelX, 48);
    EXPECT_NEAR(placed[0].pointSize, 5, 1e-4);
}

TEST(BlockAttribDefs, ReadsATableOnceAndReportsMissingOnes) {
    test::FakeDatabase db;
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
    EXPECT_EQ(d.Prompt, "Width");
    EXPECT_EQ(d.Tag, "W");
    EXPECT_EQ(d.DefaultVal, "6");
    EXPECT_FLOAT_EQ(d.PtX1, 1.5f);
    EXPECT_FLOAT_EQ(d.PtY2, 4.5f);
    EXPECT_FLOAT_EQ(d.TxtHeight, 0.125f);
    EXPECT_FLOAT_EQ(d.TxtRotation, 90);
    EXPECT_EQ(d.HorJust, 4);
    EXPECT_EQ(d.VerJust, 2);
    const int reads = db.reads;
    EXPECT_EQ(defs.Find("trim20"), list);
    EXPECT_EQ(db.reads, reads);
    EXPECT_EQ(defs.Find("nothing"), nullptr);
    EXPECT_EQ(MissingAttribDefsMessage("nothing").text,
              "Cannot find attribute definitions for nothing.");
}

} // namespace
} // namespace waybill
