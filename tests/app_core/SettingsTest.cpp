#include "app/AppSettings.h"
#include "app/RecentFiles.h"
#include "model/TempDir.h"

#include <gtest/gtest.h>
#include <map>

namespace waybill {
namespace {

class MemorySettings : public SettingsStore {
  public:
    std::string Read(std::string_view section, std::string_view key) const override {
        const auto found = values.find({std::string(section), std::string(key)});
        return found == values.end() ? std::string{} : found->second;
    }
    void Write(std::string_view section, std::string_view key, std::string_view value) override {
        values[{std::string(section), std::string(key)}] = std::string(value);
    }

    std::map<std::pair<std::string, std::string>, std::string> values;
};

TEST(PathSettingsTest, AbsentOrEmptyDocumentAndDatabaseNameTheProgramFolderFiles) {
    MemorySettings store;
    store.Write("Config", "DefDB", "");
    store.Write("Config", "WorkFolder", "/jobs");
    EXPECT_EQ(
        ReadPathSettings(store, "/opt/waybill"),
        (PathSettings{"/opt/waybill/Default.fwb", "/opt/waybill/DefWaybill.db", "/jobs", "", ""}));
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

    // Empty entries are written too, so a dropped file leaves no stale value behind.
    MemorySettings out;
    out.Write("MRU", "MRU0", "/stale.fwb");
    WriteRecentFiles(out, files);
    EXPECT_EQ(out.values.size(), 4u);
    EXPECT_EQ(ReadRecentFiles(out), files);
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
    EXPECT_EQ(AddToMRU(AddToMRU({}, "/x.fwb"), "/x.fwb"), (RecentFiles{"/x.fwb", "", "", ""}));
}

} // namespace
} // namespace waybill
