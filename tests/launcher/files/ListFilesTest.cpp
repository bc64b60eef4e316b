#include "files/ListFiles.h"

#include "FilesFixture.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#endif

namespace waybill::launcher {
namespace {

using Fields = std::vector<std::string>;

TEST_F(FilesTest, FieldsAreSplitAtLineEndsAndCommasTrimmedAndEmptyOnesSkipped) {
    Write("Files.txt", "a.dll,b.dll\r\nc.exe\n\n , \rBlocks\\d.wmf\t");
    EXPECT_EQ(ReadFields(Root() + "Files.txt"),
              (Fields{"a.dll", "b.dll", "c.exe", "Blocks\\d.wmf"}));

    // A list that marks itself as UTF-8 is read as UTF-8 on every system.
    Write("Files.txt", "\xEF\xBB\xBF"
                       "Blocks\\é 日本.wmf\r\n");
    EXPECT_EQ(ReadFields(Root() + "Files.txt"), Fields{"Blocks\\é 日本.wmf"});

#ifdef _WIN32
    // Any other list is in the system's 8-bit code page.
    if (GetACP() == 1252) {
        Write("Files.txt", "\xE9.dll");
        EXPECT_EQ(ReadFields(Root() + "Files.txt"), Fields{"é.dll"});
    }
#endif

    Write("Files.txt", "");
    EXPECT_EQ(ReadFields(Root() + "Files.txt"), Fields{});
    EXPECT_EQ(ReadFields(Root() + "Missing.txt"), std::nullopt);
    EXPECT_EQ(ReadFields(Root()), std::nullopt);
}

TEST_F(FilesTest, AListFileThatIsAPipeIsNotWaitedFor) {
#ifdef _WIN32
    GTEST_SKIP() << "no named pipes in a folder on Windows";
#else
    ASSERT_EQ(::mkfifo(Path("Files.txt").c_str(), 0600), 0);
    EXPECT_EQ(ReadFields(Root() + "Files.txt"), std::nullopt);
#endif
}

TEST_F(FilesTest, ConfigValuesAreTheTrimmedTextAfterTheFirstEqualsSign) {
    Write("Waybill.cfg", "LocalPath = C:\\My Waybill=1\\ \r\nExportPath=\r\n");
    EXPECT_EQ(ReadConfig(Root() + "Waybill.cfg"), (LauncherConfig{"C:\\My Waybill=1\\", ""}));
}

class BadConfigTest : public FilesTest, public testing::WithParamInterface<const char*> {};

TEST_P(BadConfigTest, IsNoConfig) {
    if (GetParam() != nullptr)
        Write("Waybill.cfg", GetParam());
    EXPECT_EQ(ReadConfig(Root() + "Waybill.cfg"), std::nullopt);
}

std::string ConfigCaseName(const testing::TestParamInfo<const char*>& info) {
    static const char* const names[] = {"Missing",      "Empty",        "OneLine",
                                        "NoEqualsSign", "CommaInValue", "EmptyInstallFolder"};
    return names[info.index];
}

INSTANTIATE_TEST_SUITE_P(Configs, BadConfigTest,
                         testing::Values(nullptr, "", "Install=/opt/wb/\r\n",
                                         "Install=/opt/wb/\r\nno equals sign\r\n",
                                         "Install=/opt/a,b/\r\nExport=/x/\r\n",
                                         "Install=\r\nExport=/x/\r\n"),
                         ConfigCaseName);

} // namespace
} // namespace waybill::launcher
