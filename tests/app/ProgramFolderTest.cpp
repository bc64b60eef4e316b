#include "app/ProgramFolder.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace waybill {
namespace {

namespace fs = std::filesystem;

// A prefix with bin/ and, as the case has them, the default document beside the program
// and the installed data folder share/waybill.
TEST(ProgramFolderTest, BesideTheProgramFirstThenTheInstalledDataFolder) {
    struct Case {
        const char* what;
        bool besideProgram;
        bool installedFolder;
        const char* expected; // relative to the prefix
    };
    for (const Case& c : {
             Case{"a build or launcher folder", true, false, "bin"},
             Case{"beside the program wins", true, true, "bin"},
             Case{"an installed prefix", false, true, "share/waybill"},
             Case{"nothing anywhere: the program's folder", false, false, "bin"},
         }) {
        test::TempDir prefix;
        fs::create_directories(prefix / "bin");
        if (c.besideProgram) {
            prefix.Write("bin/Default.fwb", "VB WAYBILL 1.0\r\n");
        }
        if (c.installedFolder) {
            fs::create_directories(prefix / "share/waybill");
        }
        EXPECT_EQ(ProgramFolderFor(prefix / "bin"), prefix / c.expected) << c.what;
    }
}

TEST(ProgramFolderTest, AFolderNamedLikeTheDefaultDocumentDoesNotCount) {
    test::TempDir prefix;
    fs::create_directories(prefix / "bin/Default.fwb");
    fs::create_directories(prefix / "share/waybill");
    EXPECT_EQ(ProgramFolderFor(prefix / "bin"), prefix / "share/waybill");
}

} // namespace
} // namespace waybill
