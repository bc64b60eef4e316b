#include "catalog/gui/dlgSelectPunch.h"

#include "catalog/gui/Placement.h"
#include "catalog/PunchSelection.h"
#include "platform/gui/QtText.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace waybill {

dlgSelectPunch::dlgSelectPunch(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("dlgSelectPunch"));
    setWindowTitle(QStringLiteral("Select Punch"));

    cmbPunches = new QComboBox(this);
    cmbPunches->setObjectName(QStringLiteral("cmbPunches"));
    for (const std::string& pattern : PunchCatalogue()) {
        cmbPunches->addItem(FromCp1252(pattern));
    }
    auto* label = new QLabel(QStringLiteral("Punch"), this);
    label->setBuddy(cmbPunches);

    cmdOk = new QPushButton(QStringLiteral("OK"), this);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdOk->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));

    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(cmbPunches, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOk);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addLayout(buttons);

    connect(cmbPunches, &QComboBox::currentIndexChanged, this,
            [this](int index) { cmdOk->setEnabled(index >= 0); });
    connect(cmdOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

std::optional<std::string> dlgSelectPunch::StartSelectPunch(const std::string& text,
                                                            const QRect& cellRect,
                                                            const ModalRunner& runModal) {
    const PunchCellParts parts = ParsePunchCell(text);
    const auto index = PunchCatalogueIndex(parts.code);
    cmbPunches->setCurrentIndex(index ? static_cast<int>(*index) : -1);
    cmdOk->setEnabled(cmbPunches->currentIndex() >= 0);
    cmbPunches->setFocus();
    PlaceBelowCell(*this, cellRect);
    if (runModal(*this) != QDialog::Accepted || cmbPunches->currentIndex() < 0) {
        return std::nullopt;
    }
    return PunchCellText(parts.label,
                         PunchCatalogue().at(static_cast<std::size_t>(cmbPunches->currentIndex())));
}

} // namespace waybill
