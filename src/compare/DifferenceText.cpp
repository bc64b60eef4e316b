#include "compare/DifferenceText.h"

namespace waybill {
namespace {

std::string Shown(const std::string& text) {
    return text.empty() ? "(empty)" : text;
}

std::string PagePart(int page, const std::string& cadNumber) {
    return "page " + std::to_string(page) + " (" + cadNumber + ")";
}

std::string RowPart(const Change& change) {
    std::string text = change.place.row > 0 ? "row " + std::to_string(change.place.row)
                                            : "old row " + std::to_string(change.oldRow);
    if (!change.partMark.empty()) {
        text += " (" + change.partMarkHeader + " " + change.partMark + ")";
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

std::string ChangePlaceName(const Change& change) {
    const Place& place = change.place;
    switch (change.kind) {
    case ChangeKind::PageAdded:
    case ChangeKind::PageRemoved:
    case ChangeKind::PageMoved:
    case ChangeKind::RowAdded:
    case ChangeKind::RowRemoved:
        return {};
    case ChangeKind::BlockAdded:
    case ChangeKind::BlockRemoved:
        return BlockPart(place);
    case ChangeKind::KeptLineAdded:
    case ChangeKind::KeptLineRemoved:
        return "grid " + change.grid + ", stored line";
    case ChangeKind::TextChanged:
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

std::string DescribeChange(const Change& change) {
    const Place& place = change.place;
    const std::string where =
        place.page > 0 ? PagePart(place.page, place.cadNumber) : std::string("title block");
    switch (change.kind) {
    case ChangeKind::PageAdded:
        return where + ": page added";
    case ChangeKind::PageRemoved:
        return "old " + PagePart(change.oldPage, place.cadNumber) + ": page removed";
    case ChangeKind::PageMoved:
        return where + ": moved from page " + std::to_string(change.oldPage);
    case ChangeKind::RowAdded:
        return where + ", " + RowPart(change) + ": row added";
    case ChangeKind::RowRemoved:
        return where + ", " + RowPart(change) + ": row removed";
    case ChangeKind::BlockAdded:
        return where + ", " + ChangePlaceName(change) + ": block added";
    case ChangeKind::BlockRemoved:
        return where + ", " + ChangePlaceName(change) + ": block removed";
    case ChangeKind::KeptLineAdded:
        return where + ", " + ChangePlaceName(change) + " added: " + change.newText;
    case ChangeKind::KeptLineRemoved:
        return where + ", " + ChangePlaceName(change) + " removed: " + change.oldText;
    case ChangeKind::TextChanged:
        break;
    }
    const bool cell = place.kind == PlaceKind::Cell;
    return where + ", " + (cell ? RowPart(change) + ", " : std::string{}) +
           ChangePlaceName(change) + ": " + Shown(change.oldText) + " -> " + Shown(change.newText) +
           (change.sameLength ? " (same length)" : "");
}

} // namespace waybill
