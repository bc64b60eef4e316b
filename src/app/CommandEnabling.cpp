#include "app/CommandEnabling.h"

#include "units/Text.h"

namespace waybill {

CommandEnabling ComputeEnabling(int pageCount, int currentPage, bool hasPageBuf, bool loaded) {
    CommandEnabling enabling;
    enabling.firstPage = currentPage > 1;
    enabling.gotoPage = pageCount > 1;
    enabling.lastPage = currentPage < pageCount;
    enabling.addPage = loaded;
    enabling.pageCommands = pageCount > 0 && loaded;
    enabling.pastePage = hasPageBuf && loaded;
    enabling.documentCommands = pageCount > 0 && loaded;
    return enabling;
}

std::optional<int> ParseGotoPageNumber(std::string_view text, int pageCount) {
    const std::string_view digits = TrimView(text);
    if (digits.empty()) {
        return std::nullopt;
    }
    long long number = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        number = number * 10 + (c - '0');
        if (number > pageCount) {
            return std::nullopt;
        }
    }
    if (number < 1) {
        return std::nullopt;
    }
    return static_cast<int>(number);
}

} // namespace waybill
