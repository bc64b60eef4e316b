#pragma once

// Adds drawing steps to a sheet, measuring texts so that each fits its slot. Shared by the
// parts of DescribeSheet: the builder is implemented in DescribeSheet.cpp, AddGrid in
// SheetGrid.cpp.

#include "print/PrintedSheet.h"

namespace waybill {

class SheetBuilder {
  public:
    SheetBuilder(PrintedSheet& sheet, const SheetTextMeasurer& measure)
        : sheet_(sheet), measure_(measure) {}

    void Line(double x1, double y1, double x2, double y2, PenWeight pen);
    void Rectangle(double left, double top, double right, double bottom, PenWeight pen);
    // A text from x, narrowed when it would reach the line at `limit`; gives where it ends.
    double Text(std::string text, double x, double y, bool bold, double limit);
    // A text centred between left and right, narrowed to fit between them.
    void Centred(std::string text, double left, double right, double y, bool bold);
    // A text ending at `right`, narrowed to start no further left than `left`.
    void RightAligned(std::string text, double left, double right, double y, bool bold);
    template <typename Item> void Add(Item item) {
        sheet_.items.emplace_back(std::in_place_type<Item>, std::move(item));
    }
    void Message(UserMessage message) { sheet_.messages.push_back(std::move(message)); }
    double Width(std::string_view text, bool bold) const;
    double TextWidth(std::string_view text, double pointSize) const;

  private:
    PrintedSheet& sheet_;
    const SheetTextMeasurer& measure_;
};

// The page's grid: rules, column edges, headers and cells, by the grid's definition.
// Rows in `changedRows` (sorted; none when null) get a change bar.
struct GridView;
void AddGrid(SheetBuilder& builder, const GridView& grid, const ReferenceDatabase& database,
             const std::vector<int>* changedRows = nullptr);

} // namespace waybill
