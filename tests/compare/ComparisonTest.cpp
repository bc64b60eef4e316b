#include "compare/Comparison.h"

#include <gtest/gtest.h>

namespace waybill {
namespace {

TEST(ComparisonStep, GoesRoundPastEitherEnd) {
    struct Case {
        std::optional<std::size_t> from;
        bool forward;
        std::optional<std::size_t> expected;
    };
    Book older;
    older.Add("a-1", "", "A", {"REVGRID:", "|1|||||||||||"}, AfterLastPage);
    Book newer;
    newer.Add("a-1", "x", "B", {"REVGRID:", "|2|||||||||||"}, AfterLastPage);
    class NoTables : public ReferenceDatabase {
      public:
        std::optional<GridDefinition> FindGrid(std::string_view) const override { return {}; }
        std::optional<TableRows> ReadTable(std::string_view) const override { return {}; }
        bool HasTable(std::string_view) const override { return false; }
    } database;
    Comparison comparison(database);
    EXPECT_EQ(comparison.Step(std::nullopt, true), std::nullopt);
    comparison.Start(older, "old.fwb", newer);
    ASSERT_EQ(comparison.Differences().size(), 3u); // finish, description, Rev.
    for (const Case& c : std::vector<Case>{{std::nullopt, true, 0},
                                           {std::nullopt, false, 2},
                                           {0, true, 1},
                                           {2, true, 0},
                                           {0, false, 2},
                                           {7, true, 0}}) {
        EXPECT_EQ(comparison.Step(c.from, c.forward), c.expected);
    }
}

} // namespace
} // namespace waybill
