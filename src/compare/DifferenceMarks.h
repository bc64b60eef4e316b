#pragma once

#include "compare/BookComparison.h"
#include "page/ChangeMarks.h"

#include <vector>

namespace waybill {

// The marks of page `page` (1-based) among `differences` (CompareBooks' list): its changed cells,
// added rows, changed title-block fields (the document's own fields on every page), revision
// cells and attribute values. Removed rows and pages leave nothing to mark.
PageChangeMarks MarksForPage(const std::vector<Difference>& differences, int page);

} // namespace waybill
