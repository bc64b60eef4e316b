#pragma once

#include "print/PrintedSheet.h"

#include <QFont>
#include <QImage>
#include <QRectF>
#include <QSizeF>
#include <QString>

class QPagedPaintDevice;
class QPainter;

namespace waybill {

// The painter's unit after SetPrintScale: one twip of the sheet.
inline constexpr double kSheetUnitsPerInch = 1440;

// A surface a sheet is drawn on.
struct PrintSurface {
    QRectF area;              // the printable area, in device pixels of the painter's device
    double dotsPerInchX = 96; // device pixels per inch
    double dotsPerInchY = 96;
    bool printer = false;  // a printer or a PDF: pens by its resolution
    double pixelRatio = 1; // a picture: device pixels per screen pixel, for its pens
};

// A printer or PDF writer: its painter's whole area is printable.
PrintSurface PagedSurface(const QPagedPaintDevice& device);

// A sheet of paper and the part of it a printer prints on, in inches.
struct PaperLayout {
    QSizeF size;
    QRectF printable;
};

// Letter landscape with 3/8 inch margins: the printable area is the sheet itself, 1:1. What
// the PDF export and a preview without an installed printer use.
PaperLayout LetterLandscape();

// Maps the sheet onto the surface's printable area (centred and cut, or stretched, in each
// direction) and clips to that area; the painter's unit becomes the sheet twip.
void SetPrintScale(QPainter& painter, const PrintSurface& surface);

// The sheet of a page, its changes marked when `marks` is given.
PrintedSheet SheetOf(const Book& book, int page, SheetSources& sources, const ChangeMarksOf& marks);

// Draws the sheet on a painter prepared by SetPrintScale.
void PrintPage(QPainter& painter, const PrintSurface& surface, const PrintedSheet& sheet);

// A white picture of the whole paper, `dotsPerInch` device pixels to the inch, with the sheet
// drawn into the paper's printable area. `pixelRatio` is the picture's device pixel ratio
// for the screen (the pens are that many pixels per screen pixel).
QImage PaperPicture(const PrintedSheet& sheet, const PaperLayout& paper, double dotsPerInch,
                    double pixelRatio = 1);

// "ArialDT" at a size in points, in sheet twips.
QFont DrawingFont(double pointSize, bool bold);

// Text extents in "ArialDT" as PrintPage draws them.
SheetTextMeasurer DrawingFontMeasurer();

// Registers the program folder's "fonts/ArialDT.ttf" once; false when it cannot be loaded
// (the texts then fall back to another face).
bool LoadDrawingFont(const QString& programFolder);

} // namespace waybill
