// The line-item grid on the sheet (AddGrid, SheetBuilder.h).
#include "page/PageLayout.h"
#include "page/PageView.h"
#include "print/SheetBuilder.h"

#include <algorithm>

namespace waybill {
namespace {

// Printed rows keep a fixed pitch whatever the definition's row height; texts sit 1/16 inch
// below the row's top.
constexpr double kRowPitch = 0.25;

} // namespace

void AddGrid(SheetBuilder& builder, const GridView& grid, const ReferenceDatabase& database,
             const std::vector<int>* changedRows) {
    const auto definition = database.FindGrid(grid.layout.name);
    const auto columns = database.ReadTable(grid.layout.name);
    if (!definition || !columns) {
        return; // laid out a moment ago, so only a database changing under us gets here
    }
    const double top = definition->Top;
    const int rowCount = grid.Rows();
    // Rows a page holds beyond the definition's share the definition's room, as on screen,
    // rather than run into the title block.
    const double squeeze = std::min(1.0, (definition->Rows + 1.0) / std::max(rowCount, 1));

    for (int r = 1; r < rowCount; ++r) {
        const double y = top + r * definition->RowHeight * squeeze;
        builder.Line(definition->Left, y, kSheetWidth, y, PenWeight::Thin);
    }

    // Column edges run from the sheet's left edge; "Left" only starts the rules.
    std::vector<double> edges{0};
    for (int c = 0; c < grid.Columns(); ++c) {
        const auto row = static_cast<std::size_t>(c);
        const double left = edges.back();
        const double right = left + columns->Number(row, "Width");
        edges.push_back(right);
        builder.Centred(grid.Cell(0, c), left, right, top + kCellMargin, true);
        builder.Line(right, top, right, kTitleBlockTop,
                     columns->Boolean(row, "BoldLine") ? PenWeight::Thick : PenWeight::Thin);
    }

    for (int r = 1; r < rowCount; ++r) {
        const double y = top + kRowPitch * squeeze * r + kCellMargin;
        for (int c = 0; c < grid.Columns(); ++c) {
            const std::string& text = grid.Cell(r, c);
            if (text.empty()) {
                continue;
            }
            const double left = edges[static_cast<std::size_t>(c)];
            const double right = edges[static_cast<std::size_t>(c) + 1];
            switch (GridCellAlignment(grid.layout.alignments[static_cast<std::size_t>(c)], text)
                        .horizontal) {
            case CellHorizontal::Centre:
                builder.Centred(text, left, right, y, false);
                break;
            case CellHorizontal::Right:
                builder.RightAligned(text, left + kCellMargin, right - kCellMargin, y, false);
                break;
            case CellHorizontal::Left:
                builder.Text(text, left + kCellMargin, y, false, right);
                break;
            }
        }
    }

    builder.Line(0, top, kSheetWidth, top, PenWeight::Thick);

    if (changedRows != nullptr) {
        const double pitch = definition->RowHeight * squeeze;
        for (const int r : *changedRows) {
            if (r >= 1 && r < rowCount) {
                builder.Add(SheetRectangle{kChangeBarLeft, top + r * pitch + pitch / 8,
                                           kChangeBarRight, top + (r + 1) * pitch - pitch / 8,
                                           PenWeight::Thin, true});
            }
        }
    }
}

} // namespace waybill
