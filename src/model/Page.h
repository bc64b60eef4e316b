#pragma once

#include <cstdint>
#include <string>
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

} // namespace waybill
