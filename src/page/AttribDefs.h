#pragma once

#include "platform/UserMessage.h"
#include "refdb/ReferenceDatabase.h"

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace waybill {

// One attribute definition of a block: where and how one value of its value line is drawn.
// Points are drawing inches from the drawing's top-left corner, y downward.
struct clsAttribDef {
    std::string Prompt;
    std::string Tag;
    float PtX1 = 0;
    float PtY1 = 0;
    float TxtHeight = 0;
    std::string DefaultVal;
    float TxtRotation = 0; // degrees, counter-clockwise
    float TxtScale = 0;
    int HorJust = 0; // modulo 3: 0 left, 1 centre, 2 right
    float PtX2 = 0;
    float PtY2 = 0;
    int VerJust = 0;
};

using AttribDefList = std::vector<clsAttribDef>;

UserMessage MissingAttribDefsMessage(std::string_view blockName);

// `BlockAttribDefs`: the attribute definitions of each block, read from the block's table on
// first use and kept for the whole run. Block names ignore letter case.
class BlockAttribDefs {
  public:
    explicit BlockAttribDefs(const ReferenceDatabase& database) : database_(database) {}

    // The block's definitions, or nothing when its table cannot be read (the caller shows
    // MissingAttribDefsMessage). A failed lookup is tried again next time.
    const AttribDefList* Find(std::string_view blockName);

  private:
    const ReferenceDatabase& database_;
    std::map<std::string, AttribDefList> cache_; // key: lower-case block name
};

// How a surface takes attribute texts: the scales from drawing inches to surface inches,
// the offsets in surface inches, and the surface's pixels per inch.
struct AttribSurface {
    double xScale = 1;
    double yScale = 1;
    double xOffset = 0;
    double yOffset = 0;
    double pixelsPerInchX = 96;
    double pixelsPerInchY = 96;
};

// The block picture on screen: the drawing (natural size in inches) stretched over the
// picture, its attribute texts with it, so that they stay on the drawing's dimension lines
// and beside its labels at every window size.
AttribSurface ScreenAttribSurface(double pictureWidthIn, double pictureHeightIn,
                                  double drawingWidthIn, double drawingHeightIn,
                                  double pixelsPerInchX, double pixelsPerInchY);

// Width and height in inches of a text in "ArialDT" at a size in points.
struct TextExtent {
    double width = 0;
    double height = 0;
};
using TextMeasurer = std::function<TextExtent(std::string_view text, double pointSize)>;

// One attribute text ready to draw.
struct PlacedAttribute {
    std::string text;
    double pointSize = 0;
    int rotation = 0;   // whole degrees, counter-clockwise
    int escapement = 0; // tenths of a degree
    int pixelX = 0;     // top-left corner of the text
    int pixelY = 0;
    int fontPixelHeight = 0; // character height as a logical font takes it (negative)
};

// Places each definition's value (value k of the line, or DefaultVal when the line has no
// value k; extra values are ignored).
std::vector<PlacedAttribute> PlaceAttributes(const AttribDefList& definitions,
                                             std::string_view valueLine,
                                             const AttribSurface& surface,
                                             const TextMeasurer& measure);

} // namespace waybill
