#include "files/DesktopShortcut.h"

#include "FilesFixture.h"

namespace waybill::launcher {
namespace {

TEST(DesktopEntryTest, ExecQuotesTheLauncherSoAnyFolderNameSurvives) {
    const std::string text =
        DesktopEntryText("/srv/my share/100% \"$x\"\\/WaybillStart", "/srv/é 日本/Waybill.png");
    EXPECT_NE(text.find("\nExec=\"/srv/my share/100%% \\\\\"\\\\$x\\\\\"\\\\\\\\/WaybillStart\"\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("\nIcon=/srv/é 日本/Waybill.png\n"), std::string::npos);
}

TEST_F(FilesTest, OnlyTheFirstEarlierShortcutIsReplaced) {
    const ShortcutPlan plan = PlanShortcut(Root() + "desktop" + FolderSeparator(), Root());
    const std::string extension = plan.path.substr(plan.path.rfind('.'));
    // In name order without regard to case, "my" comes before "Old".
    Write("desktop/Old-WAYBILL" + extension, "second");
    Write("desktop/my Waybill" + extension, "first");
    Write("desktop/waybill-notes.txt", "not a shortcut");

    ASSERT_TRUE(CreateDesktopShortcut(Root() + "desktop" + FolderSeparator(), plan));
    EXPECT_EQ(Names("desktop"),
              (std::vector<std::string>{"Old-WAYBILL" + extension, "Waybill" + extension,
                                        "waybill-notes.txt"}));
    EXPECT_EQ(Read("desktop/Old-WAYBILL" + extension), "second");
#ifndef _WIN32
    EXPECT_EQ(Read("desktop/Waybill.desktop"),
              DesktopEntryText(Root() + "WaybillStart", Root() + "Waybill.png"));
    EXPECT_NE(std::filesystem::status(Path("desktop/Waybill.desktop")).permissions() &
                  std::filesystem::perms::owner_exec,
              std::filesystem::perms::none);
#endif
}

} // namespace
} // namespace waybill::launcher
