#include "catalog/gui/dlgFinishSelect.h"
#include "catalog/gui/dlgSelectPunch.h"

#include <gtest/gtest.h>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace waybill {
namespace {

const QRect kCell(100, 120, 80, 20);

// Runs the dialog as if shown: `act` plays the user, then the dialog's own result counts.
ModalRunner Playing(std::function<void(QDialog&)> act) {
    return [act](QDialog& dialog) {
        dialog.setResult(QDialog::Rejected);
        dialog.show();
        act(dialog);
        dialog.hide();
        return dialog.result();
    };
}

TEST(SelectSizeAndFinish, OpensOnThePartNumberAndReturnsTheChoice) {
    dlgFinishSelect dialog;
    const auto choice =
        dialog.GetClip({"59AB147P", "CB47"}, kCell, Playing([&](QDialog&) {
                           EXPECT_EQ(dialog.windowTitle(), "Select Size and Finish CB47");
                           EXPECT_EQ(dialog.cmbSize->currentText(), " 8   (B)");
                           EXPECT_EQ(dialog.cmbFinishes->currentText(), "Red-Oxide  (P)");
                           EXPECT_EQ(dialog.pos(), QPoint(100, 140)); // just below the cell
                           dialog.cmbSize->setCurrentIndex(4);
                           dialog.cmbFinishes->setCurrentIndex(2);
                           QTest::keyClick(dialog.cmbFinishes, Qt::Key_Return); // Enter takes it
                       }));
    EXPECT_EQ(choice, (ClipChoice{"E", " "}));
    EXPECT_EQ(ApplyClipChoice({"59AB147P", "CB47"}, *choice), (ClipTexts{"59AE147 ", "CE47"}));
}

TEST(SelectSizeAndFinish, OkWaitsForWhatIsMissingAndEscapeCancels) {
    dlgFinishSelect dialog;
    // A clip without its size letter yet opens without a size: OK waits for one.
    EXPECT_EQ(dialog.GetClip({"59A_147G", "C_47"}, kCell, Playing([&](QDialog&) {
                                 EXPECT_FALSE(dialog.cmdOk->isEnabled());
                                 dialog.cmbSize->setCurrentIndex(2);
                                 EXPECT_TRUE(dialog.cmdOk->isEnabled());
                                 dialog.cmdOk->click();
                             })),
              (ClipChoice{"C", "G"}));
    // A "K" clip has no size; the finish alone decides.
    EXPECT_EQ(dialog.GetClip({"59AK14", "CK14"}, kCell, Playing([&](QDialog&) {
                                 EXPECT_FALSE(dialog.cmbSize->isEnabled());
                                 EXPECT_FALSE(dialog.lblSize->isEnabled());
                                 EXPECT_FALSE(dialog.cmdOk->isEnabled());
                                 dialog.cmbFinishes->setCurrentIndex(1);
                                 dialog.cmdOk->click();
                             })),
              (ClipChoice{"K", "G"}));
    EXPECT_EQ(dialog.GetClip({"59AB147P", "CB47"}, kCell, Playing([&](QDialog&) {
                                 QTest::keyClick(dialog.cmbSize, Qt::Key_Escape);
                             })),
              std::nullopt);
}

TEST(SelectPunch, OpensOnTheCellsCodeAndRebuildsTheText) {
    dlgSelectPunch dialog;
    EXPECT_EQ(dialog.StartSelectPunch("3/4 ROD (punch=e)", kCell, Playing([&](QDialog& d) {
                                          EXPECT_EQ(d.windowTitle(), "Select Punch");
                                          EXPECT_EQ(dialog.cmbPunches->currentText(), "E");
                                          EXPECT_EQ(d.pos().y(), 140);
                                          QTest::keyClick(dialog.cmbPunches, Qt::Key_Return);
                                      })),
              "3/4 ROD (punch=E)");
    EXPECT_EQ(dialog.StartSelectPunch("ROD (punch=X)", kCell, Playing([&](QDialog&) {
                                          EXPECT_EQ(dialog.cmbPunches->currentIndex(), -1);
                                          EXPECT_FALSE(dialog.cmdOk->isEnabled());
                                          QTest::keyClick(dialog.cmbPunches,
                                                          Qt::Key_Return); // nothing to take
                                          dialog.cmbPunches->setCurrentIndex(0);
                                          dialog.cmdOk->click();
                                      })),
              "ROD (punch=NO PUNCH)");
    EXPECT_EQ(dialog.StartSelectPunch("3/4 ROD", kCell, Playing([&](QDialog&) {
                                          dialog.cmbPunches->setCurrentIndex(2);
                                          dialog.cmdCancel->click();
                                      })),
              std::nullopt);
}

} // namespace
} // namespace waybill
