#include "compare/DifferenceText.h"

namespace waybill {
namespace {

std::string Shown(const std::string& text) {
    return text.empty() ? "(empty)" : text;
}

std::string PagePart(int page, const std::string& cadNumber) {
    return "page " + std::to_string(page) + " (" + cadNumber + ")";
}

std::string RowPart(const Difference& difference) {
    std::string text = difference.place.row > 0 ? "row " + std::to_string(difference.place.row)
                                                : "old row " + std::to_string(difference.oldRow);
    if (!difference.partMark.empty()) {
        text += " (" + difference.partMarkHeader + " " + difference.partMark + ")";
    }
    return text;
}

std::string BlockPart(const Place& place) {
    std::string text = "block " + place.block;
    if (place.blockOccurrence > 0) {
        text += " #" + std::to_string(place.blockOccurrence + 1);
    }
    return text;
}

} // namespace

std::string DifferencePlaceName(const Difference& difference) {
    const Place& place = difference.place;
    switch (difference.kind) {
    case DifferenceKind::PageAdded:
    case DifferenceKind::PageRemoved:
    case DifferenceKind::PageMoved:
    case DifferenceKind::RowAdded:
    case DifferenceKind::RowRemoved:
        return {};
    case DifferenceKind::BlockAdded:
    case DifferenceKind::BlockRemoved:
        return BlockPart(place);
    case DifferenceKind::KeptLineAdded:
    case DifferenceKind::KeptLineRemoved:
        return "grid " + difference.grid + ", stored line";
    case DifferenceKind::TextChanged:
        break;
    }
    switch (place.kind) {
    case PlaceKind::Cell:
        return place.columnHeader.empty() ? "column " + std::to_string(place.column)
                                          : place.columnHeader;
    case PlaceKind::RevisionCell:
        return "revision " + std::to_string(place.row) + ", " + place.columnHeader;
    case PlaceKind::Attribute:
        return BlockPart(place) + ", " +
               (place.tag.empty() ? "value " + std::to_string(place.attribute + 1) : place.tag);
    case PlaceKind::TitleBlockField:
    case PlaceKind::PageDescription:
        break;
    }
    return place.fieldName;
}

std::string DescribeDifference(const Difference& difference) {
    const Place& place = difference.place;
    const std::string where =
        place.page > 0 ? PagePart(place.page, place.cadNumber) : std::string("title block");
    switch (difference.kind) {
    case DifferenceKind::PageAdded:
        return where + ": page added";
    case DifferenceKind::PageRemoved:
        return "old " + PagePart(difference.oldPage, place.cadNumber) + ": page removed";
    case DifferenceKind::PageMoved:
        return where + ": moved from page " + std::to_string(difference.oldPage);
    case DifferenceKind::RowAdded:
        return where + ", " + RowPart(difference) + ": row added";
    case DifferenceKind::RowRemoved:
        return where + ", " + RowPart(difference) + ": row removed";
    case DifferenceKind::BlockAdded:
        return where + ", " + DifferencePlaceName(difference) + ": block added";
    case DifferenceKind::BlockRemoved:
        return where + ", " + DifferencePlaceName(difference) + ": block removed";
    case DifferenceKind::KeptLineAdded:
        return where + ", " + DifferencePlaceName(difference) + " added: " + difference.newText;
    case DifferenceKind::KeptLineRemoved:
        return where + ", " + DifferencePlaceName(difference) + " removed: " + difference.oldText;
    case DifferenceKind::TextChanged:
        break;
    }
    const bool cell = place.kind == PlaceKind::Cell;
    return where + ", " + (cell ? RowPart(difference) + ", " : std::string{}) +
           DifferencePlaceName(difference) + ": " + Shown(difference.oldText) + " -> " +
           Shown(difference.newText) + (difference.sameLength ? " (same length)" : "");
}

} // namespace waybill
