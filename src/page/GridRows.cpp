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

std::optional<GridLineRows> ReadGridLine(std::string_view line) {
    if (line.empty()) {
        return GridLineRows{};
    }
    if (AllDigits(line)) {
        const auto run = RowCount(line);
        return run ? std::optional(GridLineRows{*run, {}}) : std::nullopt;
    }
    if (line.front() < '0' || line.front() > '9') {
        return GridLineRows{1, line};
    }
    const std::size_t bar = line.find('|');
    if (bar == std::string_view::npos) {
        return std::nullopt;
    }
    const auto repeat = RowCount(TrimView(line.substr(0, bar)));
    return repeat ? std::optional(GridLineRows{*repeat, line.substr(bar)}) : std::nullopt;
}

GridRows::GridRows(const PageLines& lines, std::size_t begin) {
    std::size_t i = begin;
    for (; i < lines.size() && !ParseKeywordLine(lines[i]); ++i) {
        const auto rows = ReadGridLine(TrimView(lines[i]));
        if (!rows || Count() + rows->count > kMaxGridRow) {
            continue;
        }
        int index = -1;
        if (!rows->valueLine.empty()) {
            lines_.push_back(SplitPipeList(rows->valueLine));
            index = static_cast<int>(lines_.size() - 1);
        }
        rowLine_.insert(rowLine_.end(), static_cast<std::size_t>(rows->count), index);
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
