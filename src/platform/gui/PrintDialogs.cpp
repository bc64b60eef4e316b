// The print, printer set-up and page-range dialogs of QtDialogService (DialogService.h).

#include "platform/gui/DialogService.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace waybill {

std::optional<PrintChoice> QtDialogService::GetPrintChoice(QPrinter& printer,
                                                           const PrintDialogRequest& request) {
    QPrintDialog dialog(&printer, parent_);
    dialog.setWindowTitle(request.title);
    QCheckBox* mark = nullptr;
    if (!request.markOption.isEmpty()) {
        auto* tab = new QWidget;
        tab->setWindowTitle(QStringLiteral("Changes"));
        mark = new QCheckBox(request.markOption, tab);
        (new QVBoxLayout(tab))->addWidget(mark);
        dialog.setOptionTabs({tab});
    }
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialog.setMinMax(request.minPage, request.maxPage);
    printer.setPrintRange(QPrinter::AllPages);
    printer.setFromTo(request.fromPage, request.toPage);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    PrintChoice choice;
    if (printer.printRange() == QPrinter::PageRange) {
        choice = {true, printer.fromPage(), printer.toPage()};
    } else if (printer.printRange() == QPrinter::CurrentPage) {
        choice = {true, request.fromPage, request.fromPage};
    }
    choice.markChanges = mark != nullptr && mark->isChecked();
    return choice;
}

bool QtDialogService::SetUpPrinter(QPrinter& printer, const QString& title) {
    QPageSetupDialog dialog(&printer, parent_);
    dialog.setWindowTitle(title);
    return dialog.exec() == QDialog::Accepted;
}

std::optional<PrintChoice> QtDialogService::GetPageRange(const PrintDialogRequest& request) {
    QDialog dialog(parent_);
    dialog.setWindowTitle(request.title);
    auto* all = new QRadioButton(QStringLiteral("&All pages"), &dialog);
    auto* range = new QRadioButton(QStringLiteral("&Pages"), &dialog);
    auto* from = new QSpinBox(&dialog);
    auto* to = new QSpinBox(&dialog);
    for (QSpinBox* box : {from, to}) {
        box->setRange(request.minPage, request.maxPage);
    }
    from->setValue(request.fromPage);
    to->setValue(request.toPage);
    all->setChecked(true);
    // Typing a page number means a range.
    for (QSpinBox* box : {from, to}) {
        QObject::connect(box, &QSpinBox::valueChanged, range, [range] { range->setChecked(true); });
    }
    auto* rangeRow = new QHBoxLayout;
    rangeRow->addWidget(range);
    rangeRow->addWidget(from);
    rangeRow->addWidget(new QLabel(QStringLiteral("to"), &dialog));
    rangeRow->addWidget(to);
    QCheckBox* mark = nullptr;
    if (!request.markOption.isEmpty()) {
        mark = new QCheckBox(request.markOption, &dialog);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(all);
    layout->addLayout(rangeRow);
    if (mark != nullptr) {
        layout->addWidget(mark);
    }
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    PrintChoice choice;
    if (range->isChecked()) {
        choice = {true, std::min(from->value(), to->value()), std::max(from->value(), to->value())};
    }
    choice.markChanges = mark != nullptr && mark->isChecked();
    return choice;
}

} // namespace waybill
