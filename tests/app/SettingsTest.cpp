#include "app/AppSettings.h"
#include "app/RecentFiles.h"
#include "support/MemorySettings.h"

#include <gtest/gtest.h>

namespace waybill {
namespace {

using test::MemorySettings;

TEST(PathSettingsTest, EmptyFileNamesMeanTheProgramFolderFiles) {
    MemorySettings store;
    store.Write("Config", "DefDB", "");
    store.Write("Config", "WorkFolder", "/jobs");
    EXPECT_EQ(
        ReadPathSettings(store, "/opt/waybill"),
        (PathSettings{"/opt/waybill/Default.fwb", "/opt/waybill/DefWaybill.db", "/jobs", "", ""}));
}

TEST(RecentFilesTest, WriteClearsStaleEntriesAndReadKeepsGaps) {
    const RecentFiles files{"", "/b.fwb", "", "/d.fwb"};
    MemorySettings store;
    store.Write("MRU", "MRU0", "/stale.fwb");
    WriteRecentFiles(store, files);
    EXPECT_EQ(ReadRecentFiles(store), files);
}

TEST(RecentFilesTest, AddPutsThePathFirstClosesGapsAndDropsEntriesContainingIt) {
    EXPECT_EQ(AddToMRU({"", "/b.fwb", "", "/d.fwb"}, "/a.fwb"),
              (RecentFiles{"/a.fwb", "/b.fwb", "/d.fwb", ""}));
    EXPECT_EQ(AddToMRU({"/1.fwb", "/2.fwb", "/3.fwb", "/4.fwb"}, "/5.fwb"),
              (RecentFiles{"/5.fwb", "/1.fwb", "/2.fwb", "/3.fwb"}));
    // Letter case is ignored, and a longer entry containing the path goes too.
    EXPECT_EQ(
        AddToMRU({"C:\\JOBS\\A.FWB", "C:\\b.fwb", "C:\\jobs\\a.fwb.bak", ""}, "C:\\jobs\\a.fwb"),
        (RecentFiles{"C:\\jobs\\a.fwb", "C:\\b.fwb", "", ""}));
}

} // namespace
} // namespace waybill
