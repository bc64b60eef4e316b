#include "app/CommandEnabling.h"
#include "app/DocumentName.h"

#include <gtest/gtest.h>

namespace waybill {
namespace {

TEST(DocumentNameTest, TheCaptionNamesTheDocumentAndAReadOnlyOne) {
    EXPECT_EQ(WindowCaption("", true), "Waybill");
    EXPECT_EQ(WindowCaption("/j/a.fwb"), "Waybill - /j/a.fwb");
    EXPECT_EQ(WindowCaption("/j/a.fwb", true), "Waybill - /j/a.fwb (read-only)");
}

TEST(DocumentNameTest, LegacyFilesGetADocumentNameAndOnlyDocumentFilesAreSavedInPlace) {
    const std::pair<const char*, const char*> paths[] = {
        {"C:\\jobs\\JOB12.WBL", "C:\\jobs\\JOB12.fwb"},
        {"/home/d/job.FWB", "/home/d/job.FWB"},
        {"job.txt", "job.txt.fwb"},
        {"/home/u/jobs/4471", "/home/u/jobs/4471.fwb"},
        {"C:\\a.b\\job", "C:\\a.b\\job.fwb"},
        {"x.Wbl", "x.fwb"}};
    for (const auto& [path, document] : paths) {
        EXPECT_EQ(DocPathFor(path), document) << path;
    }
    EXPECT_TRUE(IsDocumentFilePath("/a/b.FwB"));
    for (const char* path : {"", "/a/b.wbl", "/a/fwb"}) {
        EXPECT_FALSE(IsDocumentFilePath(path)) << path;
    }
    EXPECT_EQ(ProposedSaveName("", "  4471 "), "4471.fwb");
    EXPECT_EQ(ProposedSaveName("", "   "), "");
    EXPECT_EQ(FolderOf("C:\\jobs\\a.fwb"), "C:\\jobs");
    EXPECT_EQ(FolderOf("/a.fwb"), "/");
}

TEST(DocumentNameTest, ChosenFileNamesLoseTheirOuterBlanks) {
    const std::pair<const char*, std::optional<std::string>> cases[] = {
        {"", std::nullopt},
        {" \t\r\n", std::nullopt},
        {" J100.txt\t", "J100.txt"},
        {"/x/ job 7 .txt", "/x/ job 7 .txt"},
    };
    for (const auto& [name, chosen] : cases) {
        EXPECT_EQ(ChosenFileName(name), chosen) << name;
    }
}

// Fields: firstPage, gotoPage, lastPage, addPage, pageCommands, pastePage, documentCommands.
TEST(EnablingTest, FollowsThePagePositionTheClipboardAndTheLoad) {
    EXPECT_EQ(ComputeEnabling(3, 2, false, true),
              (CommandEnabling{true, true, true, true, true, false, true}));
    EXPECT_EQ(ComputeEnabling(3, 1, false, true),
              (CommandEnabling{false, true, true, true, true, false, true}));
    EXPECT_EQ(ComputeEnabling(3, 3, false, true),
              (CommandEnabling{true, true, false, true, true, false, true}));
    EXPECT_EQ(ComputeEnabling(1, 1, false, true),
              (CommandEnabling{false, false, false, true, true, false, true}));
    // An empty document can still take a page from the clipboard or the default document.
    EXPECT_EQ(ComputeEnabling(0, 0, true, true),
              (CommandEnabling{false, false, false, true, false, true, false}));
    // Page and file commands wait for the load.
    EXPECT_EQ(ComputeEnabling(4, 1, true, false),
              (CommandEnabling{false, true, true, false, false, false, false}));
}

TEST(GotoPageNumberTest, OnlyNumbersOfExistingPages) {
    EXPECT_EQ(ParseGotoPageNumber("005", 5), 5);
    for (const char* text : {"0", "6", "", "99999999999999999999999", "2a"}) {
        EXPECT_EQ(ParseGotoPageNumber(text, 5), std::nullopt) << text;
    }
    EXPECT_EQ(ParseGotoPageNumber("1", 0), std::nullopt);
}

} // namespace
} // namespace waybill
