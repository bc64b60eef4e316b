#include "export/ExportFailure.h"

#include "units/Text.h"

namespace waybill {

std::optional<ExportFailure> CheckJobNumber(std::string_view jobNumber) {
    if (!TrimView(jobNumber).empty()) {
        return std::nullopt;
    }
    return ExportFailure{{"You must supply a job number before you can export.",
                          "Missing Job Number", MessageIcon::None},
                         0,
                         ExportFocus::JobNumber};
}

} // namespace waybill
