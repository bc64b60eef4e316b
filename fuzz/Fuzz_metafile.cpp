#include "metafile/Metafile.h"

#include <cmath>
#include <cstdint>
#include <numeric>
#include <string_view>

namespace {

// What the painter relies on: finite numbers and the point counts each shape promises.
bool Sound(const waybill::MetaFigure& figure) {
    using waybill::MetaShape;
    for (const auto& p : figure.points) {
        if (!std::isfinite(p.x) || !std::isfinite(p.y)) {
            return false;
        }
    }
    switch (figure.shape) {
    case MetaShape::Rectangle:
    case MetaShape::Ellipse:
        return figure.points.size() == 2;
    case MetaShape::Arc:
    case MetaShape::Pie:
    case MetaShape::Chord:
        return figure.points.size() == 4;
    case MetaShape::PolyPolygon:
        return std::accumulate(figure.counts.begin(), figure.counts.end(), std::size_t{0}) ==
               figure.points.size();
    default:
        return figure.points.size() >= 2 && std::isfinite(figure.pen.width);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const waybill::MetafileResult result = waybill::ReadMetafile(bytes);
    if (result.Ok() == (result.error != waybill::MetafileError::None)) {
        __builtin_trap();
    }
    if (!result.drawing) {
        return 0;
    }
    if (!(result.drawing->widthInches > 0) || !(result.drawing->heightInches > 0)) {
        __builtin_trap();
    }
    for (const auto& item : result.drawing->items) {
        if (const auto* figure = std::get_if<waybill::MetaFigure>(&item)) {
            if (!Sound(*figure)) {
                __builtin_trap();
            }
        } else {
            const auto& text = std::get<waybill::MetaText>(item);
            if (!std::isfinite(text.at.x) || !std::isfinite(text.at.y) ||
                !std::isfinite(text.font.height)) {
                __builtin_trap();
            }
        }
    }
    return 0;
}
