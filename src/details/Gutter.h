#pragma once

#include "details/DetailPage.h"

#include <string>

namespace waybill {

enum class GutterKind { Oversize, Standard, SevereIce };
enum class GutterPanel { ApexSpan = 1, ApexSeam24R = 2, StormGrip = 3 };

// The gutter dialog as typed. The standard gutter ignores Width and Depth.
struct GutterInput {
    GutterKind kind = GutterKind::Standard;
    std::string width;
    std::string depth;
    std::string roofSlope;
    GutterPanel panel = GutterPanel::ApexSpan;
    std::string sfNumber;
};

// The gutter detail page (the severe-icing gutter also carries its strap block), or the first
// input error. A roof slope over 6 asks for the steep-slope confirmation.
DetailResult MakeGutter(const GutterInput& input);

} // namespace waybill
