#include "page/PageData.h"

#include "model/Book.h"
#include "units/Parsers.h"
#include "units/Text.h"

#include <algorithm>

namespace waybill {
namespace {

// Rows past the grid definition's rows are shown after them, so that what the exports read
// can be seen and changed, and no save drops them.
UserMessage RowsBeyondGridMessage(int page, std::string_view grid, int definedRows) {
    const std::string rows = std::to_string(definedRows);
    return {"Page " + std::to_string(page) + " holds rows beyond the " + rows + " rows of grid " +
                std::string(grid) + ". They are shown after row " + rows +
                ", and are saved and exported with the others.",
            "Waybill", MessageIcon::Exclamation};
}

UserMessage ValuesBeyondGridMessage(int page, std::string_view grid, int columns) {
    return {"Page " + std::to_string(page) + " holds values beyond the " + std::to_string(columns) +
                " columns of grid " + std::string(grid) +
                ". They are not shown, and are kept as stored.",
            "Waybill", MessageIcon::Exclamation};
}

UserMessage SeveralGridsMessage(int page, std::ptrdiff_t grids) {
    return {"Page " + std::to_string(page) + " names " + std::to_string(grids) +
                " grids. Only the rows of the last can be shown; the rows of the others are kept "
                "as stored.",
            "Waybill", MessageIcon::Exclamation};
}

bool Blank(const std::string& text) {
    return TrimView(text).empty();
}

class Renderer {
  public:
    Renderer(PageView& view, const RenderContext& context, int pageNumber)
        : view_(view), context_(context), pageNumber_(pageNumber) {}

    void Run(const PageLines& lines) {
        const std::vector<PageItem> items = ReadPageItems(lines);
        for (const PageItem& item : items) {
            switch (item.keyword) {
            case PageKeyword::RevGrid:
                if (item.value) {
                    ReadRevisionLine(*item.value, view_.revision);
                }
                break;
            case PageKeyword::Grid:
                Grid(item.name, GridRows(lines, item));
                break;
            case PageKeyword::Block:
            case PageKeyword::AttribBlock:
                Block(PageBlockOf(item));
                break;
            }
        }
        if (view_.grid && rowsHeld_ > view_.grid->Rows()) {
            GridLayout& layout = view_.grid->layout;
            const int definedRows = layout.rows - 1;
            GrowGridRows(layout, rowsHeld_, context_.area.unitsPerPixel);
            view_.messages.push_back(RowsBeyondGridMessage(pageNumber_, layout.name, definedRows));
        }
        if (view_.grid && !view_.grid->extraValues.empty()) {
            view_.messages.push_back(ValuesBeyondGridMessage(pageNumber_, view_.grid->layout.name,
                                                             view_.grid->Columns()));
        }
        const auto grids = std::count_if(items.begin(), items.end(), [](const PageItem& item) {
            return item.keyword == PageKeyword::Grid;
        });
        if (grids > 1) {
            view_.messages.push_back(SeveralGridsMessage(pageNumber_, grids));
        }
    }

  private:
    void Grid(const std::string& name, const GridRows& rows) {
        view_.gridSeen = true;
        auto result = SetupGrid(context_.database, name, context_.area);
        if (auto* message = std::get_if<UserMessage>(&result)) {
            // The page is shown without its grid, and its own grid lines are kept as stored.
            view_.messages.push_back(std::move(*message));
            view_.grid.reset();
            return;
        }
        GridView grid;
        grid.layout = std::move(std::get<GridLayout>(result));
        grid.cells.assign(static_cast<std::size_t>(grid.Rows() * grid.Columns()), std::string{});
        for (int c = 0; c < grid.Columns(); ++c) {
            grid.SetCell(0, c, grid.layout.headers[static_cast<std::size_t>(c)]);
        }
        Fill(grid, rows);
        view_.grid = std::move(grid);
    }

    // The rows into the cells; rows past the definition's rows are kept when they hold text.
    void Fill(GridView& grid, const GridRows& rows) {
        const auto holdsText = [](const std::vector<std::string>& values) {
            return !std::all_of(values.begin(), values.end(), Blank);
        };
        rowsHeld_ = grid.Rows();
        for (int row = rows.Count(); row >= rowsHeld_; --row) {
            if (holdsText(rows.Values(row))) {
                rowsHeld_ = row + 1;
                grid.cells.resize(static_cast<std::size_t>(rowsHeld_) *
                                  static_cast<std::size_t>(grid.Columns()));
                break;
            }
        }
        const int last = std::min(rows.Count(), rowsHeld_ - 1);
        for (int row = 1; row <= last; ++row) {
            const std::vector<std::string>& values = rows.Values(row);
            const int columns = std::min(static_cast<int>(values.size()), grid.Columns());
            for (int c = 0; c < columns; ++c) {
                grid.SetCell(row, c, values[static_cast<std::size_t>(c)]);
            }
            const auto extra = values.begin() + columns;
            if (!std::all_of(extra, values.end(), Blank)) {
                grid.extraValues[row].assign(extra, values.end());
            }
        }
    }

    void Block(PageBlock block) {
        view_.blocksSeen = true;
        view_.blockPictureHeight =
            view_.gridSeen && view_.grid ? view_.grid->layout.top : context_.area.innerHeight;
        if (block.valueLine) {
            if (context_.attribDefs != nullptr &&
                context_.attribDefs->Find(block.name) == nullptr) {
                view_.messages.push_back(MissingAttribDefsMessage(block.name));
            }
            view_.BlockAttribValues.Add(block.name, *block.valueLine);
        }
        view_.blocks.push_back(std::move(block));
    }

    PageView& view_;
    const RenderContext& context_;
    const int pageNumber_;
    // The shown grid's rows with text, the header row included: its definition's rows, or
    // more when the page holds rows beyond them.
    int rowsHeld_ = 0;
};

std::string RowText(const GridView& grid, int row) {
    std::string text = "|";
    bool blank = true;
    const auto add = [&](const std::string& value) {
        blank = blank && Blank(value);
        text += value;
        text += '|';
    };
    for (int c = 0; c < grid.Columns(); ++c) {
        add(grid.Cell(row, c));
    }
    if (const auto extra = grid.extraValues.find(row); extra != grid.extraValues.end()) {
        std::for_each(extra->second.begin(), extra->second.end(), add);
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
    view.messages.clear();

    const int shown =
        pageNumber >= 1 && pageNumber <= book.PageCount() ? pageNumber : book.CurPage();
    Renderer(view, context, shown).Run(page.PageData);
}

PageBlock PageBlockOf(const PageItem& item) {
    return {item.name, item.keyword == PageKeyword::AttribBlock && item.value
                           ? std::optional<std::string>(*item.value)
                           : std::nullopt};
}

void ReadRevisionLine(std::string_view line, RevisionTable& revision) {
    const auto values = SplitPipeList(line);
    const std::size_t n = std::min<std::size_t>(values.size(), kRevisionRows * kRevisionColumns);
    for (std::size_t k = 0; k < n; ++k) {
        revision[k / kRevisionColumns][k % kRevisionColumns] = values[k];
    }
}

std::vector<PageBlock> ReadPageBlocks(const PageLines& lines) {
    std::vector<PageBlock> blocks;
    for (const PageItem& item : ReadPageItems(lines)) {
        if (item.keyword == PageKeyword::Block || item.keyword == PageKeyword::AttribBlock) {
            blocks.push_back(PageBlockOf(item));
        }
    }
    return blocks;
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

    const std::vector<PageItem> items = ReadPageItems(old);
    const PageItem* shownGrid = ShownGridItem(items);
    for (const PageItem& item : items) {
        switch (item.keyword) {
        case PageKeyword::RevGrid:
            break;
        case PageKeyword::Grid:
            lines.push_back(old[item.line]);
            // Grids the screen does not show (missing, or named before the last) keep their
            // lines as stored.
            if (view.grid && &item == shownGrid) {
                EncodeRows(*view.grid, lines);
            } else {
                lines.insert(lines.end(),
                             old.begin() + static_cast<std::ptrdiff_t>(item.FirstGridLine()),
                             old.begin() + static_cast<std::ptrdiff_t>(item.end));
            }
            break;
        case PageKeyword::Block:
            lines.push_back(old[item.line]);
            break;
        case PageKeyword::AttribBlock:
            lines.push_back(old[item.line]);
            if (item.value) {
                const auto* entry =
                    view.BlockAttribValues.Find(item.name, nextOccurrence(item.name));
                lines.push_back(entry ? entry->valueLine : *item.value);
            }
            break;
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
