#include "app/gui/dlgAddPage.h"

#include "platform/gui/QtText.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace waybill {
namespace {

QRadioButton* AddOption(QVBoxLayout& layout, const QString& caption, const QString& name,
                        QWidget* parent) {
    auto* option = new QRadioButton(caption, parent);
    option->setObjectName(name);
    layout.addWidget(option);
    return option;
}

} // namespace

dlgAddPage::dlgAddPage(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("dlgAddPage"));
    setWindowTitle(QStringLiteral("Add Page"));

    lvAddPages = new QTreeWidget(this);
    lvAddPages->setObjectName(QStringLiteral("lvAddPages"));
    lvAddPages->setRootIsDecorated(false);
    lvAddPages->setUniformRowHeights(true);
    lvAddPages->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lvAddPages->setHeaderLabels({QStringLiteral("Cad No."), QStringLiteral("Description")});
    lvAddPages->setColumnWidth(0, 120);
    lvAddPages->setMinimumSize(420, 360);

    auto* frame = new QGroupBox(QStringLiteral("Location"), this);
    auto* options = new QVBoxLayout(frame);
    optAtDefault = AddOption(*options, QStringLiteral("At &Default Location"),
                             QStringLiteral("optAtDefault"), frame);
    optAfterLast = AddOption(*options, QStringLiteral("After &Last Page"),
                             QStringLiteral("optAfterLast"), frame);
    OptBeforePage = AddOption(*options, QStringLiteral("&Before Current Page"),
                              QStringLiteral("OptBeforePage"), frame);
    optAfterPage = AddOption(*options, QStringLiteral("&After Current Page"),
                             QStringLiteral("optAfterPage"), frame);
    options->addStretch();

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setDefault(true);
    CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));

    auto* side = new QVBoxLayout;
    side->addWidget(frame);
    side->addStretch();
    side->addWidget(OKButton);
    side->addWidget(CancelButton);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(lvAddPages, 1);
    layout->addLayout(side);

    connect(OKButton, &QPushButton::clicked, this, &dlgAddPage::accept);
    connect(CancelButton, &QPushButton::clicked, this, &dlgAddPage::reject);
    // Nothing chosen, nothing to add.
    connect(lvAddPages, &QTreeWidget::itemSelectionChanged, this,
            [this] { OKButton->setEnabled(!lvAddPages->selectedItems().isEmpty()); });
    connect(lvAddPages, &QTreeWidget::itemDoubleClicked, this, &dlgAddPage::accept);
}

void dlgAddPage::FillList(const Book& defWaybill) {
    lvAddPages->clear();
    for (const auto& page : defWaybill.Pages()) {
        auto* item = new QTreeWidgetItem(lvAddPages);
        item->setText(0, FromDrawingText(page->CadNumber));
        item->setText(1, FromDrawingText(page->Description));
    }
    lvAddPages->clearSelection();
    if (QTreeWidgetItem* first = lvAddPages->topLevelItem(0)) {
        lvAddPages->setCurrentItem(first);
        first->setSelected(true);
    }
    OKButton->setEnabled(!lvAddPages->selectedItems().isEmpty());
    optAtDefault->setChecked(true);
}

std::vector<int> dlgAddPage::SelectedPages() const {
    std::vector<int> pages;
    for (int row = 0; row < lvAddPages->topLevelItemCount(); ++row) {
        if (lvAddPages->topLevelItem(row)->isSelected()) {
            pages.push_back(row + 1);
        }
    }
    return pages;
}

PageLocation dlgAddPage::Location() const {
    if (OptBeforePage->isChecked()) {
        return BeforeCurrentPage;
    }
    if (optAfterLast->isChecked()) {
        return AfterLastPage;
    }
    if (optAfterPage->isChecked()) {
        return AfterCurrentPage;
    }
    return AtDefaultLocation;
}

} // namespace waybill
