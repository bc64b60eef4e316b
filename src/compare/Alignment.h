#pragma once

#include <string>
#include <utility>
#include <vector>

namespace waybill {

// Two sequences lined up: the pairs (i, j) of equal items of a longest common subsequence,
// in order. Whatever lies between two pairs was removed from the first sequence or added in
// the second, so one inserted item never shows every item after it as different.
using AlignedPairs = std::vector<std::pair<int, int>>;

// Items are compared exactly. Time grows with the product of the lengths of the stretches that
// differ (equal ends are passed over first); memory stays linear in the lengths, however long.
AlignedPairs AlignSequences(const std::vector<std::string>& first,
                            const std::vector<std::string>& second);

} // namespace waybill
