#include "details/EndDam.h"

#include "details/DetailValues.h"
#include "units/Angles.h"
#include "units/Lengths.h"

#include <vector>

namespace waybill {
namespace {

using details::Single;
using details::ValueLine;

constexpr const char* kAngleP2 = "AngleP2";
constexpr const char* kNoEndDamMessage = "Invalid angle.  No end dam can be formed at this angle.";

// An end dam's pieces from its edge to its middle piece: the drawing writes them out and back,
// then the total width, the end dam number, the total plus 2 and the angle.
DetailResult EndDamPage(const std::vector<float>& pieces, const char* block,
                        const char* description, double angle, const std::string& edNo) {
    const int n = static_cast<int>(pieces.size());
    float sides = 0;
    for (int i = 0; i + 1 < n; ++i) {
        sides += pieces[static_cast<std::size_t>(i)];
    }
    const float total = sides * 2 + pieces.back();

    ValueLine line(2 * n + 3, kNoEndDamMessage);
    for (int i = 0; i < 2 * n - 1; ++i) {
        line.Length(i, pieces[static_cast<std::size_t>(i < n ? i : 2 * n - 2 - i)], kAngleP2);
    }
    line.Length(2 * n - 1, total, kAngleP2);
    line.Text(2 * n, edNo);
    line.Length(2 * n + 1, total + 2, kAngleP2);
    line.Text(2 * n + 2, details::PlainNumber(angle, 15));
    if (line.Failure()) {
        return *line.Failure();
    }
    return DetailPages{{MakeDetailPage(block, description, {line.Block(block)})}, false};
}

DetailResult EndDam24R(double s, double angle, const std::string& edNo) {
    auto piece = [s](double inches) { return Round16(Single(inches / s)); };
    return EndDamPage({piece(0.75), piece(1), piece(0.5), piece(0.3125), piece(18.75)}, "enddam",
                      "End Dam Detail", angle, edNo);
}

DetailResult EndDamIIPlus(double s, double angle, const std::string& edNo) {
    auto piece = [s](double inches) { return Round16(Single(inches / s)); };
    return EndDamPage({piece(0.8125), piece(0.625), piece(0.625), piece(19.8125)}, "enddam2",
                      "End Dam Detail (Apex Seam-II/Apex Seam-Plus)", angle, edNo);
}

} // namespace

DetailResult MakeEndDam(const EndDamInput& input) {
    const double angle = details::TypedDouble(input.angleP2);
    if (!(angle >= 0 && angle <= 360)) {
        return details::RuleError(angle, "Invalid angle.  Value must be between 0 and 360.",
                                  kAngleP2);
    }
    // From 180 to 360 degrees the sine is not positive: every length would come out as 0.
    const double s = SinD(angle);
    if (!(s > 0)) {
        return DetailInputError{kNoEndDamMessage, kAngleP2};
    }
    const std::string edNo = details::TypedText(input.edNo);
    return input.panel == EndDamPanel::ApexSeam24R ? EndDam24R(s, angle, edNo)
                                                   : EndDamIIPlus(s, angle, edNo);
}

} // namespace waybill
