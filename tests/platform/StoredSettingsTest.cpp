#include "platform/StoredSettings.h"

#include "support/ScopedEnvironment.h"
#include "support/TempDir.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace waybill {
namespace {

// The values as Qt writes them, escapes in quotes or not: Windows paths have their
// backslashes doubled.
TEST(StoredSettings, FindsKeysInTheirSection) {
    const std::string text = "[General]\nDefDB=/wrong.db\n\n[Config]\nDefFwb=/srv/wb/Default.fwb\n"
                             "DefDB = \"/srv/w b/Def, \\\"x\\\".db\"\n"
                             "Share=\\\\\\\\srv\\\\jobs \xC3\xA9\\\\Def.db\n"
                             "Odd=\"@@a  \"\\x1z\\t\\101\n\n[MRU]\nMRU0=/a.fwb\n";
    EXPECT_EQ(FindSetting(text, "Config", "DefFwb"), "/srv/wb/Default.fwb");
    EXPECT_EQ(FindSetting(text, "config", "defdb"), "/srv/w b/Def, \"x\".db");
    EXPECT_EQ(FindSetting(text, "Config", "Share"), "\\\\srv\\jobs \xC3\xA9\\Def.db");
    EXPECT_EQ(FindSetting(text, "Config", "Odd"), "@a  \x01z\tA");
    EXPECT_EQ(FindSetting(text, "MRU", "MRU0"), "/a.fwb");
    EXPECT_FALSE(FindSetting(text, "Config", "MRU0"));
    EXPECT_FALSE(FindSetting(text, "Nothing", "DefDB"));
    EXPECT_FALSE(FindSetting("", "Config", "DefDB"));
}

// The store's file where the editor keeps it: %APPDATA% on Windows, the XDG folder elsewhere.
TEST(StoredSettings, ReadsTheUsersStoreFile) {
    test::TempDir dir;
    std::filesystem::create_directories(dir / "Waybill");
#ifdef _WIN32
    const char* variable = "APPDATA";
    dir.Write("Waybill/Waybill.ini", "[Config]\r\nDefDB=C:\\\\x\\\\DefWaybill.db\r\n");
    const std::string expected = "C:\\x\\DefWaybill.db";
#else
    const char* variable = "XDG_CONFIG_HOME";
    dir.Write("Waybill/Waybill.conf", "[Config]\r\nDefDB=/x/DefWaybill.db\r\n");
    const std::string expected = "/x/DefWaybill.db";
#endif
    const test::ScopedEnvironment settings(variable, dir.Path());
    EXPECT_EQ(ReadStoredSetting("Config", "DefDB"), expected);
    EXPECT_FALSE(ReadStoredSetting("Config", "DefFwb"));
}

} // namespace
} // namespace waybill
