#include "app/gui/QSettingsStore.h"
#include "app/RecentFiles.h"
#include "model/TempDir.h"

#include <gtest/gtest.h>
#include <QSettings>

namespace waybill {
namespace {

TEST(QSettingsStoreTest, SectionsAndKeysMapToGroupsAndKeys) {
    test::TempDir dir;
    const QString file = QString::fromStdString((dir / "Waybill.conf").string());
    {
        QSettingsStore store(std::make_unique<QSettings>(file, QSettings::IniFormat));
        EXPECT_EQ(store.Read("Config", "DefFwb"), "");
        store.Write("Config", "DefFwb", "/opt/w\xC3\xA9/Default.fwb");
        WriteRecentFiles(store, {"/a.fwb", "", "", ""});
    }
    QSettings raw(file, QSettings::IniFormat);
    EXPECT_EQ(raw.value(QStringLiteral("Config/DefFwb")).toString(),
              QStringLiteral("/opt/w\u00e9/Default.fwb"));
    EXPECT_EQ(raw.value(QStringLiteral("MRU/MRU0")).toString(), QStringLiteral("/a.fwb"));
    EXPECT_TRUE(raw.contains(QStringLiteral("MRU/MRU3")));

    QSettingsStore again(std::make_unique<QSettings>(file, QSettings::IniFormat));
    EXPECT_EQ(again.Read("Config", "DefFwb"), "/opt/w\xC3\xA9/Default.fwb");
}

} // namespace
} // namespace waybill
