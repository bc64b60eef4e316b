#include "print/PrintScale.h"

#include "page/PageLayout.h"

#include <algorithm>
#include <cmath>

namespace waybill {
namespace {

// One direction: the window's start and extent.
std::pair<double, double> Fit(double surface, double sheet) {
    if (!(surface > 0)) {
        return {0, sheet};
    }
    if (surface < sheet) {
        return {(sheet - surface) / 2, surface};
    }
    return {0, sheet};
}

} // namespace

SheetWindow PrintScale(double widthIn, double heightIn) {
    const auto [left, width] = Fit(widthIn, kSheetWidth);
    const auto [top, height] = Fit(heightIn, kSheetHeight);
    return {left, top, width, height};
}

PenWidths PrinterPenWidths(double dotsPerInch) {
    constexpr double kThickTwips = 3.0 / 128.0 * 1440.0;
    const double twipsPerPixel = dotsPerInch > 0 ? 1440.0 / dotsPerInch : 1440.0;
    // Integer arithmetic as the widths are whole pixels; the small bias keeps an exact
    // quotient such as 28.0 from truncating to 27.
    const int thick = static_cast<int>(std::floor(kThickTwips / twipsPerPixel + 1e-9));
    const int thin = thick / 3;
    return {static_cast<double>(std::max(1, thin)), static_cast<double>(std::max(1, thin * 2)),
            static_cast<double>(std::max(1, thick))};
}

PenWidths PicturePenWidths(double pixelRatio) {
    const double r = pixelRatio > 0 ? pixelRatio : 1;
    return {r, 2 * r, 3 * r};
}

} // namespace waybill
