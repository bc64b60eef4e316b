#include "files/PlatformNames.h"

#include "FilesFixture.h"

#include <cstdlib>

namespace waybill::launcher {
namespace {

// A folder written with "/" as the platform writes it.
std::string Native(std::string folder) {
    std::ranges::replace(folder, '/', FolderSeparator());
    return folder;
}

TEST(PlatformNamesTest, FoldersGetOneClosingSeparatorAndTheHomeFolderIsExpanded) {
    EXPECT_EQ(NormaliseFolder(" /opt/my waybill "), Native("/opt/my waybill/"));
    EXPECT_EQ(NormaliseFolder("/opt/waybill/"), Native("/opt/waybill/"));
    EXPECT_EQ(NormaliseFolder(""), "");
    EXPECT_EQ(NormaliseFolder("~jo/Waybill"), Native("~jo/Waybill/"));
#ifdef _WIN32
    EXPECT_EQ(NormaliseFolder("C:\\Waybill"), "C:\\Waybill\\");
    const std::string home = Utf8FromPath(_wgetenv(L"USERPROFILE"));
#else
    const std::string home = std::getenv("HOME");
#endif
    EXPECT_EQ(NormaliseFolder("~/Waybill é"),
              NormaliseFolder(home) + "Waybill é" + FolderSeparator());
    EXPECT_EQ(NormaliseFolder("~"), NormaliseFolder(home));
}

// Lists written for Windows name the drawings "Blocks\x.wmf"; the editor reads "blocks".
TEST_F(FilesTest, ListedSubFoldersInAnotherLetterCaseAreTheFoldersThatExist) {
    std::filesystem::create_directories(Path("install/blocks"));
    std::filesystem::create_directories(Path("install/Fonts/ttf"));
    const std::string install = Root() + "install" + FolderSeparator();
    const auto folderOf = [&](const std::string& name) {
        return PathFromUtf8(ListedPath(install, name)).parent_path();
    };

    EXPECT_TRUE(std::filesystem::equivalent(folderOf("Blocks\\a.wmf"), Path("install/blocks")));
    EXPECT_TRUE(std::filesystem::equivalent(folderOf("BLOCKS/b.wmf"), Path("install/blocks")));
    EXPECT_TRUE(
        std::filesystem::equivalent(folderOf("fonts\\TTF\\x.ttf"), Path("install/Fonts/ttf")));
    // A new sub-folder as written, the file's name as listed.
    EXPECT_EQ(ListedPath(install, "New\\c.TXT"), Native(install + "New/c.TXT"));
    EXPECT_EQ(ListedPath(install, "Waybill.exe"), install + "Waybill.exe");
}

} // namespace
} // namespace waybill::launcher
