#include "page/AttribDefs.h"

#include "units/Angles.h"
#include "units/Parsers.h"
#include "units/Text.h"

#include <cmath>

namespace waybill {

UserMessage MissingAttribDefsMessage(std::string_view blockName) {
    return {"Cannot find attribute definitions for " + std::string(blockName) + ".", "Waybill",
            MessageIcon::Exclamation};
}

const AttribDefList* BlockAttribDefs::Find(std::string_view blockName) {
    const std::string key = ToLower(blockName);
    if (const auto found = cache_.find(key); found != cache_.end()) {
        return &found->second;
    }
    const auto table = database_.ReadTable(blockName);
    if (!table) {
        return nullptr;
    }
    AttribDefList list;
    for (std::size_t r = 0; r < table->RowCount(); ++r) {
        clsAttribDef d;
        d.Prompt = table->Text(r, "Prompt");
        d.Tag = table->Text(r, "Tag");
        d.PtX1 = static_cast<float>(table->Number(r, "PtX1"));
        d.PtY1 = static_cast<float>(table->Number(r, "PtY1"));
        d.TxtHeight = static_cast<float>(table->Number(r, "TXT_HGT"));
        d.DefaultVal = table->Text(r, "DEF_VAL");
        d.TxtRotation = static_cast<float>(table->Number(r, "TXT_ROT"));
        d.TxtScale = static_cast<float>(table->Number(r, "TXT_XSC"));
        d.HorJust = static_cast<int>(table->Integer(r, "HorJust"));
        d.PtX2 = static_cast<float>(table->Number(r, "PtX2"));
        d.PtY2 = static_cast<float>(table->Number(r, "PtY2"));
        d.VerJust = static_cast<int>(table->Integer(r, "VerJust"));
        list.push_back(std::move(d));
    }
    return &cache_.emplace(key, std::move(list)).first->second;
}

AttribSurface ScreenAttribSurface(double pictureWidthIn, double pictureHeightIn,
                                  double drawingWidthIn, double drawingHeightIn,
                                  double pixelsPerInchX, double pixelsPerInchY) {
    AttribSurface s;
    s.pixelsPerInchX = pixelsPerInchX;
    s.pixelsPerInchY = pixelsPerInchY;
    if (drawingWidthIn > 0) {
        s.xScale = pictureWidthIn / drawingWidthIn;
    }
    if (drawingHeightIn > 0) {
        s.yScale = pictureHeightIn / drawingHeightIn;
    }
    return s;
}

std::vector<PlacedAttribute> PlaceAttributes(const AttribDefList& definitions,
                                             std::string_view valueLine,
                                             const AttribSurface& surface,
                                             const TextMeasurer& measure) {
    const std::vector<std::string> values = SplitPipeList(valueLine);
    std::vector<PlacedAttribute> placed;
    placed.reserve(definitions.size());
    for (std::size_t k = 0; k < definitions.size(); ++k) {
        const clsAttribDef& d = definitions[k];
        PlacedAttribute a;
        a.text = k < values.size() ? values[k] : d.DefaultVal;
        a.pointSize = d.TxtHeight * 1.125 * surface.yScale * 72.0;
        const TextExtent extent = measure(a.text, a.pointSize);
        const double tw = extent.width;
        const double th = extent.height;
        a.rotation = static_cast<int>(std::nearbyint(d.TxtRotation));
        a.escapement = a.rotation * 10;
        // Justification codes above 2 repeat the three placements.
        const int just = ((d.HorJust % 3) + 3) % 3;
        const double hx = just == 0 ? 0.0 : just == 1 ? tw / 2 : tw;
        const bool atAlignmentPoint = d.HorJust > 0;
        const double x0 = atAlignmentPoint ? d.PtX2 : d.PtX1;
        const double y0 = atAlignmentPoint ? d.PtY2 : d.PtY1;
        const double r = a.rotation;
        // The point scales with the drawing; the text's extents are measured on the surface
        // already, so they move the text by surface inches. Scaled again, they would lift a
        // text off its base line on a picture larger than the drawing (and drop it on a
        // smaller one), away from the drawing's own labels beside it.
        const double dx = hx * CosD(180.0 - r) + th * CosD(-(r + 90.0));
        const double dy = hx * SinD(180.0 - r) + th * SinD(-(r + 90.0));
        const double px = (x0 + surface.xOffset) * surface.xScale + dx;
        const double py = (y0 + surface.yOffset) * surface.yScale + dy;
        a.pixelX = static_cast<int>(std::nearbyint(px * surface.pixelsPerInchX));
        a.pixelY = static_cast<int>(std::nearbyint(py * surface.pixelsPerInchY));
        a.fontPixelHeight =
            -static_cast<int>(std::nearbyint(a.pointSize * surface.pixelsPerInchY / 72.0));
        placed.push_back(std::move(a));
    }
    return placed;
}

} // namespace waybill
