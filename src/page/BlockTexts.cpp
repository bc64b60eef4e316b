#include "page/BlockTexts.h"

#include <algorithm>

namespace waybill {

std::vector<PlacedAttribute> PlaceBlockTexts(const PageBlock& block, BlockAttribDefs* definitions,
                                             const AttribSurface& surface,
                                             const TextMeasurer& measure) {
    const AttribDefList* list =
        definitions && block.valueLine ? definitions->Find(block.name) : nullptr;
    if (!list) {
        return {};
    }
    std::vector<PlacedAttribute> placed =
        PlaceAttributes(*list, *block.valueLine, surface, measure);
    std::erase_if(placed, [](const PlacedAttribute& text) { return text.text.empty(); });
    return placed;
}

} // namespace waybill
