#pragma once

#include "Launcher.h"
#include "QtServices.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <vector>

namespace waybill::launcher {

class RecordingUi : public LauncherUi {
  public:
    void ShowMessage(const Message& message) override { messages.push_back(message); }
    std::optional<FolderChoice> AskFolders(const FolderChoice& shown) override {
        dialogsShown.push_back(shown);
        return answerFolders(shown);
    }

    std::vector<Message> messages;
    std::vector<FolderChoice> dialogsShown;
    std::function<std::optional<FolderChoice>(const FolderChoice&)> answerFolders =
        [](const FolderChoice& shown) { return shown; };
};

class RecordingStarter : public ProgramStarter {
  public:
    bool Start(const QString& program, const QStringList& arguments) override {
        starts.push_back({program, arguments});
        return true;
    }

    struct StartCall {
        QString program;
        QStringList arguments;
    };
    std::vector<StartCall> starts;
};

class LauncherTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(root_.isValid());
        ASSERT_TRUE(QDir().mkpath(SourceFolder()));
        settings_ = std::make_unique<QtSettingsStore>(
            std::make_unique<QSettings>(root_.path() + "/settings.ini", QSettings::IniFormat));
    }

    QString SourceFolder() const { return root_.path() + "/source/"; }
    QString InstallFolder() const { return root_.path() + "/install/"; }
    QString DesktopFolder() const { return root_.path() + "/desktop/"; }
    QString RootFolder() const { return root_.path() + "/"; }

    static void WriteFile(const QString& path, const QByteArray& content,
                          const QDateTime& time = QDateTime::currentDateTime().addSecs(-3600)) {
        ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(content), content.size());
        ASSERT_TRUE(file.flush());
        ASSERT_TRUE(file.setFileTime(time, QFileDevice::FileModificationTime));
    }
    static QByteArray ReadFile(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    void RunLauncher(const QStringList& commandLine = {}) {
        Launcher launcher(ui_, *settings_, starter_, {SourceFolder(), DesktopFolder()});
        launcher.Run(commandLine);
    }
    QString Setting(const QString& key) { return settings_->Read(key); }
    Message Error(const QString& text) const { return {"Error", text, MessageIcon::Warning}; }

    // Named as a site's shared folder may be, so that names cross the edge between Qt and the
    // file work whole.
    QTemporaryDir root_{QDir::tempPath() + "/Jobs é 日本-XXXXXX"};
    RecordingUi ui_;
    RecordingStarter starter_;
    std::unique_ptr<QtSettingsStore> settings_;
};

} // namespace waybill::launcher
