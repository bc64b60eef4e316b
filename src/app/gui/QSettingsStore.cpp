#include "app/gui/QSettingsStore.h"

#include "platform/gui/QtText.h"
#include "platform/StoredSettings.h"

namespace waybill {
namespace {

QString KeyPath(std::string_view section, std::string_view key) {
    return QString::fromUtf8(section.data(), static_cast<qsizetype>(section.size())) +
           QLatin1Char('/') + QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
}

} // namespace

QSettingsStore::QSettingsStore(std::unique_ptr<QSettings> settings)
    : settings_(std::move(settings)) {}

// The file the command-line tool reads too; on Linux the one Qt's own rule names.
std::unique_ptr<QSettingsStore> QSettingsStore::ForUser() {
    if (const auto file = StoredSettingsFile()) {
        return std::make_unique<QSettingsStore>(
            std::make_unique<QSettings>(FromPath(*file), QSettings::IniFormat));
    }
    return std::make_unique<QSettingsStore>(
        std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                    QStringLiteral("Waybill"), QStringLiteral("Waybill")));
}

std::string QSettingsStore::Read(std::string_view section, std::string_view key) const {
    return settings_->value(KeyPath(section, key)).toString().toStdString();
}

void QSettingsStore::Write(std::string_view section, std::string_view key, std::string_view value) {
    settings_->setValue(KeyPath(section, key),
                        QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size())));
    settings_->sync();
}

} // namespace waybill
