#include "details/DownSpout.h"

#include "details/DetailValues.h"
#include "units/Angles.h"
#include "units/Lengths.h"

namespace waybill {
namespace {

using details::Single;
using details::ValueLine;

bool Within(float value, float low, float high) {
    return value >= low && value <= high; // false for NaN
}

} // namespace

DetailResult MakeDownSpout(const DownSpoutInput& input) {
    const float width = details::TypedSingle(input.width);
    const float depth = details::TypedSingle(input.depth);
    const details::TypedLength typedLength = details::TypedFtDotted(input.length, "Length");
    const float length = typedLength.inches;
    const char* rangeMessage = "Invalid Number.  Value must be from 3 to 12.";
    if (!Within(width, 3, 12)) {
        return details::RuleError(width, rangeMessage, "Width");
    }
    if (!Within(depth, 3, 12)) {
        return details::RuleError(depth, rangeMessage, "Depth");
    }
    if (typedLength.error) {
        return *typedLength.error;
    }
    if (!(length >= 48)) {
        return DetailInputError{"Invalid Number.  Downspout must be at least 4' long.", "Length"};
    }

    const bool standard = input.style == KickoutStyle::Standard;
    const float girth = 2 * width + 2 * depth + 1;
    const float c45 = Single(CosD(45));

    ValueLine line(standard ? 16 : 5);
    line.Length(0, width, "Width");
    line.Length(1, depth, "Depth");
    line.Length(2, length, "Length");
    line.Text(3, details::TypedSfNumber(input.sfNumber));
    line.Length(4, girth, "Width");
    if (standard) {
        const float k1 = Round16(Single((depth - 0.3125) * c45));
        const float k2 = Round16(Single((depth - 0.125) / c45));
        const float k3 = k2 + 1;
        const float k4 = Round16(Single((depth + 0.875) * c45));
        const float k5 = Single(width - 0.0615);
        const float k6 = 2 * k4 + k5;
        line.Length(5, Single(k1 + 1.3125), "Depth");
        line.Length(6, k1, "Depth");
        line.Length(7, k1, "Depth");
        line.Length(8, k4, "Depth");
        line.Length(9, k2, "Depth");
        line.Length(10, k3, "Depth");
        line.Length(11, k4, "Depth");
        line.Length(12, k5, "Width");
        line.Length(13, k4, "Depth");
        line.Length(14, k6, "Width");
        if (!line.Failure()) {
            line.Text(15, FormatFtInGlyph(k3) + " x " + FormatFtInGlyph(k6));
        }
    }
    if (line.Failure()) {
        return *line.Failure();
    }

    const std::string block = standard ? "trim20" : "trim21";
    DetailPages pages;
    pages.pages.push_back(MakeDetailPage(block,
                                         standard
                                             ? "TRIM DETAILS (Oversize Downspout w/Kickout)"
                                             : "TRIM DETAILS (Oversize Downspout w/O.S. Kickout)",
                                         {line.Block(block)}));
    if (input.addStrap) {
        const std::string half = details::PlainNumber(depth / 2, 7);
        pages.pages.push_back(MakeDetailPage("trim24",
                                             "TRIM DETAILS (Strap for Oversize Downspout)",
                                             {{"trim24",
                                               {FormatFtInGlyph(Single(width + 0.125)), half, half,
                                                details::TypedSfNumber(input.strapSfNumber),
                                                FormatFtInGlyph(Single(width + depth + 0.125))}}}));
    }
    return pages;
}

DetailResult MakeDSOffset(const DSOffsetInput& input) {
    const float width = details::TypedSingle(input.width);
    const float depth = details::TypedSingle(input.depth);
    const details::TypedLength typedOffset = details::TypedFtDotted(input.offset, "Offset");
    const float offset = typedOffset.inches;
    const char* rangeMessage = "Invalid Number.  Value must be from 4 to 12.";
    if (!Within(width, 4, 12)) {
        return details::RuleError(width, rangeMessage, "Width");
    }
    if (!Within(depth, 4, 12)) {
        return details::RuleError(depth, rangeMessage, "Depth");
    }
    if (typedOffset.error) {
        return *typedOffset.error;
    }
    if (!(offset >= 2)) {
        return DetailInputError{"Invalid Number.  Offset must be at least 2 inches.", "Offset"};
    }

    const float e1 = Round16(Single(depth * 0.4142));
    const float e2 = 12 - e1;
    const float e3 = Round16(Single(offset / 0.7071));
    const float e4 = offset + 12 + e2;
    const float girth = 2 * width + 2 * depth + 1;

    ValueLine line(13);
    line.Length(0, width, "Width");
    line.Length(1, depth, "Depth");
    line.Length(2, e4, "Offset");
    line.Length(3, e2, "Depth");
    line.Length(4, offset, "Offset");
    line.Length(5, e1, "Depth");
    line.Length(6, e3, "Offset");
    line.Length(7, offset, "Offset");
    line.Length(8, e1, "Depth");
    line.Length(9, offset, "Offset");
    line.Length(10, e2, "Depth");
    line.Text(11, details::TypedSfNumber(input.sfNumber));
    line.Length(12, girth, "Width");
    if (line.Failure()) {
        return *line.Failure();
    }
    return DetailPages{
        {MakeDetailPage("trim29-00", "TRIM DETAILS (Downspout Offset)", {line.Block("trim29")})},
        false};
}

} // namespace waybill
