#include "ShippedData.h"

#include "model/FwbFile.h"
#include "page/PageData.h"
#include "page/PageView.h"
#include "units/Parsers.h"
#include "units/Text.h"

#include <map>
#include <stdexcept>

namespace waybill::testdata {

std::filesystem::path DataDir() {
    return WAYBILL_DATA_DIR;
}

const ReferenceDatabase& Database() {
    static const OpenedReferenceDatabase opened = OpenReferenceDatabase(WAYBILL_REFERENCE_DB);
    if (!opened.database) {
        throw std::runtime_error("cannot open the reference database: " + opened.error);
    }
    return *opened.database;
}

const Book& Document(const std::string& fileName) {
    static std::map<std::string, Book> documents;
    auto found = documents.find(fileName);
    if (found == documents.end()) {
        Book book;
        if (const auto message = ReadFWB(DataDir() / fileName, book)) {
            throw std::runtime_error(message->text);
        }
        found = documents.emplace(fileName, std::move(book)).first;
    }
    return found->second;
}

namespace {

bool AllDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

} // namespace

PageContent ContentOf(const Page& page) {
    PageContent content{page.CadNumber, CadBase(page.CadNumber), {}, {}};
    enum class Part { None, Grid, Attributes } part = Part::None;
    for (const std::string& line : page.PageData) {
        if (const auto keyword = ParseKeywordLine(line)) {
            switch (keyword->keyword) {
            case PageKeyword::Grid:
                content.grids.push_back({keyword->argument, 0, {}, {}});
                part = Part::Grid;
                break;
            case PageKeyword::Block:
            case PageKeyword::AttribBlock: {
                BlockUse block{keyword->argument, keyword->keyword == PageKeyword::AttribBlock,
                               std::nullopt, std::nullopt};
                if (!content.grids.empty()) {
                    block.gridAbove = content.grids.back().name;
                }
                content.blocks.push_back(block);
                part = block.attributes ? Part::Attributes : Part::None;
                break;
            }
            case PageKeyword::RevGrid: // its value line is not page content here
                part = Part::None;
                break;
            }
            continue;
        }
        const std::string_view text = TrimView(line);
        if (part == Part::Attributes) {
            content.blocks.back().valueLine = std::string(text);
            part = Part::None;
        } else if (part == Part::Grid) {
            GridUse& grid = content.grids.back();
            if (AllDigits(text)) {
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
            auto values = SplitPipeList(row);
            if (grid.rowsFilled == 0) {
                grid.firstRow = values;
            }
            grid.rowLines.push_back(std::move(values));
            grid.rowsFilled += count;
        }
    }
    return content;
}

const std::vector<PageContent>& ShippedPages() {
    static const std::vector<PageContent> pages = [] {
        std::vector<PageContent> all;
        for (const char* file : {"Default.fwb", "Red-line.fwb"}) {
            for (const auto& page : Document(file).Pages()) {
                all.push_back(ContentOf(*page));
            }
        }
        return all;
    }();
    return pages;
}

std::vector<std::string> ColumnLabels(const std::string& gridName) {
    std::vector<std::string> labels;
    const auto grid = Database().FindGrid(gridName);
    const auto columns = Database().ReadTable(gridName);
    if (!grid || !columns) {
        return labels;
    }
    for (std::size_t row = 0; row < columns->RowCount() && row < std::size_t(grid->Columns);
         ++row) {
        labels.push_back(Trim(columns->Text(row, "Label")));
    }
    return labels;
}

const std::vector<GeneratorBlock>& GeneratorBlocks() {
    static const std::vector<GeneratorBlock> blocks = {
        {"trim20", 16}, {"trim21", 5},  {"trim22", 10},      {"trim23", 9},
        {"trim24", 5},  {"trim25", 10}, {"trim26", 8},       {"trim27", 18},
        {"trim28", 6},  {"trim29", 13}, {"gutter_strap", 7}, {"conhd", 23},
        {"conhdl", 24}, {"conhdr", 24}, {"enddam", 13},      {"enddam2", 11},
    };
    return blocks;
}

} // namespace waybill::testdata
