#include "catalog/PunchSelection.h"

#include "units/Text.h"

namespace waybill {

const std::vector<std::string>& PunchCatalogue() {
    static const std::vector<std::string> kPatterns{
        "NO PUNCH", "SPECIAL", "A",      "B",  "C",  "D",  "E",  "F",  "RED", "WHITE",
        "BLUE",     "PINK",    "SIMPLE", "WA", "WB", "WC", "WD", "WE", "WF",  "WH"};
    return kPatterns;
}

PunchCellParts ParsePunchCell(std::string_view text) {
    const auto open = text.find('(');
    if (open == std::string_view::npos) {
        return {Trim(text), {}};
    }
    PunchCellParts parts{Trim(text.substr(0, open)), {}};
    const auto equals = text.find('=');
    if (equals == std::string_view::npos) {
        return parts;
    }
    std::string_view code = text.substr(equals + 1);
    if (const auto close = text.rfind(')'); close != std::string_view::npos && close > equals) {
        code = text.substr(equals + 1, close - equals - 1);
    }
    parts.code = Trim(code);
    return parts;
}

std::optional<std::size_t> PunchCatalogueIndex(std::string_view code) {
    const std::string wanted = ToUpper(code);
    const auto& patterns = PunchCatalogue();
    for (std::size_t i = 0; i < patterns.size(); ++i) {
        if (patterns[i] == wanted) {
            return i;
        }
    }
    return std::nullopt;
}

std::string PunchCellText(std::string_view label, std::string_view pattern) {
    return std::string(label) + " (punch=" + std::string(pattern) + ")";
}

} // namespace waybill
