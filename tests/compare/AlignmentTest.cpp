#include "compare/Alignment.h"

#include <gtest/gtest.h>
#include <random>

namespace waybill {
namespace {

std::vector<std::string> Items(const std::string& letters) {
    std::vector<std::string> items;
    for (const char c : letters) {
        items.emplace_back(1, c);
    }
    return items;
}

// The length of a longest common subsequence, the plain way.
int LongestCommonLength(const std::vector<std::string>& a, const std::vector<std::string>& b) {
    std::vector<std::vector<int>> table(a.size() + 1, std::vector<int>(b.size() + 1, 0));
    for (std::size_t i = 1; i <= a.size(); ++i) {
        for (std::size_t j = 1; j <= b.size(); ++j) {
            table[i][j] = a[i - 1] == b[j - 1] ? table[i - 1][j - 1] + 1
                                               : std::max(table[i - 1][j], table[i][j - 1]);
        }
    }
    return table[a.size()][b.size()];
}

// The pairs are equal items, strictly in order in both sequences, and as many as can be.
void ExpectLongestAlignment(const std::vector<std::string>& a, const std::vector<std::string>& b) {
    const AlignedPairs pairs = AlignSequences(a, b);
    for (std::size_t k = 0; k < pairs.size(); ++k) {
        const auto [i, j] = pairs[k];
        ASSERT_EQ(a.at(static_cast<std::size_t>(i)), b.at(static_cast<std::size_t>(j)));
        if (k > 0) {
            ASSERT_LT(pairs[k - 1].first, i);
            ASSERT_LT(pairs[k - 1].second, j);
        }
    }
    EXPECT_EQ(static_cast<int>(pairs.size()), LongestCommonLength(a, b));
}

TEST(AlignSequences, PairsALongestCommonSubsequence) {
    const struct {
        const char* a;
        const char* b;
        AlignedPairs expected;
    } cases[] = {
        {"", "", {}},
        {"abc", "", {}},
        {"", "abc", {}},
        {"abc", "abc", {{0, 0}, {1, 1}, {2, 2}}},
        {"abcd", "axbcd", {{0, 0}, {1, 2}, {2, 3}, {3, 4}}}, // one inserted
        {"abcd", "acd", {{0, 0}, {2, 1}, {3, 2}}},           // one removed
        {"abc", "xyz", {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(AlignSequences(Items(c.a), Items(c.b)), c.expected) << c.a << " / " << c.b;
    }
    std::mt19937 random(7);
    for (int round = 0; round < 200; ++round) {
        std::uniform_int_distribution<int> length(0, 30);
        std::uniform_int_distribution<int> letter('a', 'e');
        std::string a(static_cast<std::size_t>(length(random)), ' ');
        std::string b(static_cast<std::size_t>(length(random)), ' ');
        for (char& c : a) {
            c = static_cast<char>(letter(random));
        }
        for (char& c : b) {
            c = static_cast<char>(letter(random));
        }
        ExpectLongestAlignment(Items(a), Items(b));
    }
}

// Stretches too long for one table are halved; the result is as long as the table's.
TEST(AlignSequences, LongStretchesAreHalved) {
    std::mt19937 random(11);
    std::uniform_int_distribution<int> item(0, 40);
    std::vector<std::string> a(1500);
    std::vector<std::string> b(1400);
    for (auto& s : a) {
        s = std::to_string(item(random));
    }
    for (auto& s : b) {
        s = std::to_string(item(random));
    }
    ExpectLongestAlignment(a, b);
}

} // namespace
} // namespace waybill
