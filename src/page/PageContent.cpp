#include "page/PageContent.h"

#include "page/PageData.h"
#include "units/Parsers.h"

#include <algorithm>

namespace waybill {

PageContent ReadPageContent(const PageLines& lines) {
    PageContent content;
    const auto valueLineAt = [&](std::size_t i) {
        return i < lines.size() && !ParseKeywordLine(lines[i]);
    };
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto keyword = ParseKeywordLine(lines[i]);
        if (!keyword) {
            continue;
        }
        switch (keyword->keyword) {
        case PageKeyword::RevGrid:
            if (valueLineAt(i + 1)) {
                const auto values = SplitPipeList(lines[++i]);
                const std::size_t n =
                    std::min<std::size_t>(values.size(), kRevisionRows * kRevisionColumns);
                for (std::size_t k = 0; k < n; ++k) {
                    content.revision[k / kRevisionColumns][k % kRevisionColumns] = values[k];
                }
            }
            break;
        case PageKeyword::Grid: {
            GridRows rows(lines, i + 1);
            i = rows.End() - 1;
            content.grids.push_back({keyword->argument, std::move(rows)});
            break;
        }
        case PageKeyword::Block:
            content.blocks.push_back({keyword->argument, std::nullopt});
            break;
        case PageKeyword::AttribBlock:
            content.blocks.push_back({keyword->argument, std::nullopt});
            if (valueLineAt(i + 1)) {
                content.blocks.back().valueLine = lines[++i];
            }
            break;
        }
    }
    return content;
}

} // namespace waybill
