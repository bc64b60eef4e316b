#include "page/BlockLibrary.h"

#include "../model/TempDir.h"
#include "WmfWriter.h"

#include <gtest/gtest.h>

namespace waybill {
namespace {

using test::TempDir;

std::string Drawing(std::int16_t width) {
    test::WmfWriter w;
    w.Placeable(0, 0, width, 1000, 1000);
    w.Rectangle(0, 0, width, 1000);
    return w.Bytes();
}

TEST(BlockFiles, NamesMatchWithoutRegardToCaseAndOnlyInTheFolder) {
    TempDir dir;
    std::filesystem::create_directories(dir.Path() / "blocks" / "dir.wmf");
    for (const char* name :
         {"blocks/Trim22.WMF", "blocks/ab.wmf", "blocks/AB.wmf", "outside.wmf"}) {
        dir.Write(name, Drawing(1000));
    }
    const auto blocks = dir.Path() / "blocks";
    EXPECT_EQ(FindBlockFile(blocks, "trim22")->filename(), "Trim22.WMF");
    EXPECT_EQ(FindBlockFile(blocks, "ab")->filename(), "ab.wmf"); // the exact name wins
    EXPECT_EQ(FindBlockFile(blocks, "Ab")->filename(), "AB.wmf"); // else the first by name
    for (const char* name : {"trim2", "", "../outside", "dir"}) {
        EXPECT_FALSE(FindBlockFile(blocks, name)) << name;
    }
    EXPECT_FALSE(FindBlockFile(dir.Path() / "absent", "trim22"));
}

TEST(BlockLibrary, ReadsOnceAndRetriesWhatIsMissing) {
    TempDir dir;
    BlockLibrary library;
    library.SetFolder(dir.Path());
    EXPECT_EQ(library.Find("late"), nullptr);
    dir.Write("broken.wmf", "not a metafile");
    EXPECT_EQ(library.Find("broken"), nullptr);

    dir.Write("late.wmf", Drawing(2000));
    const auto first = library.Find("LATE");
    ASSERT_NE(first, nullptr);
    EXPECT_DOUBLE_EQ(first->widthInches, 2.0);
    // Cached: a changed file is not read again while the library lives.
    dir.Write("late.wmf", Drawing(3000));
    EXPECT_EQ(library.Find("late"), first);

    library.SetFolder(dir.Path() / "elsewhere");
    EXPECT_EQ(library.Find("late"), nullptr);
}

} // namespace
} // namespace waybill
