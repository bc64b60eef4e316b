#include "details/Gutter.h"

#include "details/DetailValues.h"
#include "units/Angles.h"
#include "units/Lengths.h"
#include "units/NumberText.h"

#include <cmath>

namespace waybill {
namespace {

using details::Single;
using details::ValueLine;

constexpr const char* kRoofSlope = "RoofSlope";

const char* PanelName(GutterPanel panel) {
    switch (panel) {
    case GutterPanel::ApexSeam24R:
        return "AS-24R";
    case GutterPanel::StormGrip:
        return "StormGrip";
    case GutterPanel::ApexSpan:
        break;
    }
    return "A. Span";
}

// How far the panel laps into the gutter.
float PanelLap(GutterPanel panel) {
    switch (panel) {
    case GutterPanel::StormGrip:
        return 2;
    case GutterPanel::ApexSeam24R:
        return 3;
    case GutterPanel::ApexSpan:
        break;
    }
    return 1.25f;
}

struct Roof {
    float slope;
    double angle; // radians
    double cosAngle;
    std::string angleText;
};

Roof RoofOf(float slope) {
    const double angle = std::atan(slope / 12.0);
    return {slope, angle, std::cos(angle),
            details::DegreeText(static_cast<long long>(std::trunc(RadToDeg(angle))) + 90)};
}

// Any length of a gutter can only grow out of range through the roof slope: Width and Depth
// are bounded by the validation.
DetailResult Finish(const ValueLine& line, Page page) {
    if (line.Failure()) {
        return *line.Failure();
    }
    return DetailPages{{std::move(page)}, false};
}

DetailResult DoOverSize(const Roof& roof, float width, float depth, float p, const std::string& sf,
                        GutterPanel panel) {
    const float a = Round16(Single(depth * roof.cosAngle + p));
    const float b = Round16(Single(a / roof.cosAngle - p / roof.cosAngle - std::tan(roof.angle)));
    const float c = a - 6;
    const float total = Single(c + width + b + 9.4375);

    ValueLine line(10);
    line.Slope(0, roof.slope, kRoofSlope);
    line.Length(1, a, kRoofSlope);
    line.Length(2, c, kRoofSlope);
    line.Length(3, b - 2, kRoofSlope);
    line.Text(4, "1");
    line.Length(5, b, kRoofSlope);
    line.Text(6, roof.angleText);
    line.Length(7, width, kRoofSlope);
    line.Text(8, sf);
    line.Length(9, total, kRoofSlope);
    // C grows with the depth. B, and B - 2, stay positive wherever C does, as the depth is at
    // most 16.
    if (!line.Failure() && !details::Formable(c)) {
        return DetailInputError{details::kTooSmallMessage, "Depth"};
    }
    return Finish(line, MakeDetailPage("trim22-01",
                                       std::string("TRIM DETAILS (Oversize Gutter for ") +
                                           PanelName(panel) + " Pnls.)",
                                       {line.Block("trim22")}));
}

DetailResult DoStandard(const Roof& roof, float p, const std::string& sf, GutterPanel panel) {
    const float b =
        Round16(Single(7.25 / roof.cosAngle - p / roof.cosAngle - std::tan(roof.angle)));
    const float h = panel == GutterPanel::ApexSpan ? 4 : 5.625f;
    const float c = b - 2;
    const float total = Single(c + h + 12.6875);

    ValueLine line(10);
    line.Slope(0, roof.slope, kRoofSlope);
    line.Length(1, 7.25f, kRoofSlope);
    line.Length(2, 1.25f, kRoofSlope);
    line.Length(3, c, kRoofSlope);
    line.Text(4, "1");
    line.Length(5, b, kRoofSlope);
    line.Text(6, roof.angleText);
    line.Length(7, h, kRoofSlope);
    line.Text(8, sf);
    line.Length(9, total, kRoofSlope);
    return Finish(line, MakeDetailPage("trim22",
                                       std::string("TRIM DETAILS (Gutter for ") + PanelName(panel) +
                                           " Pnls.)",
                                       {line.Block("trim22")}));
}

// The strap's SF number follows the gutter's; an SF number that is no (whole) number gives ".".
std::string StrapSF(const std::string& sf) {
    const auto value = NumericValue(sf);
    const auto whole = value ? RoundToInt32(*value) : std::nullopt;
    if (!whole) {
        return ".";
    }
    return std::to_string(static_cast<long long>(*whole) + 1);
}

DetailResult DoSevereIce(const Roof& roof, float width, float depth, const std::string& sf,
                         GutterPanel panel) {
    const bool span = panel == GutterPanel::ApexSpan;
    const float x1 = span ? width - 1.5f : 6.5f;
    const float s = Round16(Single(x1 / roof.cosAngle));
    const float s2 = Round16(s / 2);
    const float s3 = Single(s2 - 0.5625);
    const float x2 = span ? width - 1.5f : width + 0.25f;
    const float v = Round16(Single(x2 + s * std::sin(roof.angle)));
    const float x3 = span ? 1.3125f : 0.5f;
    const float strapAngle = Single(180 - RadToDeg(std::atan(x3 / v)));
    const float l = Round16(Single(std::fabs(v / CosD(strapAngle))));
    const float x4 = span ? 1.9375f : 0.5f;
    const float m = Single(l + 6.75);
    const auto roundedStrapAngle = RoundToInt32(strapAngle); // nothing only when V is unusable
    const std::string strapAngleText =
        roundedStrapAngle ? std::to_string(*roundedStrapAngle) : std::string();

    ValueLine strap(7);
    strap.Length(0, v, kRoofSlope);
    strap.Length(1, l, kRoofSlope);
    strap.Length(2, x4, kRoofSlope);
    strap.Text(3, strapAngleText);
    strap.Text(4, strapAngleText);
    strap.Text(5, StrapSF(sf));
    strap.Length(6, m, kRoofSlope);

    std::string block;
    float dPiece = 1; // D - 3 1/2, which only the Apex Span gutter has
    ValueLine gutter(span ? 10 : 8);
    gutter.Length(0, width, kRoofSlope);
    gutter.Length(1, s, kRoofSlope);
    gutter.Length(2, s2, kRoofSlope);
    gutter.Length(3, s3, kRoofSlope);
    if (span) {
        block = "trim25";
        const float d = Single(depth * roof.cosAngle);
        dPiece = Single(d - 3.5);
        gutter.Length(4, d, kRoofSlope);
        gutter.Length(5, dPiece, kRoofSlope);
        gutter.Slope(6, roof.slope, kRoofSlope);
        gutter.Text(7, roof.angleText);
        gutter.Text(8, sf);
        gutter.Length(9, Single(width + 6.875 + s + (d - 3.5)), kRoofSlope);
    } else {
        block = "trim26";
        gutter.Slope(4, roof.slope, kRoofSlope);
        gutter.Text(5, roof.angleText);
        gutter.Text(6, sf);
        gutter.Length(7, Single(s + width + 10.1875), kRoofSlope);
    }
    if (gutter.Failure()) {
        return *gutter.Failure();
    }
    if (strap.Failure()) {
        return *strap.Failure();
    }
    if (!details::Formable(dPiece)) {
        return DetailInputError{details::kTooSmallMessage, "Depth"};
    }
    return DetailPages{{MakeDetailPage(block + "-01",
                                       std::string("TRIM DETAILS (Gutter w/strap for ") +
                                           PanelName(panel) + " Pnls.)",
                                       {gutter.Block(block), strap.Block("gutter_strap")})},
                       false};
}

std::optional<DetailInputError> Validate(const GutterInput& input, float width, float depth,
                                         float slope) {
    if (!(slope > 0)) {
        return details::RuleError(slope, "Invalid Roof Slope. Slope must be greater than 0.",
                                  kRoofSlope);
    }
    const char* rangeMessage = "Invalid Number.  Value must be from 4 to 16.";
    if (input.kind != GutterKind::Standard) {
        if (!(width >= 4 && width <= 16)) {
            return details::RuleError(width, rangeMessage, "Width");
        }
        if (!(depth >= 4 && depth <= 16)) {
            return details::RuleError(depth, rangeMessage, "Depth");
        }
    } else if (input.panel == GutterPanel::ApexSpan && slope <= 2) {
        return DetailInputError{"Use the HG-330 gutter for this condition.", kRoofSlope};
    }
    return std::nullopt;
}

} // namespace

DetailResult MakeGutter(const GutterInput& input) {
    const bool standard = input.kind == GutterKind::Standard;
    const float width = standard ? 0 : details::TypedSingle(input.width);
    const float depth = standard ? 0 : details::TypedSingle(input.depth);
    const float slope = details::TypedSingle(input.roofSlope);
    if (auto error = Validate(input, width, depth, slope)) {
        return *error;
    }
    const std::string sf = details::TypedSfNumber(input.sfNumber);
    const Roof roof = RoofOf(slope);
    const float p = PanelLap(input.panel);
    DetailResult result = input.kind == GutterKind::Oversize
                              ? DoOverSize(roof, width, depth, p, sf, input.panel)
                          : standard ? DoStandard(roof, p, sf, input.panel)
                                     : DoSevereIce(roof, width, depth, sf, input.panel);
    if (auto* pages = std::get_if<DetailPages>(&result)) {
        pages->steepSlopeWarning = slope > 6;
    }
    return result;
}

} // namespace waybill
