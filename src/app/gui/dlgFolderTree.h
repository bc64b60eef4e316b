#pragma once

#include <QString>

class QLineEdit;

namespace waybill {

class DialogService;

// The folder picker. The platform's folder dialog stands in for the drive list and folder
// tree; it keeps the folder it last showed for the next time.
class dlgFolderTree {
  public:
    // Lets the user pick a folder for `target`, in a dialog titled `title`. It opens at the
    // folder the target names when that exists and is written without a closing separator
    // (or is a root); otherwise at the folder shown last. OK fills the target; Cancel leaves
    // it alone.
    void GetPath(DialogService& dialogs, QLineEdit& target, const QString& title);

  private:
    QString shown_;
};

} // namespace waybill
