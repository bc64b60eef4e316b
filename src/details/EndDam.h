#pragma once

#include "details/DetailPage.h"

#include <string>

namespace waybill {

enum class EndDamPanel { ApexSeam24R, ApexSeamIIPlus };

// The end dam dialog as typed; AngleP2 in decimal degrees.
struct EndDamInput {
    std::string angleP2;
    std::string edNo;
    EndDamPanel panel = EndDamPanel::ApexSeam24R;
};

// Only angles with a positive sine (between 0 and 180 degrees) give an end dam; the
// dimensions grow without bound towards both ends.
DetailResult MakeEndDam(const EndDamInput& input);

} // namespace waybill
