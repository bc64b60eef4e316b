#pragma once

#include "details/DetailPage.h"

#include <string>

namespace waybill {

// The mansard cap trim dialog as typed.
struct CapTrimInput {
    std::string dim;
    std::string ctSf;
    std::string bcSf;
};

DetailResult MakeCapTrim(const CapTrimInput& input);

} // namespace waybill
