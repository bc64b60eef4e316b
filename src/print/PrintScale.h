#pragma once

namespace waybill {

// The part of the sheet (sheet inches, 10.25 x 7.75) that a surface's printable area shows.
struct SheetWindow {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;

    bool operator==(const SheetWindow&) const = default;
};

// How the sheet lies on a printable area of `widthIn` x `heightIn` inches, for each direction
// apart: an area narrower than the sheet shows the sheet's middle at full size (both sides
// are cut equally); a wider one shows the whole sheet stretched over it. An empty area shows
// the whole sheet.
SheetWindow PrintScale(double widthIn, double heightIn);

// Pen widths in device pixels.
struct PenWidths {
    double thin = 1;
    double medium = 2;
    double thick = 3;

    bool operator==(const PenWidths&) const = default;
};

// On a printer the thick pen is 3/128 inch in whole device pixels, the thin pen a third of it
// and the medium pen twice the thin one; none is thinner than one pixel, so a coarse printer
// still draws every line.
PenWidths PrinterPenWidths(double dotsPerInch);

// Any other surface: 1, 2 and 3 pixels, times the pixels each of them covers on the device.
PenWidths PicturePenWidths(double pixelRatio = 1);

} // namespace waybill
