#include "tensile/gui/dlgEditTensile.h"

#include <gtest/gtest.h>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

namespace waybill {
namespace {

const std::vector<std::string> kFinishes{"Red-Oxide",     "Gray",      "Black",
                                         "Hot Dip Galv.", "Unpainted", "Finish by Others"};

class EditTensileDialogTest : public testing::Test {
  protected:
    dlgEditTensile dialog;
};

TEST_F(EditTensileDialogTest, AFreshBlockOpensUnchosenAndOkWaitsForEveryList) {
    dialog.Load(MemberSection::Zee, "|D|X|Y|X|ZEE SIZE|MATERIAL|STRIP SIZE|", "RED-OXIDE",
                kFinishes);
    EXPECT_EQ(dialog.windowTitle(), "Zee Configuration");
    EXPECT_EQ(dialog.cmbSize->currentIndex(), -1);
    EXPECT_EQ(dialog.cmbFlangeWidth->currentIndex(), -1);
    EXPECT_EQ(dialog.cmbGauge->currentIndex(), -1);
    EXPECT_FALSE(dialog.chkPreGalv->isChecked());
    EXPECT_EQ(dialog.cmbFinish->currentText(), "Red-Oxide");
    EXPECT_FALSE(dialog.cmdOk->isEnabled());

    dialog.cmbSize->setCurrentIndex(2);
    dialog.cmbFlangeWidth->setCurrentIndex(0);
    EXPECT_FALSE(dialog.cmdOk->isEnabled());
    dialog.cmbGauge->setCurrentIndex(1);
    ASSERT_TRUE(dialog.cmdOk->isEnabled());
    dialog.cmbFinish->setCurrentIndex(-1);
    EXPECT_FALSE(dialog.cmdOk->isEnabled());
    dialog.cmbFinish->setCurrentIndex(0);

    dialog.cmdOk->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    ASSERT_TRUE(dialog.Result());
    EXPECT_EQ(dialog.Result()->partCode, "ZB24");
    EXPECT_EQ(dialog.Result()->finish, "Red-Oxide");
}

TEST_F(EditTensileDialogTest, PreGalvanizedSwapsTheGaugeTextsAndTakesTheFinishsPlace) {
    dialog.Load(MemberSection::Zee, "|8||||8\xF0 x 2\xCC x 2\xD4 x 16GA|", "", kFinishes);
    EXPECT_EQ(dialog.cmbGauge->currentText(), "16 GA (.056)");
    EXPECT_FALSE(dialog.cmdOk->isEnabled());

    dialog.chkPreGalv->setChecked(true);
    EXPECT_EQ(dialog.cmbGauge->currentIndex(), 2);
    EXPECT_EQ(dialog.cmbGauge->currentText(), "16 GA (.058)");
    EXPECT_FALSE(dialog.cmbFinish->isEnabled());
    EXPECT_FALSE(dialog.lblFinish->isEnabled());
    EXPECT_TRUE(dialog.cmdOk->isEnabled());

    dialog.chkPreGalv->setChecked(false);
    EXPECT_EQ(dialog.cmbGauge->itemText(0), "12 GA (.100)");
    EXPECT_TRUE(dialog.cmbFinish->isEnabled());
    EXPECT_FALSE(dialog.cmdOk->isEnabled());
}

TEST_F(EditTensileDialogTest, AConfigurationItWroteReopensWithTheSameChoices) {
    const MemberChoices chosen{FindMemberSize(8), FindMemberFlange(4), FindMemberGauge(12), true,
                               std::nullopt};
    const auto written = EncodeMemberConfig(MemberSection::Cee, chosen);
    dialog.Load(MemberSection::Cee, written->valueLine, written->finish, kFinishes);

    EXPECT_EQ(dialog.windowTitle(), "Cee Configuration");
    EXPECT_EQ(dialog.Choices(), chosen);
    EXPECT_FALSE(dialog.cmbFinish->isEnabled());
    EXPECT_EQ(dialog.cmbFinish->currentIndex(), -1);
    ASSERT_TRUE(dialog.cmdOk->isEnabled());

    dialog.cmdOk->click();
    ASSERT_TRUE(dialog.Result());
    EXPECT_EQ(dialog.Result()->valueLine, written->valueLine);
}

} // namespace
} // namespace waybill
