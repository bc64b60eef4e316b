#include "tensile/gui/dlgEditTensile.h"

#include "platform/gui/QtText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace waybill {
namespace {

QComboBox* AddList(QGridLayout& grid, int row, QLabel*& label, const QString& caption,
                   const QString& name, QWidget* parent) {
    label = new QLabel(caption, parent);
    label->setObjectName(QStringLiteral("lbl") + name.mid(3));
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    list->setMinimumWidth(160);
    label->setBuddy(list);
    grid.addWidget(label, row, 0);
    grid.addWidget(list, row, 1);
    return list;
}

std::optional<std::size_t> Chosen(const QComboBox& list) {
    const int index = list.currentIndex();
    return index < 0 ? std::nullopt : std::optional<std::size_t>(index);
}

int ListIndex(const std::optional<std::size_t>& choice) {
    return choice ? static_cast<int>(*choice) : -1;
}

} // namespace

dlgEditTensile::dlgEditTensile(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("dlgEditTensile"));
    setWindowTitle(QStringLiteral("Edit Hi-Tensile"));

    auto* grid = new QGridLayout;
    cmbSize =
        AddList(*grid, 0, lblSize, QStringLiteral("Member Size"), QStringLiteral("cmbSize"), this);
    cmbFlangeWidth = AddList(*grid, 1, lblFlangeWidth, QStringLiteral("Nominal Flange Width"),
                             QStringLiteral("cmbFlangeWidth"), this);
    cmbGauge =
        AddList(*grid, 2, lblGauge, QStringLiteral("Gauge"), QStringLiteral("cmbGauge"), this);
    chkPreGalv = new QCheckBox(QStringLiteral("Pre-Galvanized"), this);
    chkPreGalv->setObjectName(QStringLiteral("chkPreGalv"));
    grid->addWidget(chkPreGalv, 3, 1);
    cmbFinish =
        AddList(*grid, 4, lblFinish, QStringLiteral("Finish"), QStringLiteral("cmbFinish"), this);

    for (const auto& size : kMemberSizes) {
        cmbSize->addItem(FromCp1252(size.item));
    }
    for (const auto& flange : kMemberFlanges) {
        cmbFlangeWidth->addItem(FromCp1252(flange.item));
    }
    for (const auto& item : MemberGaugeItems(false)) {
        cmbGauge->addItem(FromCp1252(item));
    }

    cmdOk = new QPushButton(QStringLiteral("OK"), this);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdOk->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOk);
    buttons->addWidget(cmdCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addLayout(buttons);

    for (QComboBox* list : {cmbSize, cmbFlangeWidth, cmbGauge, cmbFinish}) {
        connect(list, &QComboBox::currentIndexChanged, this, &dlgEditTensile::UpdateOk);
    }
    connect(chkPreGalv, &QCheckBox::toggled, this, &dlgEditTensile::PreGalvChanged);
    connect(cmdOk, &QPushButton::clicked, this, &dlgEditTensile::Ok);
    connect(cmdCancel, &QPushButton::clicked, this, [this] {
        result_.reset();
        reject();
    });
    UpdateOk();
}

void dlgEditTensile::Load(MemberSection section, std::string_view valueLine,
                          std::string_view pageFinish, std::vector<std::string> finishNames) {
    loading_ = true;
    section_ = section;
    finishNames_ = std::move(finishNames);
    result_.reset();
    setWindowTitle(FromCp1252(MemberEditorCaption(section)));

    cmbFinish->clear();
    for (const auto& name : finishNames_) {
        cmbFinish->addItem(FromCp1252(name));
    }
    const MemberChoices choices = DecodeMemberConfig(valueLine, pageFinish, finishNames_);
    cmbSize->setCurrentIndex(ListIndex(choices.size));
    cmbFlangeWidth->setCurrentIndex(ListIndex(choices.flange));
    cmbGauge->setCurrentIndex(ListIndex(choices.gauge));
    int finishIndex = -1;
    for (std::size_t i = 0; i < finishNames_.size(); ++i) {
        if (choices.finish && finishNames_[i] == *choices.finish) {
            finishIndex = static_cast<int>(i);
        }
    }
    cmbFinish->setCurrentIndex(finishIndex);
    chkPreGalv->setChecked(choices.preGalvanized);
    loading_ = false;
    PreGalvChanged();
}

MemberChoices dlgEditTensile::Choices() const {
    MemberChoices choices{Chosen(*cmbSize), Chosen(*cmbFlangeWidth), Chosen(*cmbGauge),
                          chkPreGalv->isChecked(), std::nullopt};
    if (const auto finish = Chosen(*cmbFinish); finish && !choices.preGalvanized) {
        choices.finish = finishNames_.at(*finish);
    }
    return choices;
}

void dlgEditTensile::PreGalvChanged() {
    if (loading_) {
        return;
    }
    const bool preGalv = chkPreGalv->isChecked();
    const auto items = MemberGaugeItems(preGalv);
    for (std::size_t i = 0; i < items.size(); ++i) {
        cmbGauge->setItemText(static_cast<int>(i), FromCp1252(items[i]));
    }
    lblFinish->setEnabled(!preGalv);
    cmbFinish->setEnabled(!preGalv);
    UpdateOk();
}

void dlgEditTensile::UpdateOk() {
    if (!loading_) {
        cmdOk->setEnabled(MemberChoicesComplete(Choices()));
    }
}

void dlgEditTensile::Ok() {
    result_ = EncodeMemberConfig(section_, Choices());
    if (result_) {
        accept();
    }
}

} // namespace waybill
