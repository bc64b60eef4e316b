#include "page/PageReader.h"

#include "units/Parsers.h"
#include "units/Text.h"

#include <algorithm>

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

std::optional<KeywordLine> ParseKeywordLine(std::string_view line) {
    const std::size_t colon = line.find(':');
    if (colon == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view candidate = TrimView(line.substr(0, colon + 1));
    PageKeyword keyword;
    if (EqualsNoCase(candidate, "REVGRID:")) {
        keyword = PageKeyword::RevGrid;
    } else if (EqualsNoCase(candidate, "GRID:")) {
        keyword = PageKeyword::Grid;
    } else if (EqualsNoCase(candidate, "BLOCK:")) {
        keyword = PageKeyword::Block;
    } else if (EqualsNoCase(candidate, "ATTRIBLK:")) {
        keyword = PageKeyword::AttribBlock;
    } else {
        return std::nullopt;
    }
    return KeywordLine{keyword, Trim(line.substr(colon + 1))};
}

std::vector<PageItem> ReadPageItems(const PageLines& lines) {
    std::vector<PageItem> items;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        auto keyword = ParseKeywordLine(lines[i]);
        if (!keyword) {
            continue;
        }
        if (!items.empty()) {
            items.back().end = i;
        }
        PageItem item{keyword->keyword, std::move(keyword->argument), i, lines.size()};
        items.push_back(std::move(item));
    }
    for (PageItem& item : items) {
        const bool ownsValueLine =
            item.keyword == PageKeyword::RevGrid || item.keyword == PageKeyword::AttribBlock;
        if (ownsValueLine && item.line + 1 < item.end) {
            item.value = &lines[item.line + 1];
        }
    }
    return items;
}

const PageItem* ShownGridItem(const std::vector<PageItem>& items) {
    const auto last = std::find_if(items.rbegin(), items.rend(), [](const PageItem& item) {
        return item.keyword == PageKeyword::Grid;
    });
    return last == items.rend() ? nullptr : &*last;
}

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

GridRows::GridRows(const PageLines& lines, const PageItem& grid) {
    for (std::size_t i = grid.FirstGridLine(); i < grid.end; ++i) {
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
}

const std::vector<std::string>& GridRows::Values(int row) const {
    if (row < 1 || row > Count() || rowLine_[static_cast<std::size_t>(row - 1)] < 0) {
        return kNoValues;
    }
    return lines_[static_cast<std::size_t>(rowLine_[static_cast<std::size_t>(row - 1)])];
}

} // namespace waybill
