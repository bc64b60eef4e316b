#pragma once

#include "catalog/ClipParts.h"
#include "platform/gui/ModalRunner.h"

#include <optional>
#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;

namespace waybill {

// "Select Size and Finish": the size letter and finish code of one clip part number.
class dlgFinishSelect : public QDialog {
    Q_OBJECT

  public:
    explicit dlgFinishSelect(QWidget* parent = nullptr);

    // Shows the dialog for one clip line, just below the cell (`cellRect`, global
    // coordinates), opened on the part number's size and finish. The choice when the user
    // pressed OK (write it with ApplyClipChoice or EditClipCell), nothing on Cancel.
    std::optional<ClipChoice> GetClip(const ClipTexts& texts, const QRect& cellRect,
                                      const ModalRunner& runModal = RunModal);

    QLabel* lblSize;
    QComboBox* cmbSize;
    QComboBox* cmbFinishes;
    QPushButton* cmdOk;
    QPushButton* cmdCancel;

  private:
    void UpdateOk();

    ClipDialogStart start_;
};

} // namespace waybill
