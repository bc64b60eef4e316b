#include "page/GridSetup.h"

#include "units/NumberText.h"
#include "units/Text.h"

#include <cmath>

namespace waybill {

UserMessage GridNotFoundMessage(std::string_view gridName) {
    return {"Grid " + std::string(gridName) + " not found in Grid Definition Table.", "Waybill",
            MessageIcon::Exclamation};
}

CellAlignment GridCellAlignment(int code, std::string_view text) {
    if (code == 9) {
        return {IsNumeric(text) ? CellHorizontal::Right : CellHorizontal::Left,
                CellVertical::Middle};
    }
    if (code < 0 || code > 8) {
        return {};
    }
    static constexpr CellHorizontal kHorizontal[] = {CellHorizontal::Left, CellHorizontal::Centre,
                                                     CellHorizontal::Right};
    static constexpr CellVertical kVertical[] = {CellVertical::Top, CellVertical::Middle,
                                                 CellVertical::Bottom};
    return {kHorizontal[code / 3], kVertical[code % 3]};
}

UserMessage GridOutOfBoundsMessage(std::string_view gridName) {
    return {"Grid " + std::string(gridName) + " in Grid Definition Table has sizes out of range.",
            "Waybill", MessageIcon::Exclamation};
}

bool GridDefinitionInBounds(const GridDefinition& definition) {
    return definition.Columns >= 1 && definition.Columns <= kMaxGridColumns &&
           definition.Rows >= 0 && definition.Rows <= kMaxGridRows && definition.RowHeight >= 0 &&
           definition.RowHeight <= kMaxGridInches && std::isfinite(definition.Left) &&
           std::isfinite(definition.Top);
}

std::vector<double> ResizeRows(double height, int rowCount, double unitsPerPixel) {
    if (rowCount <= 0) {
        return {};
    }
    const double p = unitsPerPixel > 0 ? unitsPerPixel : 1;
    // A row is a whole number of pixels.
    const double a = std::floor(height / rowCount / p) * p;
    std::vector<double> heights(static_cast<std::size_t>(rowCount), a);
    const double total = rowCount * a;
    if (std::fabs(total - height) >= p) {
        const double b = height > total ? a + p : a - p;
        const int n = static_cast<int>(std::nearbyint(std::fabs(height - total) / p));
        if (n > 0) {
            const int step = std::max(1, rowCount / n);
            for (int i = 0, row = 0; i < n && row < rowCount; ++i, row += step) {
                heights[static_cast<std::size_t>(row)] = b;
            }
        }
    }
    return heights;
}

void GrowGridRows(GridLayout& layout, int rows, double unitsPerPixel) {
    if (rows > layout.rows) {
        layout.rows = rows;
        layout.rowHeights = ResizeRows(layout.height, rows, unitsPerPixel);
    }
}

std::variant<GridLayout, UserMessage> SetupGrid(const ReferenceDatabase& database,
                                                std::string_view gridName,
                                                const PageAreaMetrics& area) {
    const auto definition = database.FindGrid(gridName);
    const auto columnTable = definition ? database.ReadTable(gridName) : std::nullopt;
    if (!definition || !columnTable) {
        return GridNotFoundMessage(gridName);
    }
    if (!GridDefinitionInBounds(*definition)) {
        return GridOutOfBoundsMessage(gridName);
    }
    if (columnTable->RowCount() < static_cast<std::size_t>(definition->Columns)) {
        return GridNotFoundMessage(gridName);
    }
    // The last column's width is what the others leave; it is not read.
    for (int c = 0; c + 1 < definition->Columns; ++c) {
        const double width = columnTable->Number(static_cast<std::size_t>(c), "Width");
        if (!(width >= 0 && width <= kMaxGridInches)) {
            return GridOutOfBoundsMessage(gridName);
        }
    }

    GridLayout grid;
    grid.name = std::string(gridName);
    grid.columns = definition->Columns;
    grid.rows = definition->Rows + 1;
    grid.left = definition->Left;
    grid.top = definition->Top * area.verticalScale;
    grid.width = area.innerWidth;
    grid.height = area.innerHeight - grid.top;
    grid.rowHeights = ResizeRows(grid.height, grid.rows, area.unitsPerPixel);

    double used = 0;
    for (int c = 0; c < grid.columns; ++c) {
        const auto row = static_cast<std::size_t>(c);
        double width = 0;
        if (c == grid.columns - 1) {
            width = std::nearbyint(grid.width - used);
        } else {
            width = std::nearbyint(columnTable->Number(row, "Width") * area.horizontalScale);
            used += width;
        }
        grid.columnWidths.push_back(width);
        grid.alignments.push_back(static_cast<int>(columnTable->Integer(row, "Align")));
        grid.headers.push_back(columnTable->Text(row, "Label"));
    }
    grid.compIdShaded = EqualsNoCase(grid.headers.back(), "COMP. ID");
    return grid;
}

} // namespace waybill
