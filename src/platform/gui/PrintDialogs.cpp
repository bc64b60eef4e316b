// The print, printer set-up and page-range dialogs of QtDialogService.

#include "platform/gui/DialogService.h"

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
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialog.setMinMax(request.minPage, request.maxPage);
    printer.setPrintRange(QPrinter::AllPages);
    printer.setFromTo(request.fromPage, request.toPage);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    if (printer.printRange() == QPrinter::PageRange) {
        return PrintChoice{true, printer.fromPage(), printer.toPage()};
    }
    if (printer.printRange() == QPrinter::CurrentPage) {
        return PrintChoice{true, request.fromPage, request.fromPage};
    }
    return PrintChoice{};
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
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(all);
    layout->addLayout(rangeRow);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    if (!range->isChecked()) {
        return PrintChoice{};
    }
    return PrintChoice{true, std::min(from->value(), to->value()),
                       std::max(from->value(), to->value())};
}

} // namespace waybill
