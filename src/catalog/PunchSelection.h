#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace waybill {

// The punch patterns a punch-pattern cell may name, in list order.
const std::vector<std::string>& PunchCatalogue();

// A punch-pattern cell reads: label, " (punch=", code, ")".
struct PunchCellParts {
    std::string label;
    std::string code;

    bool operator==(const PunchCellParts&) const = default;
};

// The label is the text before the first "(" (the whole text without one), the code the
// text after the first "=" up to the last ")" after it; both trimmed. A text with "(" but
// no "=" names no code.
PunchCellParts ParsePunchCell(std::string_view text);

// The catalogue entry a code selects: the first equal to the code in upper case.
std::optional<std::size_t> PunchCatalogueIndex(std::string_view code);

// The cell text for a label and a chosen pattern.
std::string PunchCellText(std::string_view label, std::string_view pattern);

} // namespace waybill
