#include "page/GridRows.h"

#include "page/PageData.h"
#include "units/Parsers.h"
#include "units/Text.h"

#include <algorithm>
#include <optional>

namespace waybill {
namespace {

bool AllDigits(std::string_view s) {
    return !s.empty() &&
           std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::optional<int> RowCount(std::string_view digits) {
    if (!AllDigits(digits) || digits.size() > 9) {
        return std::nullopt;
    }
    return std::stoi(std::string(digits));
}

const std::vector<std::string> kNoValues;

} // namespace

GridRows::GridRows(const PageLines& lines, std::size_t begin, int lastRow) {
    lastRow = std::min(lastRow, kMaxGridRow);
    std::size_t i = begin;
    for (; i < lines.size() && !ParseKeywordLine(lines[i]); ++i) {
        std::string_view line = TrimView(lines[i]);
        if (line.empty()) {
            continue;
        }
        const int filled = Count();
        if (AllDigits(line)) {
            const auto run = RowCount(line);
            if (run && filled + *run <= lastRow) {
                rowLine_.insert(rowLine_.end(), static_cast<std::size_t>(*run), -1);
            }
            continue;
        }
        int count = 1;
        if (line.front() >= '0' && line.front() <= '9') {
            const std::size_t bar = line.find('|');
            const auto repeat = bar == std::string_view::npos
                                    ? std::nullopt
                                    : RowCount(TrimView(line.substr(0, bar)));
            if (!repeat) {
                continue;
            }
            count = *repeat;
            line = line.substr(bar);
        }
        if (filled + count > lastRow) {
            continue;
        }
        lines_.push_back(SplitPipeList(line));
        rowLine_.insert(rowLine_.end(), static_cast<std::size_t>(count),
                        static_cast<int>(lines_.size() - 1));
    }
    end_ = i;
}

const std::vector<std::string>& GridRows::Values(int row) const {
    if (row < 1 || row > Count() || rowLine_[static_cast<std::size_t>(row - 1)] < 0) {
        return kNoValues;
    }
    return lines_[static_cast<std::size_t>(rowLine_[static_cast<std::size_t>(row - 1)])];
}

} // namespace waybill
