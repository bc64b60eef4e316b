#include "page/gui/dlgEditAttrib.h"

#include "platform/gui/QtText.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace waybill {
namespace {

constexpr int kValueColumn = 0;
constexpr int kPromptColumn = 1;

} // namespace

dlgEditAttrib::dlgEditAttrib(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("dlgEditAttrib"));
    setWindowTitle(QStringLiteral("Edit Attributes"));

    lblAttriBlks = new QLabel(QStringLiteral("Blocks:"), this);
    lblAttriBlks->setObjectName(QStringLiteral("lblAttriBlks"));
    lstAttriBlks = new QListWidget(this);
    lstAttriBlks->setObjectName(QStringLiteral("lstAttriBlks"));
    lstAttriBlks->setToolTip(QStringLiteral("Click on block name to edit its attributes."));
    lstAttriBlks->setMinimumWidth(140);
    lblAttriBlks->setBuddy(lstAttriBlks);

    lblAttribs = new QLabel(QStringLiteral("Atrtributes:"), this);
    lblAttribs->setObjectName(QStringLiteral("lblAttribs"));
    lvwAttribs = new QTreeWidget(this);
    lvwAttribs->setObjectName(QStringLiteral("lvwAttribs"));
    lvwAttribs->setRootIsDecorated(false);
    lvwAttribs->setUniformRowHeights(true);
    lvwAttribs->setColumnCount(2);
    lvwAttribs->setHeaderLabels({QStringLiteral("Values"), QStringLiteral("Attribute")});
    // The prompt reads first; the value stays the row's editable first column.
    lvwAttribs->header()->moveSection(kPromptColumn, 0);
    lvwAttribs->header()->setStretchLastSection(true);
    lvwAttribs->setColumnWidth(kPromptColumn, 200);
    lvwAttribs->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Values hold drawing-font glyphs (fractions, symbols).
    lvwAttribs->setFont(QFont(QStringLiteral("ArialDT")));
    lvwAttribs->setMinimumSize(380, 260);
    lblAttribs->setBuddy(lvwAttribs);

    cmdOk = new QPushButton(QStringLiteral("OK"), this);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdOk->setToolTip(QStringLiteral("Save changes and exit."));
    cmdOk->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setToolTip(QStringLiteral("Cancel changes."));

    auto* left = new QVBoxLayout;
    left->addWidget(lblAttriBlks);
    left->addWidget(lstAttriBlks, 1);
    auto* right = new QVBoxLayout;
    right->addWidget(lblAttribs);
    right->addWidget(lvwAttribs, 1);
    auto* lists = new QHBoxLayout;
    lists->addLayout(left);
    lists->addLayout(right, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOk);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists, 1);
    layout->addLayout(buttons);

    connect(lstAttriBlks, &QListWidget::currentRowChanged, this, [this](int row) {
        if (state_ && row >= 0) {
            state_->ChooseBlock(row);
            ShowRows();
        }
    });
    connect(lvwAttribs, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* item, int) { lvwAttribs->editItem(item, kValueColumn); });
    connect(lvwAttribs, &QTreeWidget::itemChanged, this, &dlgEditAttrib::ValueEdited);
    connect(cmdOk, &QPushButton::clicked, this, &dlgEditAttrib::Ok);
    connect(cmdCancel, &QPushButton::clicked, this, [this] {
        changes_ = {};
        reject();
    });
}

void dlgEditAttrib::Load(const AttribValueList& values, BlockAttribDefs& defs) {
    changes_ = {};
    state_.emplace(values, defs);
    {
        const QSignalBlocker blocker(lstAttriBlks);
        lstAttriBlks->clear();
        for (const auto& name : state_->BlockNames()) {
            lstAttriBlks->addItem(FromCp1252(name));
        }
        lstAttriBlks->setCurrentRow(state_->CurrentBlock());
    }
    ShowRows();
}

void dlgEditAttrib::ShowRows() {
    filling_ = true;
    lvwAttribs->clear();
    for (const auto& row : state_->Rows()) {
        auto* item = new QTreeWidgetItem(lvwAttribs);
        item->setText(kValueColumn, FromCp1252(row.value));
        item->setText(kPromptColumn, FromCp1252(row.prompt));
        item->setFlags(item->flags() | Qt::ItemIsEditable);
    }
    if (QTreeWidgetItem* first = lvwAttribs->topLevelItem(0)) {
        lvwAttribs->setCurrentItem(first);
    }
    filling_ = false;
}

void dlgEditAttrib::ValueEdited(QTreeWidgetItem* item, int column) {
    if (filling_ || column != kValueColumn || !state_) {
        return;
    }
    const int row = lvwAttribs->indexOfTopLevelItem(item);
    if (row < 0) {
        return;
    }
    const auto index = static_cast<std::size_t>(row);
    state_->SetValue(index, ToCp1252(item->text(kValueColumn)));
    // Show what is kept: a "|" or a line end typed into the value does not stay.
    filling_ = true;
    item->setText(kValueColumn, FromCp1252(state_->Rows()[index].value));
    filling_ = false;
}

void dlgEditAttrib::Ok() {
    changes_ = state_ ? state_->Ok() : PageChanges{};
    accept();
}

} // namespace waybill
