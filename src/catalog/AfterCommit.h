#pragma once

#include "page/PageChanges.h"
#include "platform/UserMessage.h"

#include <optional>

namespace waybill {

// What committing a line-item cell sets off: the cells recalculated from it and, when the
// committed text is no valid value of its cell, the message to show before the cell is
// opened for typing again.
struct CommitFollowUp {
    PageChanges changes;
    std::optional<UserMessage> invalid;
};

// On cable pages the shipping length (column 3) rebuilds its row; on Zee and Cee member pages
// and purlin lists the length column sets the row's short-length mark. Nothing for any other
// cell.
CommitFollowUp AfterCellCommit(const PageView& view, int row, int column);

} // namespace waybill
