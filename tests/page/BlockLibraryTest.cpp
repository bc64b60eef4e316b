#include "page/BlockLibrary.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace waybill {
namespace {

TEST(BlockFiles, NamesMatchWithoutRegardToCaseAndOnlyInTheFolder) {
    test::TempDir dir;
    std::filesystem::create_directories(dir.Path() / "blocks" / "dir.wmf");
    for (const char* name :
         {"blocks/Trim22.WMF", "blocks/ab.wmf", "blocks/AB.wmf", "outside.wmf"}) {
        dir.Write(name, "drawing");
    }
    const auto blocks = dir.Path() / "blocks";
    EXPECT_EQ(FindBlockFile(blocks, "trim22")->filename(), "Trim22.WMF");
    EXPECT_EQ(FindBlockFile(blocks, "ab")->filename(), "ab.wmf"); // the exact name wins
#ifndef _WIN32 // on Windows "ab.wmf" and "AB.wmf" are one file
    EXPECT_EQ(FindBlockFile(blocks, "Ab")->filename(), "AB.wmf"); // else the first by name
#endif
    for (const char* name : {"trim2", "", "../outside", "dir"}) {
        EXPECT_FALSE(FindBlockFile(blocks, name)) << name;
    }
    EXPECT_FALSE(FindBlockFile(dir.Path() / "absent", "trim22"));
}

TEST(BlockFiles, TheBlocksFolderIsFoundWhateverItsLetterCase) {
#ifdef _WIN32
    GTEST_SKIP() << "the file system itself ignores letter case there";
#endif
    test::TempDir dir;
    dir.Write("placeholder", "");
    std::filesystem::create_directories(dir.Path() / "Blocks");
    std::filesystem::create_directories(dir.Path() / "BLOCKS.txt");
    dir.Write("blocks", "a file, not the folder");
    EXPECT_EQ(FindFolderIgnoringCase(dir.Path() / "blocks"), dir.Path() / "Blocks");
    EXPECT_EQ(FindFolderIgnoringCase(dir.Path() / "Blocks"), dir.Path() / "Blocks");
    EXPECT_EQ(FindFolderIgnoringCase(dir.Path() / "fonts"), dir.Path() / "fonts");

    std::filesystem::remove(dir.Path() / "blocks");
    dir.Write("Blocks/Trim22.wmf", "not a drawing");
    BlockLibrary library;
    library.SetFolder(dir.Path() / "blocks");
    EXPECT_EQ(library.Folder(), dir.Path() / "Blocks");
    // The exact name wins when both exist.
    std::filesystem::create_directories(dir.Path() / "blocks");
    EXPECT_EQ(FindFolderIgnoringCase(dir.Path() / "blocks"), dir.Path() / "blocks");
}

} // namespace
} // namespace waybill
