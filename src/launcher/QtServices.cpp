#include "QtServices.h"

#include "WaybillStartPaths.h"

#include <QMessageBox>
#include <QProcess>

namespace waybill::launcher {

void QtLauncherUi::ShowMessage(const Message& message) {
    const QMessageBox::Icon icon =
        message.icon == MessageIcon::Warning ? QMessageBox::Warning : QMessageBox::NoIcon;
    QString text = message.text;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(icon, message.caption, text, QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

std::optional<FolderChoice> QtLauncherUi::AskFolders(const FolderChoice& shown) {
    WaybillStartPaths dialog;
    dialog.SetFolders(shown);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Folders();
}

QtSettingsStore::QtSettingsStore(std::unique_ptr<QSettings> settings)
    : settings_(std::move(settings)) {}

// The editor's own store, which the editor and the command-line tool read: an INI file on every
// system. On Windows that is %APPDATA%\Waybill\Waybill.ini, not the native registry; elsewhere
// the native format is that INI file, ~/.config/Waybill/Waybill.conf.
std::unique_ptr<QtSettingsStore> QtSettingsStore::ForUser() {
#ifdef Q_OS_WIN
    constexpr QSettings::Format format = QSettings::IniFormat;
#else
    constexpr QSettings::Format format = QSettings::NativeFormat;
#endif
    return std::make_unique<QtSettingsStore>(std::make_unique<QSettings>(
        format, QSettings::UserScope, QStringLiteral("Waybill"), QStringLiteral("Waybill")));
}

QString QtSettingsStore::Read(const QString& key) {
    return settings_->value(QStringLiteral("Config/") + key).toString();
}

void QtSettingsStore::Write(const QString& key, const QString& value) {
    settings_->setValue(QStringLiteral("Config/") + key, value);
    settings_->sync();
}

bool DetachedStarter::Start(const QString& program, const QStringList& arguments) {
    return QProcess::startDetached(program, arguments);
}

} // namespace waybill::launcher
