#include "app/gui/dlgRedLine.h"

#include <QPushButton>
#include <QVBoxLayout>

namespace waybill {
namespace {

QPushButton* AddButton(QVBoxLayout& layout, const QString& caption, const QString& name,
                       QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    layout.addWidget(button);
    return button;
}

} // namespace

dlgRedLine::dlgRedLine(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("dlgRedLine"));
    setWindowTitle(QStringLiteral("Red Line Insertion"));
    auto* layout = new QVBoxLayout(this);
    cmdCreateRedLine = AddButton(*layout, QStringLiteral("Create &New Red Line Waybills"),
                                 QStringLiteral("cmdCreateRedLine"), this);
    cmdInsertRedLine = AddButton(*layout, QStringLiteral("&Insert Red Line at End of Waybills"),
                                 QStringLiteral("cmdInsertRedLine"), this);
    cmdCancel = AddButton(*layout, QStringLiteral("&Cancel"), QStringLiteral("cmdCancel"), this);
    connect(cmdCreateRedLine, &QPushButton::clicked, this, [this] { done(CreateNew); });
    connect(cmdInsertRedLine, &QPushButton::clicked, this, [this] { done(InsertAtEnd); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { done(Cancelled); });
}

} // namespace waybill
