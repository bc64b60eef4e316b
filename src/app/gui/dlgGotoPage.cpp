#include "app/gui/dlgGotoPage.h"

#include "app/AppMessages.h"
#include "app/CommandEnabling.h"
#include "platform/gui/QtText.h"
#include "model/Book.h"
#include "platform/gui/DialogService.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace waybill {

dlgGotoPage::dlgGotoPage(DialogService& dialogs, QWidget* parent)
    : QDialog(parent), dialogs_(dialogs) {
    setObjectName(QStringLiteral("dlgGotoPage"));
    setWindowTitle(QStringLiteral("Go to Page"));

    lvPages = new QTreeWidget(this);
    lvPages->setObjectName(QStringLiteral("lvPages"));
    lvPages->setRootIsDecorated(false);
    lvPages->setUniformRowHeights(true);
    lvPages->setHeaderLabels(
        {QStringLiteral("Pg"), QStringLiteral("Cad No."), QStringLiteral("Description")});
    lvPages->setColumnWidth(0, 40);
    lvPages->setColumnWidth(1, 120);
    lvPages->setMinimumSize(480, 300);

    txtPageNumber = new QLineEdit(this);
    txtPageNumber->setObjectName(QStringLiteral("txtPageNumber"));
    txtPageNumber->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this));
    auto* label = new QLabel(QStringLiteral("Page Number:"), this);
    label->setBuddy(txtPageNumber);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* numberRow = new QHBoxLayout;
    numberRow->addWidget(label);
    numberRow->addWidget(txtPageNumber);
    numberRow->addStretch();
    numberRow->addWidget(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lvPages);
    layout->addLayout(numberRow);

    connect(txtPageNumber, &QLineEdit::textEdited, this, &dlgGotoPage::OnTextEdited);
    connect(lvPages, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { txtPageNumber->setText(item->text(0)); });
    connect(lvPages, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        chosen_ = lvPages->indexOfTopLevelItem(item) + 1;
        accept();
    });
    connect(buttons, &QDialogButtonBox::accepted, this, &dlgGotoPage::OnOk);
    connect(buttons, &QDialogButtonBox::rejected, this, &dlgGotoPage::reject);
}

void dlgGotoPage::FillList(const Book& book) {
    lvPages->clear();
    int number = 0;
    for (const auto& page : book.Pages()) {
        ++number;
        auto* item = new QTreeWidgetItem(lvPages);
        item->setText(0, QString::number(number));
        item->setText(1, FromDrawingText(page->CadNumber));
        item->setText(2, FromDrawingText(page->Description));
    }
    chosen_.reset();
    SelectRow(book.CurPage());
    txtPageNumber->setText(QString::number(book.CurPage()));
}

void dlgGotoPage::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    txtPageNumber->setFocus();
    txtPageNumber->selectAll();
}

void dlgGotoPage::SelectRow(int pageNumber) {
    QTreeWidgetItem* item = lvPages->topLevelItem(pageNumber - 1);
    if (item == nullptr) {
        return;
    }
    lvPages->setCurrentItem(item);
    lvPages->scrollToItem(item);
}

void dlgGotoPage::OnTextEdited(const QString& text) {
    if (const auto page = ParseGotoPageNumber(ToUtf8(text), lvPages->topLevelItemCount())) {
        SelectRow(*page);
    }
}

void dlgGotoPage::OnOk() {
    const auto page =
        ParseGotoPageNumber(ToUtf8(txtPageNumber->text()), lvPages->topLevelItemCount());
    if (!page) {
        dialogs_.ShowMessage(InvalidPageNumberMessage());
        txtPageNumber->setFocus();
        txtPageNumber->selectAll();
        return;
    }
    chosen_ = page;
    accept();
}

} // namespace waybill
