#include "tensile/gui/dlgExportPunches.h"

#include <gtest/gtest.h>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace waybill {
namespace {

// Drives the shown dialog: `choose` picks an option by its mnemonic, then `button` closes it.
std::function<int(QDialog&)> Answer(char mnemonic, QPushButton* dlgExportPunches::*button) {
    return [=](QDialog& shown) {
        auto& dialog = static_cast<dlgExportPunches&>(shown);
        dialog.show();
        QTest::keyClick(&dialog, mnemonic, Qt::AltModifier);
        (dialog.*button)->click();
        return dialog.result();
    };
}

TEST(ExportPunchesDialog, AnswersTheChosenMembersAndRemembersTheChoice) {
    dlgExportPunches dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Export Punches"));
    EXPECT_EQ(dialog.optOnly->text(),
              QStringLiteral("Export &only members with \"A\" Dims or mismatched punches"));

    EXPECT_EQ(dialog.StartExport(Answer('o', &dlgExportPunches::cmdOK)), PunchSelection::Only);
    // Shown again, it offers the last choice.
    EXPECT_TRUE(dialog.optOnly->isChecked());
    EXPECT_EQ(dialog.StartExport(Answer('a', &dlgExportPunches::cmdOK)), PunchSelection::All);
    EXPECT_EQ(dialog.StartExport(Answer('o', &dlgExportPunches::cmdCancel)), std::nullopt);
}

} // namespace
} // namespace waybill
