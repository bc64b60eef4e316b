#include "DesktopShortcut.h"
#include "LauncherFixture.h"
#include "ListFiles.h"
#include "PlatformNames.h"
#include "WaybillStartPaths.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace waybill::launcher {
namespace {

using ListFilesTest = LauncherTest;

TEST_F(ListFilesTest, FieldsAreSplitAtLineEndsAndCommasTrimmedAndEmptyOnesSkipped) {
    WriteFile(RootFolder() + "list.txt",
              "\xEF\xBB\xBF"
              "a.dll, b.dll\r\n\r\nc.exe\rBlocks\\d.wmf\n,,  My File.txt  ,\n");
    EXPECT_EQ(ReadFields(RootFolder() + "list.txt"),
              (QStringList{"a.dll", "b.dll", "c.exe", "Blocks\\d.wmf", "My File.txt"}));
    EXPECT_EQ(ReadFields(RootFolder() + "missing.txt"), std::nullopt);
}

TEST_F(ListFilesTest, ConfigValuesAreTheTrimmedTextsAfterTheFirstEqualsSign) {
    WriteFile(RootFolder() + "Waybill.cfg", "anything = /opt/a=b/ \r\nExport=\r\n");
    const std::optional<LauncherConfig> config = ReadConfig(RootFolder() + "Waybill.cfg");
    ASSERT_TRUE(config);
    EXPECT_EQ(config->installFolder, "/opt/a=b/");
    EXPECT_EQ(config->exportFolder, "");
}

TEST(PlatformNamesTest, FoldersGetOneClosingSeparatorAndTheHomeFolderIsExpanded) {
    EXPECT_EQ(NormaliseFolder(" /opt/waybill "), "/opt/waybill/");
    EXPECT_EQ(NormaliseFolder("/opt/waybill/"), "/opt/waybill/");
    EXPECT_EQ(NormaliseFolder("~/Waybill"), QDir::homePath() + "/Waybill/");
    EXPECT_EQ(NormaliseFolder("~"), QDir::homePath() + "/");
    EXPECT_EQ(NormaliseFolder("~jo/Waybill"), "~jo/Waybill/");
    EXPECT_EQ(NormaliseFolder(""), "");
    EXPECT_EQ(ListedPath("/opt/w/", "Blocks\\Sub/x.wmf"), "/opt/w/Blocks/Sub/x.wmf");
}

TEST(DesktopEntryTest, ExecQuotesTheLauncherSoAnyFolderNameSurvives) {
    const QString text =
        DesktopEntryText("/srv/my share/100% \"$x\"\\/WaybillStart", "/srv/my share/Waybill.png");
    EXPECT_TRUE(text.startsWith("[Desktop Entry]\n"));
    EXPECT_TRUE(text.contains("\nType=Application\n"));
    EXPECT_TRUE(text.contains("\nName=Waybill\n"));
    EXPECT_TRUE(
        text.contains("\nExec=\"/srv/my share/100%% \\\\\"\\\\$x\\\\\"\\\\\\\\/WaybillStart\"\n"))
        << text.toStdString();
    EXPECT_TRUE(text.contains("\nIcon=/srv/my share/Waybill.png\n"));
}

TEST(WaybillStartPathsTest, ShowsBothFoldersAndReturnsWhatWasTyped) {
    WaybillStartPaths dialog;
    EXPECT_EQ(dialog.windowTitle(), "Folders");
    auto* source = dialog.findChild<QLineEdit*>("txtSourceFolder");
    auto* install = dialog.findChild<QLineEdit*>("txtInstallFolder");
    auto* ok = dialog.findChild<QPushButton*>("cmdOk");
    auto* cancel = dialog.findChild<QPushButton*>("cmdCancel");
    ASSERT_TRUE(source && install && ok && cancel);
    EXPECT_EQ(cancel->text(), "&Cancel");
    QStringList labels;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        labels.append(label->text());
    EXPECT_TRUE(labels.contains("Source Folder:"));
    EXPECT_TRUE(labels.contains("Install Folder (Local):"));

    dialog.SetFolders({"/srv/release/", "/opt/waybill/"});
    EXPECT_EQ(source->text(), "/srv/release/");
    EXPECT_EQ(install->text(), "/opt/waybill/");
    install->setText("/home/jo/wb");
    EXPECT_EQ(dialog.Folders(), (FolderChoice{"/srv/release/", "/home/jo/wb"}));

    dialog.open();
    ok->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    dialog.open();
    cancel->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

} // namespace
} // namespace waybill::launcher
