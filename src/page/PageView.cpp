#include "page/PageView.h"

#include "model/Book.h"
#include "units/Text.h"

namespace waybill {

void AttribValueList::Add(std::string block, std::string valueLine) {
    entries_.push_back({std::move(block), std::move(valueLine)});
}

std::optional<std::size_t> AttribValueList::IndexOf(std::string_view block,
                                                    std::size_t occurrence) const {
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (EqualsNoCase(entries_[i].block, block)) {
            if (occurrence == 0) {
                return i;
            }
            --occurrence;
        }
    }
    return std::nullopt;
}

const AttribValueList::Entry* AttribValueList::Find(std::string_view block,
                                                    std::size_t occurrence) const {
    const auto index = IndexOf(block, occurrence);
    return index ? &entries_[*index] : nullptr;
}

bool AttribValueList::Replace(std::string_view block, std::string valueLine,
                              std::size_t occurrence) {
    const auto index = IndexOf(block, occurrence);
    if (!index) {
        return false;
    }
    entries_[*index].valueLine = std::move(valueLine);
    return true;
}

const std::string& GridView::Cell(int row, int column) const {
    return cells.at(static_cast<std::size_t>(row * layout.columns + column));
}

void GridView::SetCell(int row, int column, std::string text) {
    cells.at(static_cast<std::size_t>(row * layout.columns + column)) = std::move(text);
}

void SetTblkInfo(PageView& view, const Book& book) {
    view.titleBlock[TblkDetailBy] = book.DetailBy;
    view.titleBlock[TblkIssue] = book.Issue;
    view.titleBlock[TblkCheckedBy] = book.CheckedBy;
    view.titleBlock[TblkDate] = book.CurDate;
    view.titleBlock[TblkCustomer] = book.Customer;
    view.titleBlock[TblkJobNumber] = book.JobNumber;
}

} // namespace waybill
