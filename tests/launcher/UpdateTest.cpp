#include "LauncherFixture.h"

namespace waybill::launcher {
namespace {

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

TEST_F(UpdateTest, MissingListedFileIsReportedAndTheInstalledEditorStarts) {
    WriteFile(SourceFolder() + "Files.txt", "gone.dll,here.dll");
    WriteFile(SourceFolder() + "here.dll", "here");
    RunLauncher();

    EXPECT_EQ(ui_.messages,
              std::vector<Message>{Error("File " + SourceFolder() + "gone.dll not found.")});
    EXPECT_EQ(ReadFile(InstallFolder() + "here.dll"), "here");
    EXPECT_TRUE(ui_.dialogsShown.empty());
    ASSERT_EQ(starter_.starts.size(), 1u);
    EXPECT_EQ(starter_.starts[0].program, InstallFolder() + "Waybill");
}

// Without a file list (or when a copy fails) the update ends, and the editor still gets the
// command line as it came.
TEST_F(UpdateTest, MissingFileListStillStartsTheEditorWithTheCommandLineUnchanged) {
    const QStringList commandLine{"/home/jo/my jobs/job 7.fwb", "--second", ""};
    RunLauncher(commandLine);

    EXPECT_EQ(ui_.messages, std::vector<Message>{CannotUpdate()});
    ASSERT_EQ(starter_.starts.size(), 1u);
    EXPECT_EQ(starter_.starts[0].arguments, commandLine);
}

} // namespace
} // namespace waybill::launcher
