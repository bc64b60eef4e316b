#include "tensile/gui/dlgExportPunches.h"

#include <gtest/gtest.h>
#include <QPushButton>
#include <QRadioButton>

namespace waybill {
namespace {

// Drives the shown dialog: clicks an option, then the button that closes it.
std::function<int(QDialog&)> Answer(QRadioButton* dlgExportPunches::*option,
                                    QPushButton* dlgExportPunches::*button) {
    return [=](QDialog& shown) {
        auto& dialog = static_cast<dlgExportPunches&>(shown);
        dialog.show();
        (dialog.*option)->click();
        (dialog.*button)->click();
        return dialog.result();
    };
}

TEST(ExportPunchesDialog, AnswersTheChosenMembersAndRemembersTheChoice) {
    dlgExportPunches dialog;
    EXPECT_EQ(dialog.StartExport(Answer(&dlgExportPunches::optOnly, &dlgExportPunches::cmdOK)),
              PunchSelection::Only);
    // Shown again, it offers the last choice.
    EXPECT_TRUE(dialog.optOnly->isChecked());
    EXPECT_EQ(dialog.StartExport(Answer(&dlgExportPunches::optAll, &dlgExportPunches::cmdOK)),
              PunchSelection::All);
    EXPECT_EQ(dialog.StartExport(Answer(&dlgExportPunches::optOnly, &dlgExportPunches::cmdCancel)),
              std::nullopt);
}

} // namespace
} // namespace waybill
