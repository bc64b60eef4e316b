#include "page/TitleBlockFields.h"

#include "model/Book.h"
#include "page/PageLayout.h"
#include "page/PageView.h"

namespace waybill {

std::string TitleBlockFieldName(int field) {
    if (field < 0 || field >= static_cast<int>(kTitleBlockSlots.size())) {
        return {};
    }
    std::string_view label = kTitleBlockSlots[static_cast<std::size_t>(field)].label;
    if (label.ends_with(':')) {
        label.remove_suffix(1);
    }
    return std::string(label);
}

bool IsDocumentField(int field) {
    return field == TblkDetailBy || field == TblkIssue || field == TblkCheckedBy ||
           field == TblkDate || field == TblkCustomer || field == TblkJobNumber;
}

const std::string& TitleBlockText(const Book& book, const Page& page, int field) {
    static const std::string kNone;
    switch (field) {
    case TblkFinish:
        return page.Finish;
    case TblkDetailBy:
        return book.DetailBy;
    case TblkIssue:
        return book.Issue;
    case TblkCheckedBy:
        return book.CheckedBy;
    case TblkDate:
        return book.CurDate;
    case TblkCadNumber:
        return page.CadNumber;
    case TblkCustomer:
        return book.Customer;
    case TblkJobNumber:
        return book.JobNumber;
    case TblkDescription:
        return page.Description;
    default:
        return kNone;
    }
}

} // namespace waybill
