#include "details/RidgeCap.h"

#include "details/DetailValues.h"
#include "units/Angles.h"
#include "units/Lengths.h"

#include <cmath>

namespace waybill {
namespace {

using details::Single;
using details::ValueLine;

constexpr const char* kRoofSlope = "RoofSlope";

std::optional<DetailInputError> ValidateSlope(float slope) {
    if (!(slope > 0)) {
        return details::RuleError(slope, "Invalid roof slope.  Slope must be greater than 0.",
                                  kRoofSlope);
    }
    return std::nullopt;
}

// The roof angle and its tangent, both kept in single precision.
struct Roof {
    float a;
    float t;
    long long degrees; // whole degrees, truncated
};

Roof RoofOf(float slope) {
    const float a = Single(std::atan(slope / 12.0));
    return {a, Single(std::tan(a)), static_cast<long long>(std::trunc(RadToDeg(a)))};
}

} // namespace

DetailResult MakePreventRidgeCap(const PreventRidgeCapInput& input) {
    const float slope = details::TypedSingle(input.roofSlope);
    if (auto error = ValidateSlope(slope)) {
        return *error;
    }
    const details::TypedLength typedLeg = details::TypedFtDotted(input.legLength, "LegLength");
    if (typedLeg.error) {
        return *typedLeg.error;
    }
    const float leg = typedLeg.inches;
    if (!(leg > 0)) {
        return DetailInputError{"Invalid length.", "LegLength"};
    }

    const Roof roof = RoofOf(slope);
    const double cosA = std::cos(roof.a);
    const double sinA = std::sin(roof.a);
    const float g1 = Round16(Single(roof.t * 0.75));
    const float g2 = Single(g1 + leg + 0.75);
    const float g3 = Round16(Single(g2 * cosA));
    const float g4 = Round16(Single(g2 * sinA));
    const float g5 = Round16(Single(sinA * 3));
    const float g6 = g3 - g5;
    const float g7 = (g6 + g5) * 2;
    const float g8 = Round16(Single(cosA * 3 + g4));
    const float g9 = Round16(g6 * roof.t);

    // The slope alone makes G1; every other length grows with the leg.
    ValueLine line(18);
    line.Slope(0, slope, kRoofSlope);
    line.Length(7, g1, kRoofSlope);
    line.Length(1, leg, "LegLength");
    line.Length(2, leg, "LegLength");
    line.Text(3, details::DegreeText(180 - 2 * roof.degrees));
    line.Length(4, 2 * leg + 3, "LegLength");
    line.Text(5, details::TypedSfNumber(input.rcSfNo));
    line.Length(6, leg, "LegLength");
    line.Length(8, g2, "LegLength");
    line.Length(9, g3, "LegLength");
    line.Length(10, g4, "LegLength");
    line.Length(11, g5, kRoofSlope);
    line.Length(12, g6, "LegLength");
    line.Length(13, g7, "LegLength");
    line.Length(14, g8, "LegLength");
    line.Length(15, g9, "LegLength");
    if (line.Failure()) {
        return *line.Failure();
    }
    // On a steep roof a short leg leaves no G6; the rises G1, G4, G5 and G9 may well be 0 on a
    // nearly flat one.
    if (!details::Formable(g6)) {
        return DetailInputError{details::kTooSmallMessage, "LegLength"};
    }
    line.Text(16, FormatFtInGlyph(g8) + " x " + FormatFtInGlyph(g7));
    line.Text(17, details::TypedSfNumber(input.ecSfNo));
    return DetailPages{{MakeDetailPage("trim27", "Prevent Ridge cap", {line.Block("trim27")})},
                       false};
}

DetailResult MakeSSeamRidgeCap(const SSeamRidgeCapInput& input) {
    const float slope = details::TypedSingle(input.roofSlope);
    if (auto error = ValidateSlope(slope)) {
        return *error;
    }
    const details::TypedLength typedToRidge = details::TypedFtDotted(input.ppToRidge, "PPToRidge");
    const details::TypedLength typedOverhang = details::TypedFtDotted(input.panOHang, "PanOHang");
    const float toRidge = typedToRidge.inches;
    const float overhang = typedOverhang.inches;
    if (typedToRidge.error) {
        return *typedToRidge.error;
    }
    if (!(toRidge > 0)) {
        return DetailInputError{"Invalid length.", "PPToRidge"};
    }
    if (typedOverhang.error) {
        return *typedOverhang.error;
    }
    if (!(overhang > 0)) {
        return DetailInputError{"Invalid length.", "PanOHang"};
    }
    if (!(toRidge > overhang)) {
        return DetailInputError{"Distance to ridge must be greater than panel overhang.",
                                "PanOHang"};
    }

    const bool seam24R = input.panel == SeamPanel::ApexSeam24R;
    const bool high = input.clip == ClipType::High;
    const float k = seam24R && high ? 4.375f : (!seam24R && !high ? 2.375f : 3.375f);
    const Roof roof = RoofOf(slope);
    const double x = toRidge - overhang + k * roof.t - 3.8017;
    const float v = seam24R ? 4.5f : 4;
    const float y = Round16(Single(x + v));
    const float z = Single(2 * y + 12.625);

    // The slope is checked first: below the largest length its tangent term stays smaller
    // than the slope itself, so Y and Z only grow out of range with the distances.
    ValueLine line(6);
    line.Slope(1, slope, kRoofSlope);
    line.Length(0, y, "PPToRidge");
    line.Text(2, details::DegreeText(roof.degrees + 90));
    line.Text(3, details::TypedSfNumber(input.rcSfNo));
    line.Length(4, z, "PPToRidge");
    line.Text(5, details::TypedSfNumber(input.ecSfNo));
    if (line.Failure()) {
        return *line.Failure();
    }
    return DetailPages{
        {MakeDetailPage("trim28", "Standing Seam Ridge cap", {line.Block("trim28")})}, false};
}

} // namespace waybill
