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

TEST(BlockFiles, NamesMatchWithoutRegardToCase) {
    TempDir dir;
    dir.Write("Trim22.WMF", Drawing(2000));
    dir.Write("other.wmf", Drawing(1000));
    ASSERT_TRUE(FindBlockFile(dir.Path(), "TRIM22"));
    EXPECT_EQ(FindBlockFile(dir.Path(), "trim22")->filename(), "Trim22.WMF");
    EXPECT_FALSE(FindBlockFile(dir.Path(), "trim2"));
    EXPECT_FALSE(FindBlockFile(dir.Path(), ""));
    EXPECT_FALSE(FindBlockFile(dir.Path() / "absent", "trim22"));
}

TEST(BlockFiles, ExactNameWinsAndNothingOutsideTheFolder) {
    TempDir dir;
    std::filesystem::create_directories(dir.Path() / "blocks");
    dir.Write("blocks/ab.wmf", Drawing(1000));
    dir.Write("blocks/AB.wmf", Drawing(1000));
    dir.Write("outside.wmf", Drawing(1000));
    std::filesystem::create_directories(dir.Path() / "blocks" / "dir.wmf");
    EXPECT_EQ(FindBlockFile(dir.Path() / "blocks", "AB")->filename(), "AB.wmf");
    EXPECT_EQ(FindBlockFile(dir.Path() / "blocks", "Ab")->filename(), "AB.wmf");
    EXPECT_FALSE(FindBlockFile(dir.Path() / "blocks", "../outside"));
    EXPECT_FALSE(FindBlockFile(dir.Path() / "blocks", "dir"));
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

TEST(BlockLibrary, MissingMessage) {
    const UserMessage m = MissingBlockMessage("trim99");
    EXPECT_EQ(m.text, "Cannot find block trim99.");
    EXPECT_EQ(m.icon, MessageIcon::Exclamation);
}

} // namespace
} // namespace waybill
