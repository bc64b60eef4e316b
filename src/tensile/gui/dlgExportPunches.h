#pragma once

#include "tensile/PunchMembers.h"

#include <functional>
#include <optional>
#include <QDialog>

class QPushButton;
class QRadioButton;

namespace waybill {

// Export Punches: which hi-tensile members go to the punching machine. The window keeps one
// dialog for the whole run, so the last choice is offered again.
class dlgExportPunches : public QDialog {
    Q_OBJECT

  public:
    explicit dlgExportPunches(QWidget* parent = nullptr);

    // Shows the dialog modally through `run` (QDialog::exec unless a test drives it): the
    // members chosen, or nothing on Cancel.
    std::optional<PunchSelection> StartExport(const std::function<int(QDialog&)>& run =
                                                  [](QDialog& dialog) { return dialog.exec(); });

    QRadioButton* optAll;
    QRadioButton* optOnly;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;
};

} // namespace waybill
