#include "tensile/MemberPage.h"

#include "model/Book.h"
#include "support/TestDatabase.h"
#include "page/PageData.h"

#include <gtest/gtest.h>

namespace waybill {
namespace {

const std::vector<std::string> kFinishes{"Red-Oxide",     "Gray",      "Black",
                                         "Hot Dip Galv.", "Unpainted", "Finish by Others"};

class MemberPageTest : public testing::Test {
  protected:
    MemberPageTest() {
        db.AddGrid("hte", 13, 4);
        std::vector<std::vector<FieldValue>> rows;
        for (const char* prompt :
             {"Depth", "Gauge 1", "Spacing", "Gauge 2", "Description", "Material", "Strip"}) {
            rows.push_back({std::string(prompt)});
        }
        db.AddTable("zee00", {"Prompt"}, rows);
    }

    PageView Render() {
        PageView view;
        RenderPageData(view, book, 1, {db, {1025, 700, 100, 100, 1}, &defs});
        return view;
    }

    void AddPage(std::string cadNumber, std::string description, PageLines lines) {
        book.Add(std::move(cadNumber), "Red-Oxide", std::move(description), std::move(lines),
                 AfterLastPage);
    }

    test::TestDatabase db;
    BlockAttribDefs defs{db};
    Book book;
};

const PageLines kZeePage{"GRID: hte", "|ZEE|Z1|4|20'-0\"||||||||||", "|ZEE|Z2|2|4'-11\"||||||||||",
                         "ATTRIBLK: zee00", "|D|X|Y|X|ZEE SIZE|MATERIAL|STRIP SIZE|"};

TEST_F(MemberPageTest, OnlyMemberPagesWithAttributeValuesAreConfigured) {
    AddPage("zee00-01", "HI-TENSILE ( )", kZeePage);
    const PageView view = Render();
    const auto target = FindMemberTarget("zee00", view);
    ASSERT_TRUE(target);
    EXPECT_EQ(target->section, MemberSection::Zee);
    EXPECT_EQ(target->block, "zee00");
    EXPECT_EQ(FindMemberTarget("CEE00", view)->section, MemberSection::Zee);
    EXPECT_FALSE(FindMemberTarget("eav00", view));
    EXPECT_FALSE(FindMemberTarget("zee00", PageView{}));
}

TEST(MemberDescription, TheHiTensileDescriptionCarriesThePartCode) {
    EXPECT_EQ(MemberDescription("HI-TENSILE ( )", "ZB24"), "HI-TENSILE (ZB24)");
    EXPECT_EQ(MemberDescription("Hi-Tensile (CB47) girts", "ZB24"), "HI-TENSILE (ZB24)");
    EXPECT_EQ(MemberDescription("PURLINS", "ZB24"), "PURLINS (ZB24)");
    EXPECT_EQ(MemberDescription("PURLINS (A) (B)", "ZB24"), "PURLINS (ZB24) (B)");
}

// The value line, finish, description and every data row's part number with its finish code
// and short-length mark come as one change.
TEST_F(MemberPageTest, AnAcceptedEditIsOneChangeThatReopensOnTheSameChoices) {
    AddPage("zee00-01", "HI-TENSILE ( )", kZeePage);
    PageView view = Render();
    const auto target = FindMemberTarget("zee00", view);
    const auto choices = CurrentMemberChoices(*target, view, kFinishes);
    EXPECT_EQ(choices.finish, "Red-Oxide");
    EXPECT_FALSE(choices.size);

    const auto encoding =
        EncodeMemberConfig(target->section, {FindMemberSize(8), FindMemberFlange(2),
                                             FindMemberGauge(14), false, std::string("Gray")});
    const auto edit = PlanMemberEdit(*target, view, *encoding);
    ASSERT_TRUE(edit);
    EXPECT_EQ(edit->titleBlock, (std::vector<TitleBlockChange>{
                                    {TblkFinish, "Gray"}, {TblkDescription, "HI-TENSILE (ZB24)"}}));
    EXPECT_EQ(edit->attributes,
              (std::vector<AttribValueChange>{{"zee00", 0, encoding->valueLine}}));
    // 20'-0" keeps the plain number; 4'-11" is short; the empty rows carry it too.
    EXPECT_EQ(
        edit->cells,
        (std::vector<CellChange>{
            {1, 12, "528Z14GP"}, {2, 12, "528Z14GPSL"}, {3, 12, "528Z14GP"}, {4, 12, "528Z14GP"}}));
    ApplyPageChanges(view, *edit);
    EXPECT_EQ(view.blocks.back().valueLine, encoding->valueLine);
    ComposePageData(view, book);
    const PageView reopened = Render();
    const auto again = FindMemberTarget("zee00", reopened);
    EXPECT_EQ(CurrentMemberChoices(*again, reopened, kFinishes),
              (MemberChoices{FindMemberSize(8), FindMemberFlange(2), FindMemberGauge(14), false,
                             std::string("Gray")}));

    // A second edit to pre-galvanized replaces the code and keeps one mark.
    const auto preGalv =
        EncodeMemberConfig(again->section, {FindMemberSize(8), FindMemberFlange(2),
                                            FindMemberGauge(14), true, std::nullopt});
    ApplyPageChanges(view, *PlanMemberEdit(*again, view, *preGalv));
    EXPECT_EQ(view.titleBlock[TblkFinish], "Pre-Galvanized");
    EXPECT_EQ(view.grid->Cell(1, 12), "528Z14G");
    EXPECT_EQ(view.grid->Cell(2, 12), "528Z14GSL");
}

TEST_F(MemberPageTest, AnUnchangedConfigurationRewritesNoValueLine) {
    const auto encoding =
        EncodeMemberConfig(MemberSection::Zee, {FindMemberSize(6), FindMemberFlange(3),
                                                FindMemberGauge(16), true, std::nullopt});
    AddPage("zee00-01", "ZEES", {"ATTRIBLK: zee00", encoding->valueLine});
    const PageView view = Render();
    const auto edit = PlanMemberEdit(*FindMemberTarget("zee00", view), view, *encoding);
    ASSERT_TRUE(edit);
    EXPECT_EQ(*edit,
              (PageChanges{
                  {{TblkFinish, "Pre-Galvanized"}, {TblkDescription, "ZEES (ZA31)"}}, {}, {}, {}}));
}

} // namespace
} // namespace waybill
