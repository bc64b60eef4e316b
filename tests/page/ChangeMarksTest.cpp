#include "page/ChangeMarks.h"

#include <gtest/gtest.h>

namespace waybill {
namespace {

TEST(ChangeMarks, TheNewestRevisionIsTheHighestNumberElseTheLastWritten) {
    struct Case {
        std::vector<std::string> revs;
        std::string newest;
    };
    for (const Case& c : std::vector<Case>{{{"1", "2", "10", ""}, "10"},
                                           {{"3", " 12 ", "4", ""}, "12"},
                                           {{"A", "B", "", ""}, "B"},
                                           {{"A", "2", "", "C"}, "2"},
                                           {{"", "", "", ""}, ""},
                                           {{"2a", "", "", ""}, "2a"},
                                           {{"3000000000", "7", "", ""}, "3000000000"}}) {
        RevisionTable table;
        for (std::size_t r = 0; r < c.revs.size(); ++r) {
            table[r][0] = c.revs[r];
        }
        EXPECT_EQ(NewestRevision(table), c.newest) << c.revs[0] << c.revs[1];
    }
}

} // namespace
} // namespace waybill
