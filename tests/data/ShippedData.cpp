#include "ShippedData.h"

#include "model/Book.h"
#include "model/FwbFile.h"
#include "page/PageData.h"
#include "page/PageView.h"
#include "units/Parsers.h"
#include "units/Text.h"

#include <stdexcept>

namespace waybill::testdata {

const ReferenceDatabase& Database() {
    static const OpenedReferenceDatabase opened = OpenReferenceDatabase(WAYBILL_REFERENCE_DB);
    if (!opened.database) {
        throw std::runtime_error("cannot open the reference database: " + opened.error);
    }
    return *opened.database;
}

namespace {

PageContent ContentOf(const Page& page) {
    PageContent content{page.CadNumber, CadBase(page.CadNumber), {}, {}};
    enum class Part { None, Grid, Attributes } part = Part::None;
    for (const std::string& line : page.PageData) {
        if (const auto keyword = ParseKeywordLine(line)) {
            part = Part::None; // a revision grid's value line is not page content here
            if (keyword->keyword == PageKeyword::Grid) {
                content.grids.push_back({keyword->argument, 0, {}});
                part = Part::Grid;
            } else if (keyword->keyword != PageKeyword::RevGrid) {
                const bool attributes = keyword->keyword == PageKeyword::AttribBlock;
                content.blocks.push_back({keyword->argument, attributes, std::nullopt,
                                          content.grids.empty()
                                              ? std::nullopt
                                              : std::optional(content.grids.back().name)});
                part = attributes ? Part::Attributes : Part::None;
            }
            continue;
        }
        const std::string_view text = TrimView(line);
        if (part == Part::Attributes) {
            content.blocks.back().valueLine = std::string(text);
            part = Part::None;
        } else if (part == Part::Grid) {
            GridUse& grid = content.grids.back();
            if (!text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos) {
                grid.rowsFilled += std::stoi(std::string(text));
                continue;
            }
            int count = 1;
            std::string_view row = text;
            if (!text.empty() && text[0] >= '0' && text[0] <= '9') {
                const std::size_t bar = text.find('|');
                count = std::stoi(std::string(text.substr(0, bar)));
                row = bar == std::string_view::npos ? std::string_view{} : text.substr(bar);
            }
            grid.rowLines.push_back(SplitPipeList(row));
            grid.rowsFilled += count;
        }
    }
    return content;
}

} // namespace

const std::vector<PageContent>& ShippedPages() {
    static const std::vector<PageContent> pages = [] {
        std::vector<PageContent> all;
        for (const char* file : {"Default.fwb", "Red-line.fwb"}) {
            Book book;
            if (const auto message = ReadFWB(DataDir() / file, book)) {
                throw std::runtime_error(message->text);
            }
            for (const auto& page : book.Pages()) {
                all.push_back(ContentOf(*page));
            }
        }
        return all;
    }();
    return pages;
}

} // namespace waybill::testdata
