#include "app/DocumentName.h"

#include <gtest/gtest.h>

namespace waybill {
namespace {

TEST(DocumentNameTest, LegacyDocumentsAreNamedAsDocumentFilesInTheirFolder) {
    EXPECT_EQ(DocPathFor("C:\\jobs\\JOB12.WBL"), "C:\\jobs\\JOB12.fwb");
    EXPECT_EQ(DocPathFor("/home/d/job.FWB"), "/home/d/job.FWB");
    EXPECT_EQ(DocPathFor("/home/d/job"), "/home/d/job.fwb");
    EXPECT_EQ(DocPathFor("job.txt"), "job.txt.fwb");
    EXPECT_EQ(DocPathFor(""), "");
    EXPECT_EQ(WindowCaption(""), "Waybill");
    EXPECT_EQ(WindowCaption("/a/b.fwb"), "Waybill - /a/b.fwb");
}

TEST(DocumentNameTest, SaveWritesOnlyToDocumentFilesAndSaveAsProposesAName) {
    EXPECT_TRUE(IsDocumentFilePath("/a/b.FwB"));
    for (const char* path : {"", "/a/b.wbl", "/a/fwb"}) {
        EXPECT_FALSE(IsDocumentFilePath(path)) << path;
    }
    EXPECT_EQ(ProposedSaveName("", "  4471 "), "4471.fwb");
    EXPECT_EQ(ProposedSaveName("/a/x.fwb", "4471"), "/a/x.fwb");
    EXPECT_EQ(ProposedSaveName("", "   "), "");
}

TEST(DocumentNameTest, FolderOfAPath) {
    EXPECT_EQ(FolderOf("C:\\jobs\\a.fwb"), "C:\\jobs");
    EXPECT_EQ(FolderOf("/home/d/a.fwb"), "/home/d");
    EXPECT_EQ(FolderOf("/a.fwb"), "/");
    EXPECT_EQ(FolderOf("a.fwb"), "");
}

} // namespace
} // namespace waybill
