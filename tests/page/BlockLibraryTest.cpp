#include "page/BlockLibrary.h"

#include "../model/TempDir.h"

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
    EXPECT_EQ(FindBlockFile(blocks, "Ab")->filename(), "AB.wmf"); // else the first by name
    for (const char* name : {"trim2", "", "../outside", "dir"}) {
        EXPECT_FALSE(FindBlockFile(blocks, name)) << name;
    }
    EXPECT_FALSE(FindBlockFile(dir.Path() / "absent", "trim22"));
}

} // namespace
} // namespace waybill
