#pragma once

#include "tensile/PunchMembers.h"
#include "tensile/PunchTemplates.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace waybill {

// The special patterns file the punching machine reads: fixed records of 2346 bytes,
// little-endian, IEEE single-precision numbers.
constexpr std::size_t kPatternRecordSize = 2346;
constexpr std::size_t kPatternNameSize = 24;
// Entries per section; a hole takes two (code 97 and code 98 at the same position).
constexpr std::size_t kSectionEntries = 64;

// Byte offsets within a record.
constexpr std::size_t kNameOffset = 0;
constexpr std::size_t kLengthOffset = 24;
constexpr std::size_t kQuantityOffset = 28;
constexpr std::size_t kLeadCountOffset = 30;
constexpr std::size_t kLeadCodeOffset = 34;
constexpr std::size_t kLeadPosOffset = 290;
constexpr std::size_t kTailCountOffset = 1574;
constexpr std::size_t kTailCodeOffset = 1578;
constexpr std::size_t kTailPosOffset = 1834;

// The Name field: upper-case job number, piece mark, NUL, padded with blanks (cut at 24).
std::string PatternName(std::string_view jobNumber, std::string_view pieceMark);
// A Name as records are matched and listed: trailing blanks and NULs removed.
std::string PatternKey(std::string_view nameField);

struct PatternsUpdate {
    std::string file; // the whole new file
    int updated = 0;  // records overwritten in place
    int appended = 0;
    // Names (as keys) of members left out: their "A" dimensions did not fit the lead section.
    std::vector<std::string> tooManyLeadPunches;
};

// The patterns file `oldFile` with one record per member: a record of the same Name (any
// letter case) is overwritten in place, otherwise the record is appended. On failure (a file
// that is not whole records, a template missing or too large, a template hole past the
// member's end, two members sharing a Name) the message text; nothing is to be written then.
std::variant<PatternsUpdate, std::string> UpdatePatternsFile(std::string_view oldFile,
                                                             const PunchExportList& list,
                                                             const PunchTemplates& templates);

} // namespace waybill
