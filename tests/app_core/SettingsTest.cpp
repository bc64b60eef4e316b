#include "app/AppSettings.h"
#include "app/RecentFiles.h"
#include "MemorySettings.h"
#include "model/TempDir.h"

#include <gtest/gtest.h>

namespace waybill {
namespace {

using test::MemorySettings;

TEST(PathSettingsTest, AbsentOrEmptyDocumentAndDatabaseNameTheProgramFolderFiles) {
    MemorySettings store;
    store.Write("Config", "DefDB", "");
    store.Write("Config", "WorkFolder", "/jobs");
    const PathSettings paths = ReadPathSettings(store, "/opt/waybill");
    EXPECT_EQ(paths.DefFwb, "/opt/waybill/Default.fwb");
    EXPECT_EQ(paths.DefDB, "/opt/waybill/DefWaybill.db");
    EXPECT_EQ(paths.WorkFolder, "/jobs");
    EXPECT_EQ(paths.ExportFolder, "");
    EXPECT_EQ(paths.PunchExport, "");
}

TEST(PathSettingsTest, StoredValuesWinAndRoundTrip) {
    MemorySettings store;
    const PathSettings written{"/a/D.fwb", "/a/D.db", "/w", "/e", "/p/spcptrns.dat"};
    WritePathSettings(store, written);
    EXPECT_EQ(store.Read("Config", "PunchExport"), "/p/spcptrns.dat");
    EXPECT_EQ(ReadPathSettings(store, "/elsewhere"), written);
}

TEST(PathSettingsTest, ConfigurationIsNeededUnlessBothFilesExist) {
    test::TempDir dir;
    const std::string fwb = dir.Write("Default.fwb", "x").string();
    const std::string db = dir.Write("DefWaybill.db", "x").string();
    EXPECT_FALSE(NeedsPathConfiguration({fwb, db, "", "", ""}));
    EXPECT_TRUE(NeedsPathConfiguration({fwb, (dir / "none.db").string(), "", "", ""}));
    EXPECT_TRUE(NeedsPathConfiguration({(dir / "none.fwb").string(), db, "", "", ""}));
    // A folder is no document.
    EXPECT_TRUE(NeedsPathConfiguration({dir.Path().string(), db, "", "", ""}));
    EXPECT_TRUE(NeedsPathConfiguration({"", "", "", "", ""}));
}

TEST(RecentFilesTest, ReadKeepsGapsAndWriteStoresEveryEntry) {
    MemorySettings store;
    store.Write("MRU", "MRU1", "/b.fwb");
    store.Write("MRU", "MRU3", "/d.fwb");
    const RecentFiles files = ReadRecentFiles(store);
    EXPECT_EQ(files, (RecentFiles{"", "/b.fwb", "", "/d.fwb"}));
    EXPECT_TRUE(AnyRecentFile(files));
    EXPECT_FALSE(AnyRecentFile(RecentFiles{}));

    MemorySettings out;
    WriteRecentFiles(out, files);
    EXPECT_EQ(out.writes, 4);
    EXPECT_EQ(out.Read("MRU", "MRU0"), "");
    EXPECT_EQ(out.Read("MRU", "MRU3"), "/d.fwb");
}

TEST(RecentFilesTest, AddPutsThePathFirstAndClosesGaps) {
    const RecentFiles files{"", "/b.fwb", "", "/d.fwb"};
    EXPECT_EQ(AddToMRU(files, "/a.fwb"), (RecentFiles{"/a.fwb", "/b.fwb", "/d.fwb", ""}));
    const RecentFiles full{"/1.fwb", "/2.fwb", "/3.fwb", "/4.fwb"};
    EXPECT_EQ(AddToMRU(full, "/5.fwb"), (RecentFiles{"/5.fwb", "/1.fwb", "/2.fwb", "/3.fwb"}));
}

TEST(RecentFilesTest, AddDropsEveryEntryContainingThePathIgnoringCase) {
    const RecentFiles files{"C:\\JOBS\\A.FWB", "C:\\b.fwb", "C:\\jobs\\a.fwb.bak", ""};
    EXPECT_EQ(AddToMRU(files, "C:\\jobs\\a.fwb"),
              (RecentFiles{"C:\\jobs\\a.fwb", "C:\\b.fwb", "", ""}));
    // Opening the same file twice keeps one entry.
    const RecentFiles once = AddToMRU({}, "/x.fwb");
    EXPECT_EQ(AddToMRU(once, "/x.fwb"), (RecentFiles{"/x.fwb", "", "", ""}));
}

} // namespace
} // namespace waybill
