#pragma once

#include "LauncherServices.h"

#include <memory>
#include <QSettings>

// The launcher's services on the real desktop.
namespace waybill::launcher {

class QtLauncherUi : public LauncherUi {
  public:
    void ShowMessage(const Message& message) override;
    std::optional<FolderChoice> AskFolders(const FolderChoice& shown) override;
};

// Section "Config" of a QSettings store.
class QtSettingsStore : public SettingsStore {
  public:
    explicit QtSettingsStore(std::unique_ptr<QSettings> settings);

    // The per-user store that the editor reads: organisation and application "Waybill".
    static std::unique_ptr<QtSettingsStore> ForUser();

    QString Read(const QString& key) override;
    void Write(const QString& key, const QString& value) override;

  private:
    std::unique_ptr<QSettings> settings_;
};

class DetachedStarter : public ProgramStarter {
  public:
    bool Start(const QString& program, const QStringList& arguments) override;
};

} // namespace waybill::launcher
