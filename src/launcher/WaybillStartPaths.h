#pragma once

#include "LauncherServices.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace waybill::launcher {

// The "Folders" dialog of the installation: where to install from and where to.
class WaybillStartPaths : public QDialog {
    Q_OBJECT

  public:
    explicit WaybillStartPaths(QWidget* parent = nullptr);

    void SetFolders(const FolderChoice& folders);
    FolderChoice Folders() const;

  private:
    QLineEdit* txtSourceFolder_;
    QLineEdit* txtInstallFolder_;
    QPushButton* cmdOk_;
    QPushButton* cmdCancel_;
};

} // namespace waybill::launcher
