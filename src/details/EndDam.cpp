#include "details/EndDam.h"

#include "details/DetailValues.h"
#include "units/Angles.h"
#include "units/Lengths.h"
#include "units/Text.h"

namespace waybill {
namespace {

using details::Single;
using details::ValueLine;

constexpr const char* kAngleP2 = "AngleP2";
constexpr const char* kNoEndDamMessage = "Invalid angle.  No end dam can be formed at this angle.";

DetailResult EndDam24R(double s, double angle, const std::string& edNo) {
    const float r1 = Round16(Single(0.75 / s));
    const float r2 = Round16(Single(1 / s));
    const float r3 = Round16(Single(0.5 / s));
    const float r4 = Round16(Single(0.3125 / s));
    const float r5 = Round16(Single(18.75 / s));
    const float t = (r2 + r1 + r3 + r4) * 2 + r5;
    const float t2 = t + 2;

    ValueLine line(13, kNoEndDamMessage);
    line.Length(0, r1, kAngleP2);
    line.Length(1, r2, kAngleP2);
    line.Length(2, r3, kAngleP2);
    line.Length(3, r4, kAngleP2);
    line.Length(4, r5, kAngleP2);
    line.Length(5, r4, kAngleP2);
    line.Length(6, r3, kAngleP2);
    line.Length(7, r2, kAngleP2);
    line.Length(8, r1, kAngleP2);
    line.Length(9, t, kAngleP2);
    line.Text(10, edNo);
    line.Length(11, t2, kAngleP2);
    line.Text(12, details::PlainNumber(angle, 15));
    if (line.Failure()) {
        return *line.Failure();
    }
    return DetailPages{{MakeDetailPage("enddam", "End Dam Detail", {line.Block("enddam")})}, false};
}

DetailResult EndDamIIPlus(double s, double angle, const std::string& edNo) {
    const float q1 = Round16(Single(0.8125 / s));
    const float q2 = Round16(Single(0.625 / s));
    const float q3 = Round16(Single(0.625 / s));
    const float q4 = Round16(Single(19.8125 / s));
    const float u = (q2 + q1 + q3) * 2 + q4;
    const float u2 = u + 2;

    ValueLine line(11, kNoEndDamMessage);
    line.Length(0, q1, kAngleP2);
    line.Length(1, q2, kAngleP2);
    line.Length(2, q3, kAngleP2);
    line.Length(3, q4, kAngleP2);
    line.Length(4, q3, kAngleP2);
    line.Length(5, q2, kAngleP2);
    line.Length(6, q1, kAngleP2);
    line.Length(7, u, kAngleP2);
    line.Text(8, edNo);
    line.Length(9, u2, kAngleP2);
    line.Text(10, details::PlainNumber(angle, 15));
    if (line.Failure()) {
        return *line.Failure();
    }
    return DetailPages{{MakeDetailPage("enddam2", "End Dam Detail (Apex Seam-II/Apex Seam-Plus)",
                                       {line.Block("enddam2")})},
                       false};
}

} // namespace

DetailResult MakeEndDam(const EndDamInput& input) {
    const double angle = details::TypedDouble(input.angleP2);
    if (!(angle >= 0 && angle <= 360)) {
        return DetailInputError{"Invalid angle.  Value must be between 0 and 360.", kAngleP2};
    }
    // From 180 to 360 degrees the sine is not positive: every length would come out as 0.
    const double s = SinD(angle);
    if (!(s > 0)) {
        return DetailInputError{kNoEndDamMessage, kAngleP2};
    }
    const std::string edNo = Trim(input.edNo);
    return input.panel == EndDamPanel::ApexSeam24R ? EndDam24R(s, angle, edNo)
                                                   : EndDamIIPlus(s, angle, edNo);
}

} // namespace waybill
