#pragma once

#include "details/DetailPage.h"

#include <string>

namespace waybill {

enum class CondHeadOffset { None, Left, Right };

// The conductor head dialog as typed.
struct CondHeadInput {
    std::string guWidth;
    std::string guDepth;
    std::string dsWidth;
    std::string dsDepth;
    std::string chNumber;
    std::string valleyGutterNo;
    CondHeadOffset offset = CondHeadOffset::None;
};

DetailResult MakeCondHead(const CondHeadInput& input);

} // namespace waybill
