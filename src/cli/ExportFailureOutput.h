#pragma once

#include "export/ExportFailure.h"

#include <ostream>

namespace waybill::cli {

// The message of a stopped export, then where it stopped: "page P, row R, column C" for a
// bad cell (grid row and column from 0, row 0 the header), "page P" for a page.
void PrintExportFailure(std::ostream& err, const ExportFailure& failure);

} // namespace waybill::cli
