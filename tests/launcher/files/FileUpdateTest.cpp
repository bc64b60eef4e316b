#include "files/FileUpdate.h"

#include "FilesFixture.h"

namespace waybill::launcher {
namespace {

class FileUpdateTest : public FilesTest {
  protected:
    // The missing files it reported; nothing when the update failed.
    std::optional<std::vector<std::string>> Update() {
        std::vector<std::string> missing;
        const bool updated = UpdateFiles(
            Source(), Install(), [&](const std::string& source) { missing.push_back(source); });
        return updated ? std::optional(missing) : std::nullopt;
    }
    std::string Source() const { return Root() + "source" + FolderSeparator(); }
    std::string Install() const { return Root() + "install" + FolderSeparator(); }
};

TEST_F(FileUpdateTest, CopiesOnlyNewerFilesAndNeverCopiesAnInstalledFileBack) {
    Write("source/Files.txt", "newer.dll\r\nolder.dll\r\nsame.dll,new\\sub\\new.dll\r\n");
    const Time earlier = HoursAgo(48);
    const Time later = HoursAgo(24);
    Write("source/newer.dll", "source newer", later);
    Write("install/newer.dll", "installed older", earlier);
    Write("source/older.dll", "source older", earlier);
    Write("install/older.dll", "installed newer", later);
    Write("source/same.dll", "source same", later);
    Write("install/same.dll", "installed same", later);
    Write("source/new/sub/new.dll", "new");
    ASSERT_EQ(Update(), std::vector<std::string>{});

    EXPECT_EQ(Read("install/newer.dll"), "source newer");
    EXPECT_EQ(Read("install/older.dll"), "installed newer");
    EXPECT_EQ(Read("source/older.dll"), "source older");
    EXPECT_EQ(Read("install/same.dll"), "installed same");
    EXPECT_EQ(Read("install/new/sub/new.dll"), "new");

    // What was copied is not copied again.
    const Time copiedAt = std::filesystem::last_write_time(Path("install/newer.dll"));
    EXPECT_GE(copiedAt, std::filesystem::last_write_time(Path("source/newer.dll")));
    Write("install/newer.dll", "edited after the copy", copiedAt);
    ASSERT_EQ(Update(), std::vector<std::string>{});
    EXPECT_EQ(Read("install/newer.dll"), "edited after the copy");
}

TEST_F(FileUpdateTest, MissingListedFilesAreReportedAndTheUpdateGoesOn) {
    Write("source/Files.txt", "gone.dll,Blocks\\gone.wmf,here.dll");
    Write("source/here.dll", "here");

    const char separator = FolderSeparator();
    EXPECT_EQ(Update(), (std::vector<std::string>{Source() + "gone.dll",
                                                  Source() + "Blocks" + separator + "gone.wmf"}));
    EXPECT_EQ(Read("install/here.dll"), "here");
}

TEST_F(FileUpdateTest, AFailedCopyEndsTheUpdateAndLeavesWhatWasInTheWay) {
    EXPECT_EQ(Update(), std::nullopt); // no list

    Write("source/Files.txt", "first.dll\r\nlib.so\r\nlast.dll\r\n");
    for (const std::string name : {"first.dll", "lib.so", "last.dll"})
        Write("source/" + name, name, Time::clock::now() + std::chrono::hours(24));
    // A non-empty folder in the way makes the final rename fail after the bytes are written.
    Write("install/lib.so/kept", "kept");
    EXPECT_EQ(Update(), std::nullopt);

    EXPECT_EQ(Read("install/lib.so/kept"), "kept");
    EXPECT_EQ(Names("install"), (std::vector<std::string>{"first.dll", "lib.so"}));
}

} // namespace
} // namespace waybill::launcher
