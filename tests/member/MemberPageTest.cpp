#include "tensile/MemberPage.h"

#include "model/Book.h"
#include "page/FakeDatabase.h"
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

    test::FakeDatabase db;
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

TEST_F(MemberPageTest, AcceptedEditRunsTheFinishStepsInOrder) {
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
    EXPECT_EQ(edit->partNumber, "528Z14");
    EXPECT_EQ(edit->partNumberCells.size(), 4u);

    std::vector<std::string> seen;
    const MemberFinishSteps steps{[&](PageView& v) {
                                      seen.push_back("finishes " + v.titleBlock[TblkFinish] + " " +
                                                     v.titleBlock[TblkDescription]);
                                  },
                                  [&](PageView& v) {
                                      seen.push_back("end " + v.grid->Cell(1, 12));
                                      for (int row = 1; row < v.grid->Rows(); ++row) {
                                          v.grid->SetCell(row, 12, v.grid->Cell(row, 12) + "GP");
                                      }
                                  }};
    ApplyMemberEdit(view, *edit, steps);
    EXPECT_EQ(seen, (std::vector<std::string>{"finishes Gray HI-TENSILE ( )", "end 528Z14"}));
    EXPECT_EQ(view.titleBlock[TblkDescription], "HI-TENSILE (ZB24)");
    EXPECT_EQ(view.blocks.back().valueLine, encoding->valueLine);

    ComposePageData(view, book);
    const Page& page = book.GetPage(1);
    EXPECT_EQ(page.Finish, "Gray");
    EXPECT_EQ(page.Description, "HI-TENSILE (ZB24)");
    EXPECT_EQ(page.PageData[1], "|ZEE|Z1|4|20'-0\"|||||||||528Z14GP|");
    EXPECT_EQ(page.PageData.back(), encoding->valueLine);

    // The page the editor wrote opens the editor on the same choices.
    const PageView reopened = Render();
    const auto again = FindMemberTarget("zee00", reopened);
    EXPECT_EQ(CurrentMemberChoices(*again, reopened, kFinishes),
              (MemberChoices{FindMemberSize(8), FindMemberFlange(2), FindMemberGauge(14), false,
                             std::string("Gray")}));
}

TEST_F(MemberPageTest, CatalogStepsGiveTheFinishCodeAndTheShortLengthMark) {
    AddPage("zee00-01", "HI-TENSILE ( )", kZeePage);
    PageView view = Render();
    const auto target = FindMemberTarget("zee00", view);
    const auto encoding =
        EncodeMemberConfig(target->section, {FindMemberSize(8), FindMemberFlange(2),
                                             FindMemberGauge(14), false, std::string("Red-Oxide")});
    const auto edit = PlanMemberEdit(*target, view, *encoding);
    ApplyMemberEdit(view, *edit, CatalogFinishSteps());
    // 20'-0" keeps the plain number; 4'-11" is short; the empty rows carry it too.
    EXPECT_EQ(view.grid->Cell(1, 12), "528Z14P");
    EXPECT_EQ(view.grid->Cell(2, 12), "528Z14PSL");
    EXPECT_EQ(view.grid->Cell(3, 12), "528Z14P");

    // A second edit to pre-galvanized replaces the code and keeps one mark.
    const auto again = FindMemberTarget("zee00", view);
    const auto preGalv =
        EncodeMemberConfig(again->section, {FindMemberSize(8), FindMemberFlange(2),
                                            FindMemberGauge(14), true, std::nullopt});
    ApplyMemberEdit(view, *PlanMemberEdit(*again, view, *preGalv), CatalogFinishSteps());
    EXPECT_EQ(view.titleBlock[TblkFinish], "Pre-Galvanized");
    EXPECT_EQ(view.grid->Cell(1, 12), "528Z14G");
    EXPECT_EQ(view.grid->Cell(2, 12), "528Z14GSL");
}

TEST_F(MemberPageTest, AnUnchangedConfigurationRewritesNoValueLine) {
    const auto encoding =
        EncodeMemberConfig(MemberSection::Zee, {FindMemberSize(6), FindMemberFlange(3),
                                                FindMemberGauge(16), true, std::nullopt});
    AddPage("zee00-01", "ZEES", {"ATTRIBLK: zee00", encoding->valueLine});
    PageView view = Render();
    const auto target = FindMemberTarget("zee00", view);
    const auto edit = PlanMemberEdit(*target, view, *encoding);
    ASSERT_TRUE(edit);
    EXPECT_TRUE(edit->attributes.empty());
    EXPECT_TRUE(edit->partNumberCells.empty());
    EXPECT_EQ(edit->description, "ZEES (ZA31)");
    EXPECT_EQ(edit->finish, "Pre-Galvanized");

    ApplyMemberEdit(view, *edit, {});
    EXPECT_EQ(view.titleBlock[TblkFinish], "Pre-Galvanized");
}

} // namespace
} // namespace waybill
