#include "page/PageData.h"

#include "model/Book.h"
#include "page/GridRows.h"
#include "units/Parsers.h"
#include "units/Text.h"

#include <algorithm>

namespace waybill {
namespace {

bool IsKeywordLine(std::string_view line) {
    return ParseKeywordLine(line).has_value();
}

// Rows past the grid definition's rows are shown after them, so that what the exports read
// can be seen and changed, and no save drops them.
UserMessage RowsBeyondGridMessage(int page, std::string_view grid, int definedRows) {
    const std::string rows = std::to_string(definedRows);
    return {"Page " + std::to_string(page) + " holds rows beyond the " + rows + " rows of grid " +
                std::string(grid) + ". They are shown after row " + rows +
                ", and are saved and exported with the others.",
            "Waybill", MessageIcon::Exclamation};
}

class Renderer {
  public:
    Renderer(PageView& view, const RenderContext& context, int pageNumber)
        : view_(view), context_(context), pageNumber_(pageNumber) {}

    void Run(const PageLines& lines) {
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const std::string& line = lines[i];
            if (const auto keyword = ParseKeywordLine(line)) {
                switch (keyword->keyword) {
                case PageKeyword::RevGrid:
                    inGrid_ = false;
                    inAttribBlock_ = false;
                    // A missing revision line must not swallow the keyword line after it.
                    if (i + 1 < lines.size() && !IsKeywordLine(lines[i + 1])) {
                        ++i;
                        Revision(lines[i]);
                    }
                    break;
                case PageKeyword::Grid:
                    Grid(keyword->argument);
                    break;
                case PageKeyword::Block:
                case PageKeyword::AttribBlock:
                    Block(keyword->argument, keyword->keyword == PageKeyword::AttribBlock);
                    break;
                }
            } else if (inAttribBlock_) {
                AttributeValues(line);
            } else if (inGrid_) {
                GridLine(TrimView(line));
            }
        }
        if (view_.grid && rowsHeld_ > view_.grid->Rows()) {
            GridLayout& layout = view_.grid->layout;
            const int definedRows = layout.rows - 1;
            GrowGridRows(layout, rowsHeld_, context_.area.unitsPerPixel);
            view_.messages.push_back(RowsBeyondGridMessage(pageNumber_, layout.name, definedRows));
        }
    }

  private:
    void Revision(std::string_view line) {
        const auto values = SplitPipeList(line);
        const std::size_t n =
            std::min<std::size_t>(values.size(), kRevisionRows * kRevisionColumns);
        for (std::size_t k = 0; k < n; ++k) {
            view_.revision[k / kRevisionColumns][k % kRevisionColumns] = values[k];
        }
    }

    void Grid(const std::string& name) {
        view_.gridSeen = true;
        inAttribBlock_ = false;
        currentRow_ = 0;
        auto result = SetupGrid(context_.database, name, context_.area);
        if (auto* message = std::get_if<UserMessage>(&result)) {
            // The page is shown without its grid, and its own grid lines are kept as stored.
            view_.messages.push_back(std::move(*message));
            view_.missingGrids.insert(ToLower(name));
            view_.grid.reset();
            inGrid_ = false;
            return;
        }
        GridView grid;
        grid.layout = std::move(std::get<GridLayout>(result));
        grid.cells.assign(static_cast<std::size_t>(grid.Rows() * grid.Columns()), std::string{});
        for (int c = 0; c < grid.Columns(); ++c) {
            grid.SetCell(0, c, grid.layout.headers[static_cast<std::size_t>(c)]);
        }
        rowsHeld_ = grid.Rows();
        view_.grid = std::move(grid);
        inGrid_ = true;
    }

    void Block(const std::string& name, bool withAttributes) {
        inGrid_ = false;
        inAttribBlock_ = withAttributes;
        view_.blocksSeen = true;
        view_.blockPictureHeight =
            view_.gridSeen && view_.grid ? view_.grid->layout.top : context_.area.innerHeight;
        currentBlock_ = name;
        view_.blocks.push_back({name, std::nullopt});
    }

    void AttributeValues(const std::string& line) {
        if (context_.attribDefs != nullptr && context_.attribDefs->Find(currentBlock_) == nullptr) {
            view_.messages.push_back(MissingAttribDefsMessage(currentBlock_));
        }
        view_.blocks.back().valueLine = line;
        view_.BlockAttribValues.Add(currentBlock_, line);
        // One value line per block; what follows it before the next keyword is not page data.
        inAttribBlock_ = false;
    }

    void GridLine(std::string_view line) {
        GridView& grid = *view_.grid;
        const auto rows = ReadGridLine(line);
        if (!rows || currentRow_ + rows->count > kMaxGridRow) {
            return;
        }
        const auto values = SplitPipeList(rows->valueLine);
        const int columns = std::min(static_cast<int>(values.size()), grid.Columns());
        const bool holdsText =
            std::any_of(values.begin(), values.begin() + columns,
                        [](const std::string& value) { return !TrimView(value).empty(); });
        const int first = currentRow_ + 1;
        currentRow_ += rows->count;
        if (holdsText && currentRow_ >= rowsHeld_) {
            // Empty rows past the definition hold nothing to keep; these rows do.
            rowsHeld_ = currentRow_ + 1;
            grid.cells.resize(static_cast<std::size_t>(rowsHeld_) *
                              static_cast<std::size_t>(grid.Columns()));
        }
        for (int row = first; row <= currentRow_ && row < rowsHeld_; ++row) {
            for (int c = 0; c < columns; ++c) {
                grid.SetCell(row, c, values[static_cast<std::size_t>(c)]);
            }
        }
    }

    PageView& view_;
    const RenderContext& context_;
    const int pageNumber_;
    bool inGrid_ = false;
    bool inAttribBlock_ = false;
    int currentRow_ = 0;
    // The shown grid's rows with text, the header row included: its definition's rows, or
    // more when the page holds rows beyond them.
    int rowsHeld_ = 0;
    std::string currentBlock_;
};

std::string RowText(const GridView& grid, int row) {
    std::string text = "|";
    bool blank = true;
    for (int c = 0; c < grid.Columns(); ++c) {
        const std::string& cell = grid.Cell(row, c);
        blank = blank && TrimView(cell).empty();
        text += cell;
        text += '|';
    }
    return blank ? std::string{} : text;
}

// Rows 1..last as runs: a count for empty rows, the row itself, or "N |row|" for N equal
// rows. Rows are compared exactly: rows that differ only in letter case are different rows.
void EncodeRows(const GridView& grid, PageLines& out) {
    const int rows = grid.Rows();
    int r = 1;
    while (r < rows) {
        const std::string text = RowText(grid, r);
        int run = 1;
        while (r + run < rows && RowText(grid, r + run) == text) {
            ++run;
        }
        if (text.empty()) {
            out.push_back(std::to_string(run));
        } else if (run == 1) {
            out.push_back(text);
        } else {
            out.push_back(std::to_string(run) + " " + text);
        }
        r += run;
    }
}

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

void RenderPageData(PageView& view, const Book& book, int pageNumber,
                    const RenderContext& context) {
    const Page& page = book.GetPage(pageNumber);
    view.titleBlock[TblkSheetNumber] = std::to_string(book.CurPage());
    view.titleBlock[TblkSheetTotal] = std::to_string(book.PageCount());
    view.titleBlock[TblkFinish] = page.Finish;
    view.titleBlock[TblkCadNumber] = page.CadNumber;
    view.titleBlock[TblkDescription] = page.Description;

    view.grid.reset();
    view.blocks.clear();
    view.BlockAttribValues = {};
    view.revision = {};
    view.gridSeen = false;
    view.blocksSeen = false;
    view.blockPictureHeight = context.area.innerHeight;
    view.missingGrids.clear();
    view.messages.clear();

    const int shown =
        pageNumber >= 1 && pageNumber <= book.PageCount() ? pageNumber : book.CurPage();
    Renderer(view, context, shown).Run(page.PageData);
}

void ComposePageData(const PageView& view, Book& book) {
    Page& page = book.GetPage(book.CurPage());
    page.Finish = view.titleBlock[TblkFinish];
    page.CadNumber = view.titleBlock[TblkCadNumber];
    page.Description = view.titleBlock[TblkDescription];

    PageLines lines;
    std::string revision = "|";
    bool anyRevision = false;
    for (const auto& row : view.revision) {
        for (const auto& cell : row) {
            revision += cell;
            revision += '|';
            anyRevision = anyRevision || !TrimView(cell).empty();
        }
    }
    if (anyRevision) {
        lines.emplace_back("REVGRID:");
        lines.push_back(std::move(revision));
    }

    const PageLines& old = page.PageData;
    // Occurrences of each attribute block with a value line so far, to pair each line with
    // its own entry when a block appears more than once.
    std::vector<std::pair<std::string, std::size_t>> seen;
    auto nextOccurrence = [&](const std::string& name) -> std::size_t {
        for (auto& [key, count] : seen) {
            if (EqualsNoCase(key, name)) {
                return count++;
            }
        }
        seen.emplace_back(name, 1);
        return 0;
    };

    for (std::size_t i = 0; i < old.size(); ++i) {
        const auto keyword = ParseKeywordLine(old[i]);
        if (!keyword) {
            continue;
        }
        switch (keyword->keyword) {
        case PageKeyword::RevGrid:
            break;
        case PageKeyword::Grid:
            lines.push_back(old[i]);
            if (view.grid && !view.missingGrids.contains(ToLower(keyword->argument))) {
                EncodeRows(*view.grid, lines);
            } else {
                for (std::size_t j = i + 1; j < old.size() && !IsKeywordLine(old[j]); ++j) {
                    lines.push_back(old[j]);
                }
            }
            break;
        case PageKeyword::Block:
            lines.push_back(old[i]);
            break;
        case PageKeyword::AttribBlock: {
            lines.push_back(old[i]);
            const bool hadValueLine = i + 1 < old.size() && !IsKeywordLine(old[i + 1]);
            if (hadValueLine) {
                const auto* entry = view.BlockAttribValues.Find(keyword->argument,
                                                                nextOccurrence(keyword->argument));
                lines.push_back(entry ? entry->valueLine : old[i + 1]);
            }
            break;
        }
        }
    }
    page.PageData = std::move(lines);

    book.DetailBy = view.titleBlock[TblkDetailBy];
    book.Issue = view.titleBlock[TblkIssue];
    book.CheckedBy = view.titleBlock[TblkCheckedBy];
    book.CurDate = view.titleBlock[TblkDate];
    book.Customer = view.titleBlock[TblkCustomer];
    book.JobNumber = view.titleBlock[TblkJobNumber];
}

} // namespace waybill
