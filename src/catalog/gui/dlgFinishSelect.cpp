#include "catalog/gui/dlgFinishSelect.h"

#include "catalog/gui/Placement.h"
#include "platform/gui/QtText.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace waybill {

dlgFinishSelect::dlgFinishSelect(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("dlgFinishSelect"));
    setWindowTitle(QStringLiteral("Select Size and Finish"));

    cmbSize = new QComboBox(this);
    cmbSize->setObjectName(QStringLiteral("cmbSize"));
    for (const std::string_view size : kClipSizeItems) {
        cmbSize->addItem(FromCp1252(size));
    }
    lblSize = new QLabel(QStringLiteral("Size:"), this);
    lblSize->setObjectName(QStringLiteral("lblSize"));
    lblSize->setBuddy(cmbSize);

    cmbFinishes = new QComboBox(this);
    cmbFinishes->setObjectName(QStringLiteral("cmbFinishes"));
    for (const std::string& item : ClipFinishItems()) {
        cmbFinishes->addItem(FromCp1252(item));
    }
    auto* lblFinish = new QLabel(QStringLiteral("Finish:"), this);
    lblFinish->setBuddy(cmbFinishes);

    cmdOk = new QPushButton(QStringLiteral("OK"), this);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdOk->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));

    auto* fields = new QGridLayout;
    fields->addWidget(lblSize, 0, 0);
    fields->addWidget(cmbSize, 0, 1);
    fields->addWidget(lblFinish, 1, 0);
    fields->addWidget(cmbFinishes, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOk);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);

    connect(cmbSize, &QComboBox::currentIndexChanged, this, &dlgFinishSelect::UpdateOk);
    connect(cmbFinishes, &QComboBox::currentIndexChanged, this, &dlgFinishSelect::UpdateOk);
    connect(cmdOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void dlgFinishSelect::UpdateOk() {
    cmdOk->setEnabled(ClipChoiceComplete(start_.sizeEnabled, cmbSize->currentIndex() >= 0,
                                         cmbFinishes->currentIndex() >= 0));
}

std::optional<ClipChoice> dlgFinishSelect::GetClip(const ClipTexts& texts, const QRect& cellRect,
                                                   const ModalRunner& runModal) {
    start_ = StartClipSelection(texts.partNo);
    setWindowTitle(QStringLiteral("Select Size and Finish ") + FromDrawingText(texts.markText));
    lblSize->setEnabled(start_.sizeEnabled);
    cmbSize->setEnabled(start_.sizeEnabled);
    cmbSize->setCurrentIndex(start_.sizeIndex ? static_cast<int>(*start_.sizeIndex) : -1);
    cmbFinishes->setCurrentIndex(start_.finishIndex ? static_cast<int>(*start_.finishIndex) : -1);
    UpdateOk();
    (start_.sizeEnabled ? cmbSize : cmbFinishes)->setFocus();
    PlaceBelowCell(*this, cellRect);
    if (runModal(*this) != QDialog::Accepted || !cmdOk->isEnabled()) {
        return std::nullopt;
    }
    const int size = cmbSize->currentIndex();
    return ClipChoiceFromItems(start_, size >= 0 ? std::optional<std::size_t>(size) : std::nullopt,
                               static_cast<std::size_t>(cmbFinishes->currentIndex()));
}

} // namespace waybill
