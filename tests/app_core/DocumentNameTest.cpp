#include "app/DocumentName.h"

#include <gtest/gtest.h>

namespace waybill {
namespace {

TEST(DocumentNameTest, LegacyDocumentsAreNamedAsDocumentFilesInTheirFolder) {
    EXPECT_EQ(DocPathFor("C:\\jobs\\JOB12.WBL"), "C:\\jobs\\JOB12.fwb");
    EXPECT_EQ(WindowCaption(DocPathFor("C:\\jobs\\JOB12.WBL")), "Waybill - C:\\jobs\\JOB12.fwb");
    EXPECT_EQ(DocPathFor("/home/d/job.FWB"), "/home/d/job.FWB");
    EXPECT_EQ(DocPathFor("/home/d/job"), "/home/d/job.fwb");
    EXPECT_EQ(DocPathFor("job.txt"), "job.txt.fwb");
    EXPECT_EQ(DocPathFor(""), "");
    EXPECT_EQ(WindowCaption(""), "Waybill");
}

TEST(DocumentNameTest, SaveWritesOnlyToDocumentFiles) {
    EXPECT_TRUE(IsDocumentFilePath("/a/b.FwB"));
    EXPECT_FALSE(IsDocumentFilePath(""));
    EXPECT_FALSE(IsDocumentFilePath("/a/b.wbl"));
    EXPECT_FALSE(IsDocumentFilePath("/a/fwb"));
}

TEST(DocumentNameTest, SaveAsProposesThePathOrTheJobNumber) {
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
