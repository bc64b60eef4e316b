#include "app/CommandEnabling.h"

#include <gtest/gtest.h>

namespace waybill {
namespace {

TEST(EnablingTest, NavigationFollowsThePagePosition) {
    const CommandEnabling middle = ComputeEnabling(3, 2, false, true);
    EXPECT_TRUE(middle.firstPage);
    EXPECT_TRUE(middle.lastPage);
    EXPECT_TRUE(middle.gotoPage);
    const CommandEnabling first = ComputeEnabling(3, 1, false, true);
    EXPECT_FALSE(first.firstPage);
    EXPECT_TRUE(first.lastPage);
    const CommandEnabling last = ComputeEnabling(3, 3, false, true);
    EXPECT_TRUE(last.firstPage);
    EXPECT_FALSE(last.lastPage);
    const CommandEnabling single = ComputeEnabling(1, 1, false, true);
    EXPECT_FALSE(single.gotoPage);
    EXPECT_FALSE(single.firstPage || single.lastPage);
}

TEST(EnablingTest, EmptyDocumentWithAPageOnTheClipboard) {
    const CommandEnabling empty = ComputeEnabling(0, 0, true, true);
    EXPECT_FALSE(empty.pageCommands);
    EXPECT_FALSE(empty.documentCommands);
    EXPECT_TRUE(empty.pastePage);
    EXPECT_TRUE(empty.addPage);
    EXPECT_FALSE(empty.firstPage || empty.lastPage || empty.gotoPage);
}

TEST(EnablingTest, PageAndFileCommandsWaitForTheLoad) {
    const CommandEnabling loading = ComputeEnabling(4, 1, true, false);
    EXPECT_FALSE(loading.addPage || loading.pageCommands || loading.pastePage ||
                 loading.documentCommands);
    EXPECT_TRUE(loading.lastPage);
}

TEST(GotoPageNumberTest, OnlyNumbersOfExistingPages) {
    EXPECT_EQ(ParseGotoPageNumber("3", 5), 3);
    EXPECT_EQ(ParseGotoPageNumber("005", 5), 5);
    EXPECT_EQ(ParseGotoPageNumber("0", 5), std::nullopt);
    EXPECT_EQ(ParseGotoPageNumber("6", 5), std::nullopt);
    EXPECT_EQ(ParseGotoPageNumber("", 5), std::nullopt);
    EXPECT_EQ(ParseGotoPageNumber("99999999999999999999999", 5), std::nullopt);
    EXPECT_EQ(ParseGotoPageNumber("1", 0), std::nullopt);
    EXPECT_EQ(ParseGotoPageNumber("2a", 5), std::nullopt);
}

} // namespace
} // namespace waybill
