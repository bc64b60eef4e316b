#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace waybill {

// The content lines of a page (the page-data grammar). Lines are replaced as a whole by
// the editing code; an empty list stands for a page without content.
using PageLines = std::vector<std::string>;

// The position a page kind missing from the default document sorts to.
constexpr std::int16_t kUnknownLocIndex = 999;

struct Page {
    std::string CadNumber;
    std::string Description;
    PageLines PageData;
    std::string Finish;
    std::int16_t LocIndex = kUnknownLocIndex;

    bool operator==(const Page&) const = default;
};

// The page kind: the drawing number in lower case up to its first "-". It selects the cell
// rules, the finish catalogue, the part-number rules and the page's place in the standard order.
std::string CadBase(std::string_view cadNumber);

} // namespace waybill
