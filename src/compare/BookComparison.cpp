#include "compare/BookComparison.h"

#include "compare/Alignment.h"
#include "model/Book.h"
#include "model/StandardColumns.h"
#include "page/AttribDefs.h"
#include "page/GridSetup.h"
#include "page/PageData.h"
#include "page/PageReader.h"
#include "page/TitleBlockFields.h"
#include "units/Lengths.h"
#include "units/Parsers.h"
#include "units/Text.h"

#include <algorithm>
#include <map>
#include <optional>
#include <unordered_map>

namespace waybill {
namespace {

// What the comparison needs of a grid definition.
struct GridColumns {
    std::vector<std::string> headers; // empty when the definition is unknown
    int partMark = -1;
    std::vector<bool> lengths;
};

// A grid a page names, with the rows its lines stand for.
struct GridSection {
    std::string name;
    GridRows rows;
};

// A stored line of a grid the page names before its shown grid, with that grid's name.
struct KeptLine {
    std::string grid;
    const std::string* line;
};

// What the comparison reads of a page, through the one page-data reader. The kept lines point
// into the page's lines.
struct PageParts {
    RevisionTable revision;
    std::optional<GridSection> grid; // the shown grid
    std::vector<KeptLine> keptLines;
    std::vector<PageBlock> blocks; // in page order

    explicit PageParts(const PageLines& lines) {
        const std::vector<PageItem> items = ReadPageItems(lines);
        const PageItem* shown = ShownGridItem(items);
        for (const PageItem& item : items) {
            switch (item.keyword) {
            case PageKeyword::RevGrid:
                if (item.value != nullptr) {
                    ReadRevisionLine(*item.value, revision);
                }
                break;
            case PageKeyword::Grid:
                if (&item == shown) {
                    grid.emplace(GridSection{item.name, GridRows(lines, item)});
                } else {
                    for (std::size_t i = item.FirstGridLine(); i < item.end; ++i) {
                        keptLines.push_back({item.name, &lines[i]});
                    }
                }
                break;
            case PageKeyword::Block:
            case PageKeyword::AttribBlock:
                blocks.push_back(PageBlockOf(item));
                break;
            }
        }
    }
};

// A line item: a row that holds text.
struct Item {
    int row = 0;
    const std::vector<std::string>* values = nullptr;
    std::string mark; // trimmed; empty without a part-mark column
};

const std::string& ValueAt(const std::vector<std::string>& values, std::size_t k) {
    static const std::string kEmpty;
    return k < values.size() ? values[k] : kEmpty;
}

bool SameLength(std::string_view a, std::string_view b) {
    const double x = ParseFtIn(a);
    const double y = ParseFtIn(b);
    return x > 0 && RoundToSixteenth(x) == RoundToSixteenth(y);
}

// For each pair of items, the stretches of each sequence between pairs are passed to `gap`
// (begin and end in both) and the pairs to `pair`, in order.
template <typename Gap, typename Pair>
void WalkAlignment(const AlignedPairs& pairs, int firstCount, int secondCount, Gap gap, Pair pair) {
    int i = 0;
    int j = 0;
    for (const auto& [a, b] : pairs) {
        gap(i, a, j, b);
        pair(a, b);
        i = a + 1;
        j = b + 1;
    }
    gap(i, firstCount, j, secondCount);
}

class BookComparer {
  public:
    BookComparer(const Book& older, const Book& newer, const ReferenceDatabase& database,
                 PageComparisonCache* cache)
        : older_(older), newer_(newer), database_(database), attribDefs_(database), cache_(cache) {}

    std::vector<Difference> Run() {
        Header();
        MatchPages();
        EmitPages();
        if (cache_ != nullptr) {
            cache_->byNewerPage = std::move(kept_);
        }
        return std::move(differences_);
    }

  private:
    struct PageMatch {
        int other = -1; // index of the page in the other book
        bool moved = false;
    };

    // The document's own fields, which the title block of every page shows.
    void Header() {
        static const Page kNoPage;
        for (int field = 0; field < kTitleBlockFields; ++field) {
            if (!IsDocumentField(field)) {
                continue;
            }
            const std::string& from = TitleBlockText(older_, kNoPage, field);
            const std::string& to = TitleBlockText(newer_, kNoPage, field);
            if (from != to) {
                Difference difference;
                difference.place.kind = PlaceKind::TitleBlockField;
                difference.place.field = field;
                difference.place.fieldName = TitleBlockFieldName(field);
                difference.oldText = from;
                difference.newText = to;
                differences_.push_back(std::move(difference));
            }
        }
    }

    static std::vector<std::string> PageKeys(const Book& book, bool withDescription) {
        std::vector<std::string> keys;
        for (const auto& page : book.Pages()) {
            keys.push_back(withDescription ? ToLower(page->CadNumber) + '\n' + page->Description
                                           : ToLower(page->CadNumber));
        }
        return keys;
    }

    // In order by CAD # and description; then, between two such pairs, by CAD # alone (the
    // description changed); then what is left by CAD # and description anywhere (moved).
    void MatchPages() {
        const auto oldKeys = PageKeys(older_, true);
        const auto newKeys = PageKeys(newer_, true);
        oldMatch_.assign(oldKeys.size(), {});
        newMatch_.assign(newKeys.size(), {});
        const auto link = [&](int i, int j, bool moved) {
            oldMatch_[i] = {j, moved};
            newMatch_[j] = {i, moved};
        };
        const auto oldCads = PageKeys(older_, false);
        const auto newCads = PageKeys(newer_, false);
        WalkAlignment(
            AlignSequences(oldKeys, newKeys), static_cast<int>(oldKeys.size()),
            static_cast<int>(newKeys.size()),
            [&](int i0, int i1, int j0, int j1) {
                const std::vector<std::string> a(oldCads.begin() + i0, oldCads.begin() + i1);
                const std::vector<std::string> b(newCads.begin() + j0, newCads.begin() + j1);
                for (const auto& [i, j] : AlignSequences(a, b)) {
                    link(i0 + i, j0 + j, false);
                }
            },
            [&](int i, int j) { link(i, j, false); });

        std::multimap<std::string, int> unmatchedOld;
        for (int i = 0; i < static_cast<int>(oldKeys.size()); ++i) {
            if (oldMatch_[i].other < 0) {
                unmatchedOld.emplace(oldKeys[i], i);
            }
        }
        for (int j = 0; j < static_cast<int>(newKeys.size()); ++j) {
            if (newMatch_[j].other >= 0) {
                continue;
            }
            const auto found = unmatchedOld.find(newKeys[j]);
            if (found != unmatchedOld.end()) {
                link(found->second, j, true);
                unmatchedOld.erase(found);
            }
        }
    }

    // The newer book's pages in order, each removed page before the first page that follows
    // it in place.
    void EmitPages() {
        int nextOld = 0;
        const auto removedUpTo = [&](int end) {
            for (; nextOld < end; ++nextOld) {
                if (oldMatch_[nextOld].other < 0) {
                    Difference difference;
                    difference.kind = DifferenceKind::PageRemoved;
                    difference.oldPage = nextOld + 1;
                    difference.place.cadNumber = older_.Pages()[nextOld]->CadNumber;
                    differences_.push_back(std::move(difference));
                }
            }
        };
        for (int j = 0; j < static_cast<int>(newMatch_.size()); ++j) {
            const PageMatch match = newMatch_[j];
            if (match.other >= 0 && !match.moved) {
                removedUpTo(match.other);
                nextOld = match.other + 1;
            }
            Difference difference;
            difference.place.page = j + 1;
            difference.place.cadNumber = newer_.Pages()[j]->CadNumber;
            difference.oldPage = match.other + 1;
            if (match.other < 0) {
                difference.kind = DifferenceKind::PageAdded;
                differences_.push_back(std::move(difference));
                continue;
            }
            if (match.moved) {
                difference.kind = DifferenceKind::PageMoved;
                differences_.push_back(difference);
            }
            ComparePair(older_.Pages()[match.other], newer_.Pages()[j], difference);
        }
        removedUpTo(static_cast<int>(oldMatch_.size()));
    }

    // A pair compared before, both pages the same objects, gives its differences again at the
    // pages' present numbers.
    void ComparePair(const Book::PagePtr& a, const Book::PagePtr& b, const Difference& at) {
        if (cache_ == nullptr) {
            ComparePage(*a, *b, at);
            return;
        }
        PageComparisonCache::Entry entry{a, b, {}};
        const auto found = cache_->byNewerPage.find(b.get());
        if (found != cache_->byNewerPage.end() && found->second.older == a) {
            entry.differences = found->second.differences;
            for (Difference& difference : entry.differences) {
                difference.place.page = at.place.page;
                difference.oldPage = at.oldPage;
            }
            differences_.insert(differences_.end(), entry.differences.begin(),
                                entry.differences.end());
        } else {
            const std::size_t first = differences_.size();
            ComparePage(*a, *b, at);
            entry.differences.assign(differences_.begin() + static_cast<std::ptrdiff_t>(first),
                                     differences_.end());
        }
        kept_.emplace(b.get(), std::move(entry));
    }

    void ComparePage(const Page& a, const Page& b, const Difference& at) {
        if (a.Finish == b.Finish && a.CadNumber == b.CadNumber && a.Description == b.Description &&
            a.PageData == b.PageData) {
            return;
        }
        for (const int index : {TblkFinish, TblkCadNumber, TblkDescription}) {
            const std::string& from = TitleBlockText(older_, a, index);
            const std::string& to = TitleBlockText(newer_, b, index);
            if (from != to) {
                Difference difference = at;
                difference.kind = DifferenceKind::TextChanged;
                difference.place.kind = index == TblkDescription ? PlaceKind::PageDescription
                                                                 : PlaceKind::TitleBlockField;
                difference.place.field = index;
                difference.place.fieldName = TitleBlockFieldName(index);
                difference.oldText = from;
                difference.newText = to;
                differences_.push_back(std::move(difference));
            }
        }
        if (a.PageData == b.PageData) {
            return;
        }
        const PageParts from(a.PageData);
        const PageParts to(b.PageData);
        Revision(from, to, at);
        KeptLines(from.keptLines, to.keptLines, at);
        // Rows of two different grids are different items, whatever their positions.
        if (from.grid && to.grid && EqualsNoCase(Trim(from.grid->name), Trim(to.grid->name))) {
            CompareGrid(&*from.grid, &*to.grid, at);
        } else {
            if (from.grid) {
                CompareGrid(&*from.grid, nullptr, at);
            }
            if (to.grid) {
                CompareGrid(nullptr, &*to.grid, at);
            }
        }
        Blocks(from.blocks, to.blocks, at);
    }

    // The grids before the shown one are kept as stored, not read as rows: their lines are
    // compared as texts, each with its grid's name, so a line added or removed there is told
    // and nothing else cascades.
    void KeptLines(const std::vector<KeptLine>& from, const std::vector<KeptLine>& to,
                   const Difference& at) {
        if (from.empty() && to.empty()) {
            return;
        }
        const auto keys = [](const std::vector<KeptLine>& lines) {
            std::vector<std::string> out;
            for (const KeptLine& kept : lines) {
                out.push_back(ToLower(Trim(kept.grid)) + '\n' + *kept.line);
            }
            return out;
        };
        const auto lineDifference = [&](DifferenceKind kind, const KeptLine& kept) {
            Difference difference = at;
            difference.kind = kind;
            difference.grid = kept.grid;
            (kind == DifferenceKind::KeptLineAdded ? difference.newText : difference.oldText) =
                *kept.line;
            differences_.push_back(std::move(difference));
        };
        WalkAlignment(
            AlignSequences(keys(from), keys(to)), static_cast<int>(from.size()),
            static_cast<int>(to.size()),
            [&](int i0, int i1, int j0, int j1) {
                for (int i = i0; i < i1; ++i) {
                    lineDifference(DifferenceKind::KeptLineRemoved, from[i]);
                }
                for (int j = j0; j < j1; ++j) {
                    lineDifference(DifferenceKind::KeptLineAdded, to[j]);
                }
            },
            [](int, int) {});
    }

    void Revision(const PageParts& from, const PageParts& to, const Difference& at) {
        for (int r = 0; r < kRevisionRows; ++r) {
            for (int c = 0; c < kRevisionColumns; ++c) {
                const std::string& a = from.revision[r][c];
                const std::string& b = to.revision[r][c];
                if (a != b) {
                    Difference difference = at;
                    difference.kind = DifferenceKind::TextChanged;
                    difference.place.kind = PlaceKind::RevisionCell;
                    difference.place.row = r + 1;
                    difference.place.column = c;
                    difference.place.columnHeader = kRevisionHeaders[static_cast<std::size_t>(c)];
                    difference.oldText = a;
                    difference.newText = b;
                    differences_.push_back(std::move(difference));
                }
            }
        }
    }

    const GridColumns& Columns(const std::string& gridName) {
        const std::string key = ToLower(gridName);
        auto found = grids_.find(key);
        if (found == grids_.end()) {
            GridColumns columns;
            const auto layout = SetupGrid(database_, Trim(gridName), PageAreaMetrics{});
            if (const auto* grid = std::get_if<GridLayout>(&layout)) {
                columns.headers = grid->headers;
                for (std::size_t c = 0; c < columns.headers.size(); ++c) {
                    const auto role = ColumnRoleOfLabel(columns.headers[c]);
                    columns.lengths.push_back(role == ColumnRole::Length);
                    if (role == ColumnRole::PartMark && columns.partMark < 0) {
                        columns.partMark = static_cast<int>(c);
                    }
                }
            }
            found = grids_.emplace(key, std::move(columns)).first;
        }
        return found->second;
    }

    void CompareGrid(const GridSection* from, const GridSection* to, const Difference& at) {
        const GridColumns& columns = Columns((to != nullptr ? to : from)->name);
        std::size_t width = columns.headers.size();
        if (width == 0) {
            // Without its definition a grid is as wide as its widest row.
            for (const GridSection* section : {from, to}) {
                for (int r = 1; section != nullptr && r <= section->rows.Count(); ++r) {
                    width = std::max(width, section->rows.Values(r).size());
                }
            }
        }
        const auto items = [&](const GridSection* section) {
            std::vector<Item> list;
            for (int r = 1; section != nullptr && r <= section->rows.Count(); ++r) {
                const auto& values = section->rows.Values(r);
                const auto end =
                    values.begin() + static_cast<std::ptrdiff_t>(std::min(width, values.size()));
                if (std::all_of(values.begin(), end,
                                [](const std::string& v) { return TrimView(v).empty(); })) {
                    continue;
                }
                Item item{r, &values, {}};
                if (columns.partMark >= 0) {
                    item.mark = Trim(ValueAt(values, static_cast<std::size_t>(columns.partMark)));
                }
                list.push_back(std::move(item));
            }
            return list;
        };
        const std::vector<Item> a = items(from);
        const std::vector<Item> b = items(to);
        // A row with a part mark is known by it; any other by its whole text.
        const auto keys = [&](const std::vector<Item>& list) {
            std::vector<std::string> out;
            for (const Item& item : list) {
                if (!item.mark.empty()) {
                    out.push_back("M" + ToLower(item.mark));
                    continue;
                }
                std::string text = "R";
                for (std::size_t k = 0; k < width; ++k) {
                    text += ValueAt(*item.values, k);
                    text += '|';
                }
                out.push_back(std::move(text));
            }
            return out;
        };
        const auto rowDifference = [&](DifferenceKind kind, const Item* old, const Item* now) {
            Difference difference = at;
            difference.kind = kind;
            difference.place.kind = PlaceKind::Cell;
            difference.place.row = now != nullptr ? now->row : 0;
            difference.oldRow = old != nullptr ? old->row : 0;
            difference.partMark = (now != nullptr ? now : old)->mark;
            if (columns.partMark >= 0) {
                difference.partMarkHeader =
                    columns.headers[static_cast<std::size_t>(columns.partMark)];
            }
            return difference;
        };
        const auto cells = [&](const Item& old, const Item& now) {
            for (std::size_t k = 0; k < width; ++k) {
                const std::string& x = ValueAt(*old.values, k);
                const std::string& y = ValueAt(*now.values, k);
                if (x == y) {
                    continue;
                }
                Difference difference = rowDifference(DifferenceKind::TextChanged, &old, &now);
                difference.place.column = static_cast<int>(k);
                if (k < columns.headers.size()) {
                    difference.place.columnHeader = columns.headers[k];
                    difference.sameLength = columns.lengths[k] && SameLength(x, y);
                }
                difference.oldText = x;
                difference.newText = y;
                differences_.push_back(std::move(difference));
            }
        };
        WalkAlignment(
            AlignSequences(keys(a), keys(b)), static_cast<int>(a.size()),
            static_cast<int>(b.size()),
            [&](int i0, int i1, int j0, int j1) {
                // Left-over rows pair in order, so a part mark typed into a row that had none
                // changes that row; two different part marks are two different items.
                std::vector<int> partner(static_cast<std::size_t>(j1 - j0), -1);
                std::vector<bool> paired(static_cast<std::size_t>(i1 - i0), false);
                for (int i = i0, j = j0; i < i1 && j < j1; ++i) {
                    if (a[i].mark.empty() || b[j].mark.empty()) {
                        partner[j - j0] = i;
                        paired[i - i0] = true;
                        ++j;
                    }
                }
                for (int i = i0; i < i1; ++i) {
                    if (!paired[i - i0]) {
                        differences_.push_back(
                            rowDifference(DifferenceKind::RowRemoved, &a[i], nullptr));
                    }
                }
                for (int j = j0; j < j1; ++j) {
                    if (partner[j - j0] >= 0) {
                        cells(a[partner[j - j0]], b[j]);
                    } else {
                        differences_.push_back(
                            rowDifference(DifferenceKind::RowAdded, nullptr, &b[j]));
                    }
                }
            },
            [&](int i, int j) { cells(a[i], b[j]); });
    }

    void Blocks(const std::vector<PageBlock>& from, const std::vector<PageBlock>& to,
                const Difference& at) {
        const auto names = [](const std::vector<PageBlock>& blocks) {
            std::vector<std::string> out;
            for (const PageBlock& block : blocks) {
                out.push_back(ToLower(Trim(block.name)));
            }
            return out;
        };
        const auto newNames = names(to);
        const auto occurrence = [&](int j) {
            return static_cast<int>(
                std::count(newNames.begin(), newNames.begin() + j, newNames[j]));
        };
        const auto blockDifference = [&](DifferenceKind kind, const PageBlock& block,
                                         int occurrence) {
            Difference difference = at;
            difference.kind = kind;
            difference.place.kind = PlaceKind::Attribute;
            difference.place.block = block.name;
            difference.place.blockOccurrence = occurrence;
            return difference;
        };
        WalkAlignment(
            AlignSequences(names(from), newNames), static_cast<int>(from.size()),
            static_cast<int>(to.size()),
            [&](int i0, int i1, int j0, int j1) {
                for (int i = i0; i < i1; ++i) {
                    differences_.push_back(
                        blockDifference(DifferenceKind::BlockRemoved, from[i], 0));
                }
                for (int j = j0; j < j1; ++j) {
                    differences_.push_back(
                        blockDifference(DifferenceKind::BlockAdded, to[j], occurrence(j)));
                }
            },
            [&](int i, int j) {
                if (from[i].valueLine == to[j].valueLine) {
                    return;
                }
                const auto x = SplitPipeList(from[i].valueLine.value_or(std::string{}));
                const auto y = SplitPipeList(to[j].valueLine.value_or(std::string{}));
                const AttribDefList* defs = attribDefs_.Find(Trim(to[j].name));
                // A block draws one value per definition, its default where the line has none.
                const std::size_t count =
                    defs != nullptr ? defs->size() : std::max(x.size(), y.size());
                const auto shown = [&](const std::vector<std::string>& values, std::size_t k) {
                    if (k < values.size() || defs == nullptr) {
                        return ValueAt(values, k);
                    }
                    return (*defs)[k].DefaultVal;
                };
                for (std::size_t k = 0; k < count; ++k) {
                    const std::string oldText = shown(x, k);
                    const std::string newText = shown(y, k);
                    if (oldText == newText) {
                        continue;
                    }
                    Difference difference =
                        blockDifference(DifferenceKind::TextChanged, to[j], occurrence(j));
                    difference.place.attribute = static_cast<int>(k);
                    if (defs != nullptr) {
                        difference.place.tag = (*defs)[k].Tag;
                    }
                    difference.oldText = oldText;
                    difference.newText = newText;
                    differences_.push_back(std::move(difference));
                }
            });
    }

    const Book& older_;
    const Book& newer_;
    const ReferenceDatabase& database_;
    BlockAttribDefs attribDefs_;
    std::map<std::string, GridColumns> grids_; // key: lower-case grid name
    std::vector<PageMatch> oldMatch_;
    std::vector<PageMatch> newMatch_;
    std::vector<Difference> differences_;
    PageComparisonCache* cache_;
    std::unordered_map<const Page*, PageComparisonCache::Entry> kept_;
};

} // namespace

std::vector<Difference> CompareBooks(const Book& older, const Book& newer,
                                     const ReferenceDatabase& database) {
    return BookComparer(older, newer, database, nullptr).Run();
}

std::vector<Difference> CompareBooks(const Book& older, const Book& newer,
                                     const ReferenceDatabase& database,
                                     PageComparisonCache& cache) {
    return BookComparer(older, newer, database, &cache).Run();
}

} // namespace waybill
