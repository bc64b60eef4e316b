#pragma once

#include <optional>
#include <QString>
#include <QStringList>

namespace waybill::launcher {

enum class MessageIcon { None, Warning };
enum class MessageButtons { Ok };

// A modal message box as the launcher wants it shown; lines are separated by "\r\n".
struct Message {
    QString caption;
    QString text;
    MessageIcon icon = MessageIcon::Warning;
    MessageButtons buttons = MessageButtons::Ok;

    bool operator==(const Message&) const = default;
};

// The two folders of the "Folders" dialog, each as typed or shown.
struct FolderChoice {
    QString sourceFolder;
    QString installFolder;

    bool operator==(const FolderChoice&) const = default;
};

// Everything the launcher shows the user. Tests answer and record it.
class LauncherUi {
  public:
    virtual ~LauncherUi() = default;
    virtual void ShowMessage(const Message& message) = 0;
    // Shows the "Folders" dialog filled with `shown`; returns the texts on OK, nothing on Cancel.
    virtual std::optional<FolderChoice> AskFolders(const FolderChoice& shown) = 0;
};

// The editor's settings, section "Config" of application "Waybill".
class SettingsStore {
  public:
    virtual ~SettingsStore() = default;
    virtual QString Read(const QString& key) = 0;
    virtual void Write(const QString& key, const QString& value) = 0;
};

// Starts a program as its own process, not waiting for it.
class ProgramStarter {
  public:
    virtual ~ProgramStarter() = default;
    virtual bool Start(const QString& program, const QStringList& arguments) = 0;
};

} // namespace waybill::launcher
