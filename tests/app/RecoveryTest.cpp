#include "app/Recovery.h"

#include "support/MemorySettings.h"
#include "support/TempDir.h"

#include <chrono>
#include <gtest/gtest.h>
#include <map>

namespace waybill {
namespace {

TEST(Recovery, AutosaveSecondsDefaultsAndTurnsOff) {
    test::MemorySettings store;
    EXPECT_EQ(ReadAutosaveSeconds(store), 60);
    for (const auto& [text, seconds] : std::map<std::string, int>{
             {" 15 ", 15}, {"0", 0}, {"-5", 0}, {"ten", 60}, {"15s", 60}, {"", 60}}) {
        store.Write("Config", "AutosaveSeconds", text);
        EXPECT_EQ(ReadAutosaveSeconds(store), seconds) << text;
    }
}

TEST(Recovery, EachDocumentHasItsOwnCopy) {
    EXPECT_EQ(RecoveryFileName(""), "Untitled.fwb");
    const std::string a = RecoveryFileName("/jobs/a/4471.fwb");
    EXPECT_EQ(a.rfind("4471-", 0), 0u);
    EXPECT_EQ(a.size(), std::string("4471-").size() + 16 + 4);
    EXPECT_EQ(a, RecoveryFileName("/jobs/a/4471.fwb")); // stable
    EXPECT_NE(a, RecoveryFileName("/jobs/b/4471.fwb")); // same name, other folder
    EXPECT_EQ(RecoveryFileName("/jobs/Untitled.fwb").find("Untitled.fwb"), std::string::npos);
    EXPECT_EQ(RecoveryFileName("C:\\x/a*b?.fwb").find_first_of("*?"), std::string::npos);
}

TEST(Recovery, OnlyACopyNewerThanItsDocumentIsOffered) {
    test::TempDir dir;
    const auto document = dir.Write("job.fwb", "doc");
    const auto copy = dir.Write("copy.fwb", "copy");
    EXPECT_FALSE(RecoveryIsNewer(dir / "none.fwb", document));
    EXPECT_TRUE(RecoveryIsNewer(copy, dir / "missing.fwb"));
    const auto now = std::filesystem::last_write_time(document);
    std::filesystem::last_write_time(copy, now + std::chrono::seconds(5));
    EXPECT_TRUE(RecoveryIsNewer(copy, document));
    std::filesystem::last_write_time(copy, now);
    EXPECT_FALSE(RecoveryIsNewer(copy, document)); // same time: the save came after it
}

} // namespace
} // namespace waybill
