#include "tensile/gui/dlgExportPunches.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace waybill {

dlgExportPunches::dlgExportPunches(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("dlgExportPunches"));
    setWindowTitle(QStringLiteral("Export Punches"));

    optAll = new QRadioButton(QStringLiteral("Export &all members"), this);
    optAll->setObjectName(QStringLiteral("optAll"));
    optOnly = new QRadioButton(
        QStringLiteral("Export &only members with \"A\" Dims or mismatched punches"), this);
    optOnly->setObjectName(QStringLiteral("optOnly"));
    optAll->setChecked(true);

    auto* buttons = new QDialogButtonBox(this);
    cmdOK = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdCancel = buttons->addButton(QStringLiteral("&Cancel"), QDialogButtonBox::RejectRole);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(optAll);
    layout->addWidget(optOnly);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

std::optional<PunchSelection>
dlgExportPunches::StartExport(const std::function<int(QDialog&)>& run) {
    if (run(*this) != QDialog::Accepted) {
        return std::nullopt;
    }
    return optOnly->isChecked() ? PunchSelection::Only : PunchSelection::All;
}

} // namespace waybill
