#include "DesktopShortcut.h"
#include "PlatformNames.h"

#include <gtest/gtest.h>
#include <QDir>

namespace waybill::launcher {
namespace {

TEST(PlatformNamesTest, FoldersGetOneClosingSeparatorAndTheHomeFolderIsExpanded) {
    EXPECT_EQ(NormaliseFolder(" /opt/waybill "), "/opt/waybill/");
    EXPECT_EQ(NormaliseFolder("/opt/waybill/"), "/opt/waybill/");
    EXPECT_EQ(NormaliseFolder("~/Waybill"), QDir::homePath() + "/Waybill/");
    EXPECT_EQ(NormaliseFolder("~jo/Waybill"), "~jo/Waybill/");
    EXPECT_EQ(NormaliseFolder(""), "");
}

TEST(DesktopEntryTest, ExecQuotesTheLauncherSoAnyFolderNameSurvives) {
    const QString text =
        DesktopEntryText("/srv/my share/100% \"$x\"\\/WaybillStart", "/srv/my share/Waybill.png");
    EXPECT_TRUE(
        text.contains("\nExec=\"/srv/my share/100%% \\\\\"\\\\$x\\\\\"\\\\\\\\/WaybillStart\"\n"))
        << text.toStdString();
    EXPECT_TRUE(text.contains("\nIcon=/srv/my share/Waybill.png\n"));
}

} // namespace
} // namespace waybill::launcher
