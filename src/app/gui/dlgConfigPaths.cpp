#include "app/gui/dlgConfigPaths.h"

#include "app/AppMessages.h"
#include "app/gui/dlgFolderTree.h"
#include "platform/gui/DialogService.h"
#include "platform/gui/QtText.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace waybill {
namespace {

QPushButton* AddRow(QGridLayout& grid, int row, const QString& label, QLineEdit*& box,
                    const QString& name, QWidget* parent) {
    auto* caption = new QLabel(label, parent);
    box = new QLineEdit(parent);
    box->setObjectName(QStringLiteral("txt") + name);
    box->setMinimumWidth(380);
    caption->setBuddy(box);
    auto* browse = new QPushButton(QStringLiteral("..."), parent);
    browse->setObjectName(QStringLiteral("cmd") + name);
    browse->setAutoDefault(false);
    grid.addWidget(caption, row, 0);
    grid.addWidget(box, row, 1);
    grid.addWidget(browse, row, 2);
    return browse;
}

} // namespace

dlgConfigPaths::dlgConfigPaths(DialogService& dialogs, dlgFolderTree& folderTree, QWidget* parent)
    : QDialog(parent), dialogs_(dialogs), folderTree_(folderTree) {
    setObjectName(QStringLiteral("dlgConfigPaths"));
    setWindowTitle(QStringLiteral("Configure File Paths"));

    auto* grid = new QGridLayout;
    cmdDefFwb = AddRow(*grid, 0, QStringLiteral("Default Waybill File"), txtDefFwb,
                       QStringLiteral("DefFwb"), this);
    cmdDefDB =
        AddRow(*grid, 1, QStringLiteral("Database"), txtDefDB, QStringLiteral("DefDB"), this);
    cmdWorkFolder = AddRow(*grid, 2, QStringLiteral("Work Folder"), txtWorkFolder,
                           QStringLiteral("WorkFolder"), this);
    cmdExportFolder = AddRow(*grid, 3, QStringLiteral("Export Folder"), txtExportFolder,
                             QStringLiteral("ExportFolder"), this);
    cmdPunchExport = AddRow(*grid, 4, QStringLiteral("Punch Export File"), txtPunchExport,
                            QStringLiteral("PunchExport"), this);

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setDefault(true);
    CancelButton = new QPushButton(QStringLiteral("&Cancel"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    CancelButton->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKButton);
    buttons->addWidget(CancelButton);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    connect(OKButton, &QPushButton::clicked, this, &dlgConfigPaths::OnOk);
    connect(CancelButton, &QPushButton::clicked, this, &dlgConfigPaths::reject);
    connect(cmdDefFwb, &QPushButton::clicked, this, [this] {
        BrowseFile(*txtDefFwb, QStringLiteral("Default Waybill File"),
                   QStringLiteral("Waybill Files (*.fwb)|*.fwb"), true);
    });
    connect(cmdDefDB, &QPushButton::clicked, this, [this] {
        BrowseFile(*txtDefDB, QStringLiteral("Default Database File"),
                   QStringLiteral("Waybill Files (*.db, *.mdb)|*.db;*.mdb"), true);
    });
    connect(cmdPunchExport, &QPushButton::clicked, this, [this] {
        BrowseFile(*txtPunchExport, QStringLiteral("Special Patterns File (spcptrns.dat)"),
                   QStringLiteral("Waybill Files (*.dat)|*.dat"), false);
    });
    connect(cmdWorkFolder, &QPushButton::clicked, this, [this] {
        folderTree_.GetPath(dialogs_, *txtWorkFolder, QStringLiteral("Work Folder Location"));
    });
    connect(cmdExportFolder, &QPushButton::clicked, this, [this] {
        folderTree_.GetPath(dialogs_, *txtExportFolder, QStringLiteral("Export Folder Location"));
    });
}

void dlgConfigPaths::SetPaths(const PathSettings& paths) {
    txtDefFwb->setText(FromUtf8(paths.DefFwb));
    txtDefDB->setText(FromUtf8(paths.DefDB));
    txtWorkFolder->setText(FromUtf8(paths.WorkFolder));
    txtExportFolder->setText(FromUtf8(paths.ExportFolder));
    txtPunchExport->setText(FromUtf8(paths.PunchExport));
}

PathSettings dlgConfigPaths::Paths() const {
    return {ToUtf8(txtDefFwb->text()), ToUtf8(txtDefDB->text()), ToUtf8(txtWorkFolder->text()),
            ToUtf8(txtExportFolder->text()), ToUtf8(txtPunchExport->text())};
}

void dlgConfigPaths::SetCancelEnabled(bool enabled) {
    CancelButton->setEnabled(enabled);
}

void dlgConfigPaths::reject() {
    if (CancelButton->isEnabled()) {
        QDialog::reject();
    }
}

void dlgConfigPaths::OnOk() {
    if (!RequireFile(*txtDefFwb, MissingDefaultWaybillMessage()) ||
        !RequireFile(*txtDefDB, MissingDefaultDatabaseMessage())) {
        return;
    }
    CheckFolder(txtWorkFolder->text());
    CheckFolder(txtExportFolder->text());
    accept();
}

bool dlgConfigPaths::RequireFile(QLineEdit& box, const UserMessage& message) {
    if (QFileInfo(box.text()).isFile()) {
        return true;
    }
    dialogs_.ShowMessage(message);
    box.setFocus();
    if (!box.text().isEmpty()) {
        box.selectAll();
    }
    return false;
}

// An empty path is the current folder, which exists. Refusing to create a missing folder
// keeps it as typed.
void dlgConfigPaths::CheckFolder(const QString& path) {
    if (path.isEmpty() || QFileInfo(path).isDir()) {
        return;
    }
    if (dialogs_.ShowMessage(CreateFolderQuestion(ToCp1252(path)), MessageButtons::YesNo) !=
        MessageAnswer::Yes) {
        return;
    }
    std::error_code error;
    std::filesystem::create_directory(FsPath(path), error);
    if (error) {
        dialogs_.ShowMessage(
            CannotCreateFolderMessage(ToCp1252(path), Utf8ToCp1252(error.message())));
    }
}

void dlgConfigPaths::BrowseFile(QLineEdit& box, const QString& title, const QString& filter,
                                bool mustExist) {
    FileQuestion question;
    question.title = ToUtf8(title);
    question.filter = ToUtf8(filter);
    question.startFolder =
        box.text().isEmpty() ? std::string() : ToUtf8(QFileInfo(box.text()).absolutePath());
    question.mustExist = mustExist;
    if (const auto chosen = dialogs_.AskForFile(question)) {
        box.setText(FromUtf8(*chosen));
    }
}

} // namespace waybill
