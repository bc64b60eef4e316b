#pragma once

#include "metafile/Metafile.h"
#include "page/AttribDefs.h"
#include "page/BlockLibrary.h"
#include "page/ChangeMarks.h"
#include "platform/UserMessage.h"
#include "refdb/ReferenceDatabase.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace waybill {

class Book;

// A printed sheet as a list of drawing steps, free of any surface: every position is in sheet
// inches (x from the left, y down from the top of the 10.25 x 7.75 sheet).

enum class PenWeight { Thin, Medium, Thick };

struct SheetLine {
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;
    PenWeight pen = PenWeight::Thin;

    bool operator==(const SheetLine&) const = default;
};

struct SheetRectangle {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
    PenWeight pen = PenWeight::Thin;
    bool filled = false; // black inside as well: a change bar

    bool operator==(const SheetRectangle&) const = default;
};

// A text in "ArialDT" with its top-left corner at (x, y), turned `rotation` degrees
// counter-clockwise about that corner. `condense` < 1 narrows a text that would run past the
// edge of its slot.
struct SheetText {
    std::string text; // Windows-1252
    double x = 0;
    double y = 0;
    double pointSize = 9;
    bool bold = false;
    int rotation = 0;
    double condense = 1;
};

// A drawing painted over the rectangle.
struct SheetPicture {
    std::shared_ptr<const Metafile> drawing;
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

using SheetItem = std::variant<SheetLine, SheetRectangle, SheetText, SheetPicture>;

struct PrintedSheet {
    int pageNumber = 0;
    std::vector<SheetItem> items; // in drawing order
    // What the user is told about the page (a missing grid, block or attribute table).
    std::vector<UserMessage> messages;
};

// Width and height in inches of a text in "ArialDT" at a size in points, plain or bold.
using SheetTextMeasurer =
    std::function<TextExtent(std::string_view text, double pointSize, bool bold)>;

// What describing a sheet reads besides the document.
struct SheetSources {
    const ReferenceDatabase& database;
    BlockAttribDefs& attribDefs;
    BlockLibrary& blocks; // the drawings and the logo "Corplogo"
    SheetTextMeasurer measure;
};

// The sheet of page `pageNumber` (1-based, within the book's pages). With `marks`, its
// changes since a comparison base are marked: a bar in the left margin of each changed row and,
// beside each changed title-block field, a delta with the page's newest revision. In
// DescribeSheet.cpp.
PrintedSheet DescribeSheet(const Book& book, int pageNumber, SheetSources& sources,
                           const PageChangeMarks* marks = nullptr);

// The changes of page `page` (1-based) since a comparison base, for the sheets that mark them.
using ChangeMarksOf = std::function<PageChangeMarks(int page)>;

// Fixed sheet positions other parts of the program and the tests rely on.
inline constexpr double kTitleBlockTop = 6.5;
inline constexpr double kTextPointSize = 9;
inline constexpr double kCellMargin = 0.0625;
inline constexpr double kLogoLeft = 6.625;
inline constexpr double kLogoTop = 6.65;
inline constexpr double kLogoWidth = 3.55;
inline constexpr double kLogoHeight = 0.55;
inline constexpr const char* kLogoBlock = "Corplogo";
// The change bar's left and right edges, inside the sheet's frame and clear of the cell texts.
inline constexpr double kChangeBarLeft = 0.02;
inline constexpr double kChangeBarRight = 0.05;
// The delta beside a changed field: its width and the room it takes at the field's end.
inline constexpr double kDeltaWidth = 0.2;
inline constexpr double kDeltaRoom = 0.28;
inline constexpr double kDeltaPointSize = 6;

} // namespace waybill
