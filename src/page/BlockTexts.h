#pragma once

#include "page/AttribDefs.h"
#include "page/PageView.h"

#include <vector>

namespace waybill {

// The attribute texts of one block of a page: the one layout the screen, the detail preview
// and the printed sheet draw. Each value of the block's value line (or its default) is placed
// by the block's definitions on the surface; empty texts are left out. None for a block
// without a value line, or whose definitions cannot be read (rendering reports those).
std::vector<PlacedAttribute> PlaceBlockTexts(const PageBlock& block, BlockAttribDefs* definitions,
                                             const AttribSurface& surface,
                                             const TextMeasurer& measure);

} // namespace waybill
