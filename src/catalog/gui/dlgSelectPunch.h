#pragma once

#include "platform/gui/ModalRunner.h"

#include <optional>
#include <QDialog>
#include <string>

class QComboBox;
class QPushButton;

namespace waybill {

// "Select Punch": the punch pattern a punch-pattern cell names.
class dlgSelectPunch : public QDialog {
    Q_OBJECT

  public:
    explicit dlgSelectPunch(QWidget* parent = nullptr);

    // Shows the dialog under the cell (`cellRect`, global coordinates), opened on the code
    // the cell text names. The new cell text (Windows-1252) when the user pressed OK,
    // nothing on Cancel.
    std::optional<std::string> StartSelectPunch(const std::string& text, const QRect& cellRect,
                                                const ModalRunner& runModal = RunModal);

    QComboBox* cmbPunches;
    QPushButton* cmdOk;
    QPushButton* cmdCancel;
};

} // namespace waybill
