#include "LauncherFixture.h"

namespace waybill::launcher {
namespace {

const Message installed{"Installation Complete",
                        "The Waybill program has been installed on your computer\r\n"
                        "and a shortcut has been created on your desktop.",
                        MessageIcon::None};

class InstallTest : public LauncherTest {
  protected:
    void SetUp() override {
        LauncherTest::SetUp();
        WriteFile(SourceFolder() + "Waybill.cfg", ("LocalPath=" + InstallFolder() +
                                                   "\r\nExportPath=" + RootFolder() + "exports\r\n")
                                                      .toLocal8Bit());
        WriteFile(SourceFolder() + "Files.txt", "Waybill\r\nDefault.fwb\r\nblocks\\Gutter.wmf\r\n");
        WriteFile(SourceFolder() + "Waybill", "editor");
        QFile::setPermissions(SourceFolder() + "Waybill",
                              QFile::permissions(SourceFolder() + "Waybill") | QFile::ExeOwner);
        WriteFile(SourceFolder() + "Default.fwb", "default document");
        WriteFile(SourceFolder() + "blocks/Gutter.wmf", "block");
    }
};

TEST_F(InstallTest, FirstStartInstallsFilesShortcutAndSettingsWithoutStartingTheEditor) {
    RunLauncher();

    ASSERT_EQ(ui_.dialogsShown.size(), 1u);
    EXPECT_EQ(ui_.dialogsShown[0], (FolderChoice{SourceFolder(), InstallFolder()}));
    EXPECT_EQ(ReadFile(InstallFolder() + "Waybill"), "editor");
    EXPECT_TRUE(QFileInfo(InstallFolder() + "Waybill").isExecutable());
    EXPECT_EQ(ReadFile(InstallFolder() + "Default.fwb"), "default document");
    EXPECT_EQ(ReadFile(InstallFolder() + "blocks/Gutter.wmf"), "block");
    EXPECT_TRUE(ReadFile(DesktopFolder() + "Waybill.desktop")
                    .contains("Exec=\"" + (SourceFolder() + "WaybillStart\"\n").toUtf8()));
    EXPECT_TRUE(QFileInfo(DesktopFolder() + "Waybill.desktop").isExecutable());
    EXPECT_EQ(Setting("DefFwb"), InstallFolder() + "Default.fwb");
    EXPECT_EQ(Setting("DefDB"), InstallFolder() + "DefWaybill.db");
    EXPECT_EQ(Setting("LocalExecPath"), InstallFolder());
    EXPECT_EQ(Setting("ExportFolder"), RootFolder() + "exports/");
    EXPECT_EQ(ui_.messages, std::vector<Message>{installed});
    EXPECT_TRUE(starter_.starts.empty());
}

TEST_F(InstallTest, InstallFolderTypedWithoutClosingSeparatorGetsItsBlocksFolderInsideIt) {
    const QString typed = RootFolder() + "Typed Folder";
    ui_.answerFolders = [&](const FolderChoice& shown) {
        return FolderChoice{shown.sourceFolder, typed};
    };
    RunLauncher();

    EXPECT_EQ(ReadFile(typed + "/blocks/Gutter.wmf"), "block");
    EXPECT_EQ(Setting("LocalExecPath"), typed + "/");
    EXPECT_FALSE(QFileInfo::exists(InstallFolder()));
}

TEST_F(InstallTest, AnInstallFolderWithBlocksInAnotherCaseGetsNoSecondBlocksFolder) {
    ASSERT_TRUE(QDir().mkpath(InstallFolder() + "Blocks"));
    WriteFile(SourceFolder() + "Files.txt", "Waybill\r\nBlocks\\Gutter.wmf\r\n");
    RunLauncher();

    EXPECT_EQ(ReadFile(InstallFolder() + "Blocks/Gutter.wmf"), "block");
    EXPECT_EQ(QDir(InstallFolder()).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
              QStringList{"Blocks"});
}

TEST_F(InstallTest, ConfigErrorStopsTheInstallationAndStartsNothing) {
    WriteFile(SourceFolder() + "Waybill.cfg", "Install=/opt/wb/\r\n");
    RunLauncher({"job.fwb"});

    EXPECT_EQ(ui_.messages,
              std::vector<Message>{Error("Config file error.  Installation is aborted.")});
    EXPECT_TRUE(ui_.dialogsShown.empty());
    EXPECT_TRUE(starter_.starts.empty());
    EXPECT_TRUE(Setting("LocalExecPath").isEmpty());
    EXPECT_FALSE(QFileInfo::exists(DesktopFolder()));
}

// The settings the installation writes are the editor's: the file the editor and the
// command-line tool read, never another store beside it.
TEST(UserSettings, AreWrittenIntoTheEditorsSettingsFile) {
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    QtSettingsStore::ForUser()->Write("DefFwb", "/opt/wb/Default.fwb");
    qunsetenv("XDG_CONFIG_HOME");

    QSettings editors(config.path() + "/Waybill/Waybill.conf", QSettings::IniFormat);
    EXPECT_EQ(editors.value("Config/DefFwb").toString(), "/opt/wb/Default.fwb");
}

} // namespace
} // namespace waybill::launcher
