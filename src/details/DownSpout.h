#pragma once

#include "details/DetailPage.h"

#include <string>

namespace waybill {

enum class KickoutStyle { Standard, OldStyle };

// The downspout dialog as typed; Length is "ft.*hp" text or a feet-inch length (ReadFtDottedBox).
struct DownSpoutInput {
    std::string width;
    std::string depth;
    std::string length;
    std::string sfNumber;
    std::string strapSfNumber;
    bool addStrap = false;
    KickoutStyle style = KickoutStyle::Standard;
};

// The oversize downspout page, followed by the strap page when asked for.
DetailResult MakeDownSpout(const DownSpoutInput& input);

// The downspout offset dialog as typed; Offset is read as Length is.
struct DSOffsetInput {
    std::string width;
    std::string depth;
    std::string offset;
    std::string sfNumber;
};

DetailResult MakeDSOffset(const DSOffsetInput& input);

} // namespace waybill
