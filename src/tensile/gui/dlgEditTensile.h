#pragma once

#include "tensile/MemberConfig.h"

#include <optional>
#include <QDialog>
#include <string>
#include <string_view>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace waybill {

// "Zee Configuration" / "Cee Configuration": a hi-tensile member chosen from lists (size,
// nominal flange width, gauge, finish) and "Pre-Galvanized", instead of typed values.
class dlgEditTensile : public QDialog {
    Q_OBJECT

  public:
    explicit dlgEditTensile(QWidget* parent = nullptr);

    // Opens on the configuration stored in `valueLine` (the member block's value line) and
    // the page's finish; `finishNames` are the hi-tensile finishes the list offers.
    void Load(MemberSection section, std::string_view valueLine, std::string_view pageFinish,
              std::vector<std::string> finishNames);

    // What the lists show now (the finish only when not pre-galvanized).
    MemberChoices Choices() const;
    // What OK produced: the values, part code and finish; nothing after Cancel.
    const std::optional<MemberEncoding>& Result() const { return result_; }

    QLabel* lblSize;
    QComboBox* cmbSize;
    QLabel* lblFlangeWidth;
    QComboBox* cmbFlangeWidth;
    QLabel* lblGauge;
    QComboBox* cmbGauge;
    QCheckBox* chkPreGalv;
    QLabel* lblFinish;
    QComboBox* cmbFinish;
    QPushButton* cmdOk;
    QPushButton* cmdCancel;

  private:
    void PreGalvChanged();
    void UpdateOk();
    void Ok();

    MemberSection section_ = MemberSection::Zee;
    std::vector<std::string> finishNames_;
    std::optional<MemberEncoding> result_;
    bool loading_ = false;
};

} // namespace waybill
