#pragma once

#include "Launcher.h"
#include "QtServices.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <QDateTime>
#include <QTemporaryDir>
#include <vector>

// Readable failure output for Qt texts.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace waybill::launcher {

// Answers the "Folders" dialog and records every message and dialog.
class RecordingUi : public LauncherUi {
  public:
    void ShowMessage(const Message& message) override { messages.push_back(message); }
    std::optional<FolderChoice> AskFolders(const FolderChoice& shown) override {
        dialogsShown.push_back(shown);
        return answerFolders(shown);
    }

    std::vector<Message> messages;
    std::vector<FolderChoice> dialogsShown;
    // OK with the folders as shown, unless a test answers otherwise.
    std::function<std::optional<FolderChoice>(const FolderChoice&)> answerFolders =
        [](const FolderChoice& shown) { return shown; };
};

class RecordingStarter : public ProgramStarter {
  public:
    bool Start(const QString& program, const QStringList& arguments) override {
        starts.push_back({program, arguments});
        return succeeds;
    }

    struct StartCall {
        QString program;
        QStringList arguments;
    };
    std::vector<StartCall> starts;
    bool succeeds = true;
};

// Temporary source, install and desktop folders and a temporary settings store.
class LauncherTest : public testing::Test {
  protected:
    void SetUp() override;

    QString SourceFolder() const { return root_.path() + "/source/"; }
    QString InstallFolder() const { return root_.path() + "/install/"; }
    QString DesktopFolder() const { return root_.path() + "/desktop/"; }
    QString RootFolder() const { return root_.path() + "/"; }

    // Writes `content` to `path`, creating its folder, and gives it modification time `time`.
    static void WriteFile(const QString& path, const QByteArray& content,
                          const QDateTime& time = QDateTime::currentDateTime().addSecs(-3600));
    static QByteArray ReadFile(const QString& path);
    static QDateTime ModifiedAt(const QString& path);

    // A source folder ready for a first installation into InstallFolder().
    void MakeReleasedSource(const QByteArray& filesList);
    // Marks the editor as installed in InstallFolder().
    void MarkInstalled();

    void RunLauncher(const QStringList& commandLine = {});
    QString Setting(const QString& key);
    Message Error(const QString& text) const { return {"Error", text, MessageIcon::Warning}; }

    QTemporaryDir root_;
    RecordingUi ui_;
    RecordingStarter starter_;
    std::unique_ptr<QtSettingsStore> settings_;
};

} // namespace waybill::launcher
