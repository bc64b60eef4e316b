#pragma once

#include "catalog/PageChanges.h"

namespace waybill {

// What committing a changed line-item cell sets off: on cable pages the shipping length
// (column 3) rebuilds its row; on Zee and Cee member pages and purlin lists the length column
// sets the row's short-length mark. Nothing for any other cell.
PageChanges AfterCellCommit(const PageView& view, int row, int column);

} // namespace waybill
