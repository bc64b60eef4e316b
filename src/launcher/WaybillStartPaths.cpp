#include "WaybillStartPaths.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace waybill::launcher {

namespace {

QLineEdit* FolderBox(const QString& name, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setMinimumWidth(box->fontMetrics().averageCharWidth() * 48);
    return box;
}

} // namespace

WaybillStartPaths::WaybillStartPaths(QWidget* parent)
    : QDialog(parent), txtSourceFolder_(FolderBox(QStringLiteral("txtSourceFolder"), this)),
      txtInstallFolder_(FolderBox(QStringLiteral("txtInstallFolder"), this)),
      cmdOk_(new QPushButton(QStringLiteral("OK"), this)),
      cmdCancel_(new QPushButton(QStringLiteral("&Cancel"), this)) {
    setObjectName(QStringLiteral("WaybillStartPaths"));
    setWindowTitle(QStringLiteral("Folders"));
    setModal(true);

    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("Source Folder:"), txtSourceFolder_);
    fields->addRow(QStringLiteral("Install Folder (Local):"), txtInstallFolder_);

    cmdOk_->setObjectName(QStringLiteral("cmdOk"));
    cmdOk_->setDefault(true);
    cmdCancel_->setObjectName(QStringLiteral("cmdCancel"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOk_);
    buttons->addWidget(cmdCancel_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);

    connect(cmdOk_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdCancel_, &QPushButton::clicked, this, &QDialog::reject);
}

void WaybillStartPaths::SetFolders(const FolderChoice& folders) {
    txtSourceFolder_->setText(folders.sourceFolder);
    txtInstallFolder_->setText(folders.installFolder);
}

FolderChoice WaybillStartPaths::Folders() const {
    return {txtSourceFolder_->text(), txtInstallFolder_->text()};
}

} // namespace waybill::launcher
