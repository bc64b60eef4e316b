#include "app/gui/dlgFolderTree.h"

#include "platform/gui/DialogService.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>

namespace waybill {
namespace {

bool OpensAt(const QString& text) {
    if (text.isEmpty() || !QFileInfo(text).isDir()) {
        return false;
    }
    const bool closingSeparator = text.endsWith(QLatin1Char('/')) || text.endsWith('\\');
    return !closingSeparator || QDir(text).isRoot();
}

} // namespace

void dlgFolderTree::GetPath(DialogService& dialogs, QLineEdit& target, const QString& title) {
    if (OpensAt(target.text())) {
        shown_ = target.text();
    }
    const std::optional<QString> chosen = dialogs.GetFolder(title, shown_);
    if (!chosen) {
        return;
    }
    shown_ = *chosen;
    target.setText(*chosen);
}

} // namespace waybill
