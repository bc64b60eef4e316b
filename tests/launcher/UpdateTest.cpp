#include "LauncherFixture.h"

namespace waybill::launcher {
namespace {

const QDateTime earlier = QDateTime::currentDateTime().addDays(-2);
const QDateTime later = QDateTime::currentDateTime().addDays(-1);

class UpdateTest : public LauncherTest {
  protected:
    void SetUp() override {
        LauncherTest::SetUp();
        WriteFile(InstallFolder() + "Waybill", "installed editor");
        settings_->Write("LocalExecPath", InstallFolder());
    }
    Message CannotUpdate() const {
        return Error("Cannot open Files.txt.  Cannot check for updates.");
    }
};

TEST_F(UpdateTest, CopiesOnlyNewerFilesAndNeverCopiesAnInstalledFileBack) {
    WriteFile(SourceFolder() + "Files.txt", "newer.dll\r\nolder.dll\r\nsame.dll\r\n");
    WriteFile(SourceFolder() + "newer.dll", "source newer", later);
    WriteFile(InstallFolder() + "newer.dll", "installed older", earlier);
    WriteFile(SourceFolder() + "older.dll", "source older", earlier);
    WriteFile(InstallFolder() + "older.dll", "installed newer", later);
    WriteFile(SourceFolder() + "same.dll", "source same", later);
    WriteFile(InstallFolder() + "same.dll", "installed same", later);
    RunLauncher();

    EXPECT_EQ(ReadFile(InstallFolder() + "newer.dll"), "source newer");
    EXPECT_EQ(ReadFile(InstallFolder() + "older.dll"), "installed newer");
    EXPECT_EQ(ReadFile(SourceFolder() + "older.dll"), "source older");
    EXPECT_EQ(ReadFile(InstallFolder() + "same.dll"), "installed same");
    EXPECT_TRUE(ui_.messages.empty());
    EXPECT_TRUE(ui_.dialogsShown.empty());
    ASSERT_EQ(starter_.starts.size(), 1u);
    EXPECT_EQ(starter_.starts[0].program, InstallFolder() + "Waybill");

    // What was copied is not copied again.
    const QDateTime copiedAt = QFileInfo(InstallFolder() + "newer.dll").lastModified();
    EXPECT_GE(copiedAt, QFileInfo(SourceFolder() + "newer.dll").lastModified());
    WriteFile(InstallFolder() + "newer.dll", "edited after the copy", copiedAt);
    RunLauncher();
    EXPECT_EQ(ReadFile(InstallFolder() + "newer.dll"), "edited after the copy");
}

TEST_F(UpdateTest, NamesSeparatedByCommasAndLineEndsAreAllUpdated) {
    WriteFile(SourceFolder() + "Files.txt", "a.dll,b.dll\r\nc.exe\n\n , \rBlocks\\d.wmf");
    for (const QString name : {"a.dll", "b.dll", "c.exe", "Blocks/d.wmf"})
        WriteFile(SourceFolder() + name, name.toUtf8());
    RunLauncher();

    for (const QString name : {"a.dll", "b.dll", "c.exe", "Blocks/d.wmf"})
        EXPECT_EQ(ReadFile(InstallFolder() + name), name.toUtf8());
    EXPECT_TRUE(ui_.messages.empty());
}

// Lists written for Windows name the drawings "Blocks\\x.wmf"; the editor reads "blocks".
TEST_F(UpdateTest, SubFoldersInAnotherLetterCaseGoIntoTheFoldersThatExist) {
    ASSERT_TRUE(QDir().mkpath(InstallFolder() + "blocks"));
    ASSERT_TRUE(QDir().mkpath(InstallFolder() + "Fonts/ttf"));
    WriteFile(SourceFolder() + "Files.txt", "Blocks\\a.wmf\r\nBLOCKS/b.wmf\r\nfonts\\TTF\\x.ttf\r\n"
                                            "New\\c.txt\r\n");
    WriteFile(SourceFolder() + "blocks/a.wmf", "a");
    WriteFile(SourceFolder() + "blocks/b.wmf", "b");
    WriteFile(SourceFolder() + "Fonts/TTF/x.ttf", "x");
    WriteFile(SourceFolder() + "New/c.txt", "c");
    RunLauncher();

    EXPECT_TRUE(ui_.messages.empty());
    EXPECT_EQ(ReadFile(InstallFolder() + "blocks/a.wmf"), "a");
    EXPECT_EQ(ReadFile(InstallFolder() + "blocks/b.wmf"), "b");
    EXPECT_EQ(ReadFile(InstallFolder() + "Fonts/ttf/x.ttf"), "x");
    EXPECT_EQ(ReadFile(InstallFolder() + "New/c.txt"), "c"); // a new folder as written
    EXPECT_EQ(QDir(InstallFolder()).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name),
              (QStringList{"Fonts", "New", "blocks"}));
}

TEST_F(UpdateTest, MissingListedFileIsReportedAndTheUpdateGoesOn) {
    WriteFile(SourceFolder() + "Files.txt", "gone.dll,Blocks\\gone.wmf,here.dll");
    WriteFile(SourceFolder() + "here.dll", "here");
    RunLauncher();

    EXPECT_EQ(ui_.messages, (std::vector<Message>{
                                Error("File " + SourceFolder() + "gone.dll not found."),
                                Error("File " + SourceFolder() + "Blocks/gone.wmf not found.")}));
    EXPECT_EQ(ReadFile(InstallFolder() + "here.dll"), "here");
    EXPECT_EQ(starter_.starts.size(), 1u);
}

// Without a file list nothing is updated, and the editor still gets the command line as it came.
TEST_F(UpdateTest, MissingFileListStillStartsTheEditorWithTheCommandLineUnchanged) {
    const QStringList commandLine{"/home/jo/my jobs/job 7.fwb", "--second", ""};
    RunLauncher(commandLine);

    EXPECT_EQ(ui_.messages, std::vector<Message>{CannotUpdate()});
    ASSERT_EQ(starter_.starts.size(), 1u);
    EXPECT_EQ(starter_.starts[0].arguments, commandLine);
}

TEST_F(UpdateTest, FailedCopyEndsTheUpdateLeavesTheOldFileAndStillStartsTheEditor) {
    WriteFile(SourceFolder() + "Files.txt", "first.dll\r\nlib.so\r\nlast.dll\r\n");
    for (const QString name : {"first.dll", "lib.so", "last.dll"})
        WriteFile(SourceFolder() + name, name.toUtf8(), QDateTime::currentDateTime().addDays(1));
    // A non-empty folder in the way makes the final rename fail after the bytes are written.
    WriteFile(InstallFolder() + "lib.so/kept", "kept");
    RunLauncher();

    EXPECT_EQ(ui_.messages, std::vector<Message>{CannotUpdate()});
    EXPECT_EQ(ReadFile(InstallFolder() + "lib.so/kept"), "kept");
    EXPECT_EQ(QDir(InstallFolder()).entryList(QDir::Files | QDir::Hidden, QDir::Name),
              (QStringList{"Waybill", "first.dll"}));
    EXPECT_EQ(starter_.starts.size(), 1u);
}

} // namespace
} // namespace waybill::launcher
