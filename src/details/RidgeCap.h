#pragma once

#include "details/DetailPage.h"

#include <string>

namespace waybill {

// The Prevent ridge cap dialog as typed; LegLength is "ft.*hp" text or a feet-inch length
// (ReadFtDottedBox).
struct PreventRidgeCapInput {
    std::string roofSlope;
    std::string legLength;
    std::string rcSfNo;
    std::string ecSfNo;
};

DetailResult MakePreventRidgeCap(const PreventRidgeCapInput& input);

enum class SeamPanel { StormGrip16, ApexSeam24R };
enum class ClipType { Low, High };

// The standing seam ridge cap dialog as typed; the two distances are read as LegLength is.
struct SSeamRidgeCapInput {
    std::string roofSlope;
    std::string ppToRidge;
    std::string panOHang;
    std::string rcSfNo;
    std::string ecSfNo;
    SeamPanel panel = SeamPanel::StormGrip16;
    ClipType clip = ClipType::Low;
};

DetailResult MakeSSeamRidgeCap(const SSeamRidgeCapInput& input);

} // namespace waybill
