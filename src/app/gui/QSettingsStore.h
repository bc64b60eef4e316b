#pragma once

#include "app/AppSettings.h"

#include <memory>
#include <QSettings>

namespace waybill {

// The settings store over QSettings: section = group, key = key.
class QSettingsStore : public SettingsStore {
  public:
    explicit QSettingsStore(std::unique_ptr<QSettings> settings);

    // The per-user store of application "Waybill", the one the launcher writes and the
    // command-line tool reads (StoredSettingsFile).
    static std::unique_ptr<QSettingsStore> ForUser();

    std::string Read(std::string_view section, std::string_view key) const override;
    void Write(std::string_view section, std::string_view key, std::string_view value) override;

  private:
    std::unique_ptr<QSettings> settings_;
};

} // namespace waybill
