// The sheet description of one page (DescribeSheet, PrintedSheet.h).
#include "model/Book.h"
#include "page/BlockTexts.h"
#include "page/ChangeMarks.h"
#include "page/PageData.h"
#include "page/PageLayout.h"
#include "print/SheetBuilder.h"
#include "units/Text.h"

#include <algorithm>
#include <set>

namespace waybill {
namespace {

// A text never touches the line that ends its slot.
constexpr double kFitGap = 1.0 / 32;

// Any page area gives the same cells; the printed grid takes its geometry from the
// definition itself.
constexpr PageAreaMetrics kRenderArea{kSheetWidth * 96, (kSheetHeight - kTitleBlockHeight) * 96, 96,
                                      96, 1};

// Attribute texts are placed in sheet inches: the drawing is painted at its natural size at
// the sheet's origin, so its inches are the sheet's on every surface. Whole twips keep the
// placement's rounding below anything a surface shows.
constexpr double kPlacementUnitsPerInch = 1440;

// Title-block text rows: 6.5625 and each next one 0.245 lower.
double TitleRow(int row) {
    return 6.5625 + 0.245 * (row - 1);
}

// Missing drawings print their block's name, one under the other from the page's top-left.
constexpr double kMissingNameLeft = 0.0625;
constexpr double kMissingNameStep = 0.25;

void AddFrame(SheetBuilder& b) {
    b.Rectangle(0, 0, kSheetWidth, kSheetHeight, PenWeight::Thick);
    b.Line(0, 6.5, kSheetWidth, 6.5, PenWeight::Thick);
    b.Rectangle(6.5, 7.25, kSheetWidth, 6.5, PenWeight::Medium);
    b.Line(0, 6.75, 6.5, 6.75, PenWeight::Thin);
    b.Line(0, 7.0, 6.5, 7.0, PenWeight::Thin);
    b.Line(0, 7.25, 6.5, 7.25, PenWeight::Thin);
    b.Line(0, 7.5, kSheetWidth, 7.5, PenWeight::Thin);
    b.Line(0.5, 6.5, 0.5, kSheetHeight, PenWeight::Thin);
    b.Line(1.0, 6.5, 1.0, kSheetHeight, PenWeight::Thin);
    b.Line(1.5, 6.5, 1.5, kSheetHeight, PenWeight::Thin);
    b.Line(4.0, 6.5, 4.0, 7.25, PenWeight::Thin);
    b.Line(7.375, 7.25, 7.375, kSheetHeight, PenWeight::Thin);
}

// What the title block marks: the changed fields and the revision their delta names.
struct FieldMarks {
    const PageChangeMarks* marks = nullptr;
    std::string revision;

    bool Marked(int field) const { return marks != nullptr && marks->Field(field); }
};

// A delta (a triangle with the revision inside) at the end of a title-block slot ending at
// `limit`, on title row `row`.
void AddDelta(SheetBuilder& b, const FieldMarks& marks, double limit, int row) {
    const double top = TitleRow(row) - 0.0625 + 0.03;
    const double bottom = top + 0.19;
    const double middle = limit - kDeltaRoom / 2;
    const double half = kDeltaWidth / 2;
    b.Line(middle, top, middle - half, bottom, PenWeight::Medium);
    b.Line(middle - half, bottom, middle + half, bottom, PenWeight::Medium);
    b.Line(middle + half, bottom, middle, top, PenWeight::Medium);
    if (marks.revision.empty()) {
        return;
    }
    SheetText text{marks.revision, 0, bottom - 0.11, kDeltaPointSize};
    const double width = b.TextWidth(text.text, kDeltaPointSize);
    const double room = kDeltaWidth * 0.6;
    if (width > room) {
        text.condense = room / width;
    }
    text.x = middle - width * text.condense / 2;
    b.Add(std::move(text));
}

// A field's value from x, ending before `limit` or, when it changed, before its delta.
void Value(SheetBuilder& b, const FieldMarks& marks, int field, const std::string& value, double x,
           int row, double limit) {
    if (marks.Marked(field)) {
        b.Text(value, x, TitleRow(row), false, limit - kDeltaRoom);
        AddDelta(b, marks, limit, row);
    } else {
        b.Text(value, x, TitleRow(row), false, limit);
    }
}

// A label in bold and its value right after it, the value ending before `limit`.
void LabelAndValue(SheetBuilder& b, const FieldMarks& marks, int field, const char* label,
                   const std::string& value, double x, int row, double limit) {
    const double end = b.Text(label, x, TitleRow(row), true, limit);
    Value(b, marks, field, value, end, row, limit);
}

void AddTitleBlock(SheetBuilder& b, const Book& book, const Page& page, int pageNumber,
                   const FieldMarks& marks) {
    constexpr double kRevisionColumn = kRevisionGridWidth / kRevisionColumns;
    for (int c = 0; c < kRevisionColumns; ++c) {
        b.Centred(kRevisionHeaders[static_cast<std::size_t>(c)], c * kRevisionColumn,
                  (c + 1) * kRevisionColumn, TitleRow(1), true);
    }
    b.Text("Finish:", 1.5625, TitleRow(1), true, 4.0);
    Value(b, marks, TblkFinish, page.Finish, 2.125, 1, 4.0);
    LabelAndValue(b, marks, TblkDetailBy, "Detail By:   ", book.DetailBy, 4.0625, 1, 6.5);
    LabelAndValue(b, marks, TblkIssue, "Issue:   ", book.Issue, 1.5625, 2, 4.0);
    LabelAndValue(b, marks, TblkCheckedBy, "Checked By:   ", book.CheckedBy, 4.0625, 2, 6.5);
    LabelAndValue(b, marks, TblkDate, "Date:   ", book.CurDate, 1.5625, 3, 4.0);
    b.Text("CAD #", 4.0625, TitleRow(3), true, 6.5);
    Value(b, marks, TblkCadNumber, page.CadNumber, 4.75, 3, 6.5);
    LabelAndValue(b, marks, TblkCustomer, "Customer:   ", book.Customer, 1.5625, 4, 7.375);
    LabelAndValue(b, marks, TblkJobNumber, "Job Number:   ", book.JobNumber, 7.4375, 4,
                  kSheetWidth);
    b.Text("Shipping List For:", 1.5625, TitleRow(5), true, 7.375);
    Value(b, marks, TblkDescription, page.Description, 3.0, 5, 7.375);
    b.Text("Sheet No.:", 7.4375, TitleRow(5), true, kSheetWidth);
    if (book.NumberPgs) {
        b.Text(std::to_string(pageNumber), 8.625, TitleRow(5), false, 9.125);
    }
    b.Text("of", 9.125, TitleRow(5), true, kSheetWidth);
    if (book.NumberPgs && book.ShowPgTot) {
        b.Text(std::to_string(book.PageCount()), 9.5, TitleRow(5), false, kSheetWidth);
    }
}

void AddRevisions(SheetBuilder& b, const PageView& view) {
    constexpr double kRevisionColumn = kRevisionGridWidth / kRevisionColumns;
    for (int r = 0; r < kRevisionRows; ++r) {
        for (int c = 0; c < kRevisionColumns; ++c) {
            const std::string& value =
                view.revision[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
            if (!value.empty()) {
                b.Centred(value, c * kRevisionColumn, (c + 1) * kRevisionColumn, 6.8125 + 0.25 * r,
                          false);
            }
        }
    }
}

class BlockPrinter {
  public:
    BlockPrinter(SheetBuilder& builder, SheetSources& sources) : b_(builder), sources_(sources) {}

    void Add(const PageBlock& block) {
        const auto drawing = sources_.blocks.Find(block.name);
        if (!drawing) {
            b_.Text(block.name, kMissingNameLeft, kMissingNameLeft + kMissingNameStep * missing_++,
                    false, kSheetWidth);
            if (reported_.insert(ToLower(block.name)).second) {
                b_.Message(MissingBlockMessage(block.name));
            }
            return; // no drawing to place the attribute texts on
        }
        b_.Add(SheetPicture{drawing, 0, 0, drawing->widthInches, drawing->heightInches});
        const TextMeasurer measure = [this](std::string_view text, double points) {
            return sources_.measure(text, points, false);
        };
        AttribSurface surface;
        surface.pixelsPerInchX = kPlacementUnitsPerInch;
        surface.pixelsPerInchY = kPlacementUnitsPerInch;
        for (PlacedAttribute& placed :
             PlaceBlockTexts(block, &sources_.attribDefs, surface, measure)) {
            SheetText text;
            text.x = placed.pixelX / kPlacementUnitsPerInch;
            text.y = placed.pixelY / kPlacementUnitsPerInch;
            text.text = std::move(placed.text);
            text.pointSize = placed.pointSize;
            text.rotation = placed.rotation;
            b_.Add(std::move(text));
        }
    }

  private:
    SheetBuilder& b_;
    SheetSources& sources_;
    int missing_ = 0;
    std::set<std::string> reported_; // lower case
};

} // namespace

void SheetBuilder::Line(double x1, double y1, double x2, double y2, PenWeight pen) {
    Add(SheetLine{x1, y1, x2, y2, pen});
}

void SheetBuilder::Rectangle(double left, double top, double right, double bottom, PenWeight pen) {
    Add(SheetRectangle{left, top, right, bottom, pen});
}

double SheetBuilder::Width(std::string_view text, bool bold) const {
    return measure_(text, kTextPointSize, bold).width;
}

double SheetBuilder::TextWidth(std::string_view text, double pointSize) const {
    return measure_(text, pointSize, false).width;
}

double SheetBuilder::Text(std::string text, double x, double y, bool bold, double limit) {
    if (text.empty()) {
        return x;
    }
    const double width = Width(text, bold);
    const double room = limit - kFitGap - x;
    SheetText item{std::move(text), x, y, kTextPointSize, bold};
    if (width > room && room > 0) {
        item.condense = room / width;
    }
    const double end = x + width * item.condense;
    Add(std::move(item));
    return end;
}

void SheetBuilder::Centred(std::string text, double left, double right, double y, bool bold) {
    if (text.empty()) {
        return;
    }
    const double width = Width(text, bold);
    const double room = right - left - 2 * kFitGap;
    SheetText item{std::move(text), left + (right - left - width) / 2, y, kTextPointSize, bold};
    if (width > room && room > 0) {
        item.condense = room / width;
        item.x = left + kFitGap;
    }
    Add(std::move(item));
}

void SheetBuilder::RightAligned(std::string text, double left, double right, double y, bool bold) {
    if (text.empty()) {
        return;
    }
    const double width = Width(text, bold);
    const double room = right - left;
    SheetText item{std::move(text), right - width, y, kTextPointSize, bold};
    if (width > room && room > 0) {
        item.condense = room / width;
        item.x = left;
    }
    Add(std::move(item));
}

PrintedSheet DescribeSheet(const Book& book, int pageNumber, SheetSources& sources,
                           const PageChangeMarks* marks) {
    PrintedSheet sheet;
    sheet.pageNumber = pageNumber;
    if (pageNumber < 1 || pageNumber > book.PageCount()) {
        return sheet;
    }
    const Page& page = book.GetPage(pageNumber);
    PageView view;
    const RenderContext context{sources.database, kRenderArea, &sources.attribDefs};
    RenderPageData(view, book, pageNumber, context);
    sheet.messages = view.messages;

    SheetBuilder b(sheet, sources.measure);
    AddFrame(b);
    if (const auto logo = sources.blocks.Find(kLogoBlock)) {
        b.Add(SheetPicture{logo, kLogoLeft, kLogoTop, kLogoWidth, kLogoHeight});
    }
    AddTitleBlock(b, book, page, pageNumber,
                  {marks, marks != nullptr ? NewestRevision(view.revision) : std::string()});

    // The page's own parts in page order, as the screen reads them.
    const std::vector<PageItem> items = ReadPageItems(page.PageData);
    const PageItem* shownGrid = ShownGridItem(items);
    BlockPrinter blocks(b, sources);
    std::size_t nextBlock = 0;
    bool revisionsDone = false;
    for (const PageItem& item : items) {
        switch (item.keyword) {
        case PageKeyword::Block:
        case PageKeyword::AttribBlock:
            if (nextBlock < view.blocks.size()) {
                blocks.Add(view.blocks[nextBlock++]);
            }
            break;
        case PageKeyword::RevGrid:
            if (!revisionsDone) {
                AddRevisions(b, view);
                revisionsDone = true;
            }
            break;
        case PageKeyword::Grid:
            if (&item == shownGrid && view.grid) {
                AddGrid(b, *view.grid, sources.database, marks != nullptr ? &marks->rows : nullptr);
            }
            break;
        }
    }
    return sheet;
}

} // namespace waybill
