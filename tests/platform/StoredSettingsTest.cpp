#include "platform/StoredSettings.h"

#include "support/TempDir.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace waybill {
namespace {

TEST(StoredSettings, FindsKeysInTheirSection) {
    const std::string text = "[General]\nDefDB=/wrong.db\n\n[Config]\nDefFwb=/srv/wb/Default.fwb\n"
                             "DefDB = \"/srv/w b/Def, \\\"x\\\".db\"\n\n[MRU]\nMRU0=/a.fwb\n";
    EXPECT_EQ(FindSetting(text, "Config", "DefFwb"), "/srv/wb/Default.fwb");
    EXPECT_EQ(FindSetting(text, "config", "defdb"), "/srv/w b/Def, \"x\".db");
    EXPECT_EQ(FindSetting(text, "MRU", "MRU0"), "/a.fwb");
    EXPECT_FALSE(FindSetting(text, "Config", "MRU0"));
    EXPECT_FALSE(FindSetting(text, "Nothing", "DefDB"));
    EXPECT_FALSE(FindSetting("", "Config", "DefDB"));
}

TEST(StoredSettings, ReadsTheUsersStoreFile) {
#ifdef _WIN32
    GTEST_SKIP() << "the store on Windows is no file under XDG_CONFIG_HOME";
#else
    test::TempDir dir;
    std::filesystem::create_directories(dir / "Waybill");
    dir.Write("Waybill/Waybill.conf", "[Config]\r\nDefDB=/x/DefWaybill.db\r\n");
    const char* old = std::getenv("XDG_CONFIG_HOME");
    const std::string saved = old ? old : "";
    setenv("XDG_CONFIG_HOME", dir.Path().c_str(), 1);
    EXPECT_EQ(ReadStoredSetting("Config", "DefDB"), "/x/DefWaybill.db");
    EXPECT_FALSE(ReadStoredSetting("Config", "DefFwb"));
    if (old) {
        setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
    } else {
        unsetenv("XDG_CONFIG_HOME");
    }
#endif
}

} // namespace
} // namespace waybill
