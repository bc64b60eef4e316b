#pragma once

#include "app/AppSettings.h"
#include "platform/UserMessage.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace waybill {

class DialogService;
class dlgFolderTree;

// Configure File Paths: the default document, the reference database, the work and export
// folders and the punch patterns file. OK insists on an existing default document and
// database and offers to create missing folders; the caller takes Paths() and stores them.
class dlgConfigPaths : public QDialog {
    Q_OBJECT

  public:
    dlgConfigPaths(DialogService& dialogs, dlgFolderTree& folderTree, QWidget* parent = nullptr);

    // The text boxes from `paths` (the File > Configure command fills them; start-up does not).
    void SetPaths(const PathSettings& paths);
    PathSettings Paths() const;

    // At start-up with a missing file the dialog cannot be cancelled, not even by Escape or
    // by closing its window.
    void SetCancelEnabled(bool enabled);

    QLineEdit* txtDefFwb;
    QLineEdit* txtDefDB;
    QLineEdit* txtWorkFolder;
    QLineEdit* txtExportFolder;
    QLineEdit* txtPunchExport;
    QPushButton* cmdDefFwb;
    QPushButton* cmdDefDB;
    QPushButton* cmdWorkFolder;
    QPushButton* cmdExportFolder;
    QPushButton* cmdPunchExport;
    QPushButton* OKButton;
    QPushButton* CancelButton;

  public slots:
    void reject() override;

  private:
    void OnOk();
    bool RequireFile(QLineEdit& box, const UserMessage& message);
    void CheckFolder(const QString& path);
    void BrowseFile(QLineEdit& box, const QString& title, const QString& filter, bool mustExist);

    DialogService& dialogs_;
    dlgFolderTree& folderTree_;
};

} // namespace waybill
