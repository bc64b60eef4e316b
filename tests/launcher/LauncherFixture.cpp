#include "LauncherFixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace waybill::launcher {

void LauncherTest::SetUp() {
    ASSERT_TRUE(root_.isValid());
    ASSERT_TRUE(QDir().mkpath(SourceFolder()));
    settings_ = std::make_unique<QtSettingsStore>(
        std::make_unique<QSettings>(root_.path() + "/settings.ini", QSettings::IniFormat));
}

void LauncherTest::WriteFile(const QString& path, const QByteArray& content,
                             const QDateTime& time) {
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(content), content.size());
    file.close();
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(time, QFileDevice::FileModificationTime));
}

QByteArray LauncherTest::ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QDateTime LauncherTest::ModifiedAt(const QString& path) {
    return QFileInfo(path).lastModified();
}

void LauncherTest::MakeReleasedSource(const QByteArray& filesList) {
    WriteFile(SourceFolder() + "Waybill.cfg",
              ("LocalPath=" + InstallFolder() + "\r\nExportPath=" + RootFolder() + "exports\r\n")
                  .toLocal8Bit());
    WriteFile(SourceFolder() + "Files.txt", filesList);
}

void LauncherTest::MarkInstalled() {
    WriteFile(InstallFolder() + "Waybill", "installed editor");
    settings_->Write("LocalExecPath", InstallFolder());
}

void LauncherTest::RunLauncher(const QStringList& commandLine) {
    Launcher launcher(ui_, *settings_, starter_, {SourceFolder(), DesktopFolder()});
    launcher.Run(commandLine);
}

QString LauncherTest::Setting(const QString& key) {
    return settings_->Read(key);
}

} // namespace waybill::launcher
