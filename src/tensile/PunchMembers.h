#pragma once

#include "export/ExportFailure.h"
#include "model/Book.h"

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace waybill {

// Which members go to the punching machine ("Export &all members" or "Export &only members
// with "A" Dims or mismatched punches").
enum class PunchSelection { All, Only };

// One Cee or Zee member row that passed validation.
struct PunchMember {
    std::string pieceMark;
    std::int16_t quantity = 0;
    float length = 0; // inches
    std::string leadCode;
    std::string trailCode;
    std::vector<float> aDims; // inches, in column order

    bool operator==(const PunchMember&) const = default;
};

struct PunchExportList {
    std::string jobNumber; // trimmed
    std::vector<PunchMember> members;
};

// The minimum member length a punch code needs at one end, in inches.
double PunchAllowance(std::string_view code);

// Walks the Zee and Cee member pages of the book in order and validates every member row;
// the first unconfigured page or faulty row stops it with the failure to show (its page,
// and for a row the cell). A repeated-row line counts as that many equal rows.
std::variant<PunchExportList, ExportFailure> CollectPunchMembers(const Book& book,
                                                                 PunchSelection selection);

} // namespace waybill
