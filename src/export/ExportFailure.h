#pragma once

#include "platform/UserMessage.h"

#include <optional>
#include <string_view>

namespace waybill {

// What the window brings into view after an export's message.
enum class ExportFocus {
    None,      // nothing beyond the message
    JobNumber, // the title block's Job Number field
    Finish,    // the title block's Finish field of `page`
    Cell,      // grid cell `row`, `column` of `page`, opened for typing with an empty text
};

// Why an export stopped. Nothing has been written when an export reports one.
struct ExportFailure {
    UserMessage message;
    int page = 0; // 1-based page to show before the message; 0 for none
    ExportFocus focus = ExportFocus::None;
    int row = 0;    // with ExportFocus::Cell: grid row (row 0 is the header)
    int column = 0; // with ExportFocus::Cell: grid column from 0

    bool operator==(const ExportFailure&) const = default;
};

// Both exports need a job number: nothing when `jobNumber` (trimmed) is set, else the
// "Missing Job Number" failure that sends the user to that field.
std::optional<ExportFailure> CheckJobNumber(std::string_view jobNumber);

} // namespace waybill
