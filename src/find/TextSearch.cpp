#include "find/TextSearch.h"

#include "find/SeenText.h"
#include "model/Book.h"
#include "model/FwbFile.h"
#include "page/GridSetup.h"
#include "page/PageData.h"
#include "page/PageLayout.h"
#include "page/PageReader.h"
#include "page/TitleBlockFields.h"
#include "units/Parsers.h"
#include "units/Text.h"

#include <algorithm>
#include <tuple>
#include <variant>

namespace waybill {

TextMatcher::TextMatcher(const FindOptions& options)
    : text_(SeeTyped(options.wholeCell ? Trim(options.text) : options.text)),
      matchCase_(options.matchCase), wholeCell_(options.wholeCell) {
    if (!matchCase_) {
        text_ = ToLower(text_);
    }
    const auto anchor = std::find_if(text_.begin(), text_.end(), [this](char c) {
        return !SymbolsCanShow(c) && (matchCase_ || !SymbolsCanShow(ToUpperAscii(c)));
    });
    if (anchor != text_.end()) {
        anchor_ = *anchor;
    }
}

bool TextMatcher::MayShow(std::string_view value) const {
    if (!anchor_) {
        return true;
    }
    const char other = matchCase_ ? *anchor_ : ToUpperAscii(*anchor_);
    return std::any_of(value.begin(), value.end(),
                       [&](char c) { return c == *anchor_ || c == other; });
}

std::size_t TextMatcher::FindIn(std::string_view value, std::size_t from) const {
    if (matchCase_) {
        return value.find(text_, from);
    }
    // Most bytes differ from the text's first letter in both cases, so only those that do
    // not are compared further.
    const char lower = text_.front();
    const char upper = ToUpperAscii(lower);
    const std::size_t n = text_.size();
    for (std::size_t i = from; i + n <= value.size(); ++i) {
        if (value[i] != lower && value[i] != upper) {
            continue;
        }
        std::size_t k = 1;
        while (k < n && ToLowerAscii(value[i + k]) == text_[k]) {
            ++k;
        }
        if (k == n) {
            return i;
        }
    }
    return std::string_view::npos;
}

bool TextMatcher::Matches(std::string_view value) const {
    if (text_.empty() || !MayShow(value)) {
        return false;
    }
    if (wholeCell_) {
        const std::string_view seen = SeenView(TrimView(value), seen_);
        return seen.size() == text_.size() && FindIn(seen, 0) == 0;
    }
    return FindIn(SeenView(value, seen_), 0) != std::string_view::npos;
}

bool TextMatcher::MayHold(std::string_view line) const {
    return !text_.empty() && MayShow(line) &&
           FindIn(SeenView(line, seen_), 0) != std::string_view::npos;
}

// The matches are found in the seen text; what is replaced is the stored text. A character
// whose seen text a match covers is replaced whole; the part of a symbol's plain text that a
// match leaves out is written as plain text beside the replacement ("1/" of one half replaced
// by "3/" gives "3/2"). The dash that parts a fraction from the digit before it is a blank in
// plain text ("10'-1 1/2", as lengths are typed), and is left out when nothing that needs it
// follows.
std::string TextMatcher::Replace(std::string_view value, std::string_view replacement) const {
    if (!Matches(value)) {
        return std::string(value);
    }
    if (wholeCell_) {
        return std::string(replacement);
    }
    const SeenText seen = SeeStored(value);
    std::vector<std::pair<std::size_t, std::size_t>> matches;
    for (std::size_t at = FindIn(seen.text, 0); at != std::string_view::npos;
         at = FindIn(seen.text, at + text_.size())) {
        matches.emplace_back(at, at + text_.size());
    }
    const bool leadingDigit =
        !replacement.empty() && replacement.front() >= '0' && replacement.front() <= '9';
    std::string out;
    auto match = matches.begin();
    for (std::size_t i = 0; i < value.size(); ++i) {
        const std::size_t start = seen.starts[i];
        const std::size_t end = seen.starts[i + 1];
        while (match != matches.end() && match->second <= start) {
            ++match;
        }
        if (match == matches.end() || match->first >= end) {
            out += value[i]; // untouched
            continue;
        }
        for (std::size_t at = start; at < end;) {
            while (match != matches.end() && match->second <= at) {
                ++match;
            }
            if (match != matches.end() && match->first <= at) {
                if (match->first == at) {
                    out.append(replacement);
                }
                at = std::min(end, match->second);
                continue;
            }
            const std::size_t next =
                match != matches.end() && match->first < end ? match->first : end;
            std::string_view piece = std::string_view(seen.text).substr(at, next - at);
            if (at == start && end - start > 1 && piece.front() == '-') {
                piece.remove_prefix(1);
                if (!piece.empty() || (next < end && leadingDigit)) {
                    out += ' ';
                }
            }
            out.append(piece);
            at = next;
        }
    }
    return out;
}

PlaceNames::PlaceNames(const ReferenceDatabase* database) : database_(database) {
    if (database_ != nullptr) {
        attribDefs_.emplace(*database_);
    }
}

const std::optional<std::vector<std::string>>& PlaceNames::Headers(std::string_view grid) {
    const std::string key = ToLower(grid);
    auto found = headers_.find(key);
    if (found == headers_.end()) {
        std::optional<std::vector<std::string>> headers;
        if (database_ != nullptr) {
            // The headers the editor shows come with the grid's layout; its size is of no
            // interest here.
            auto layout = SetupGrid(*database_, grid, PageAreaMetrics{});
            if (auto* laidOut = std::get_if<GridLayout>(&layout)) {
                headers = std::move(laidOut->headers);
            }
        }
        found = headers_.emplace(key, std::move(headers)).first;
    }
    return found->second;
}

const std::optional<std::vector<std::string>>& PlaceNames::Tags(std::string_view block) {
    const std::string key = ToLower(block);
    auto found = tags_.find(key);
    if (found == tags_.end()) {
        std::optional<std::vector<std::string>> tags;
        if (attribDefs_) {
            if (const AttribDefList* defs = attribDefs_->Find(block)) {
                tags.emplace();
                for (const clsAttribDef& def : *defs) {
                    tags->push_back(def.Tag);
                }
            }
        }
        found = tags_.emplace(key, std::move(tags)).first;
    }
    return found->second;
}

namespace {

// A hit's position on its page: attribute values, then cells, then title-block fields.
using PageOrder = std::tuple<int, int, int>;

struct OrderedHit {
    PageOrder order;
    FindHit hit;
};

// The attribute blocks of a page with a value line, in order: lower-case name and occurrence.
using BlockOrder = std::vector<std::pair<std::string, int>>;

class PageSearch {
  public:
    PageSearch(const Book& book, const TextMatcher& matcher, PlaceNames& names)
        : book_(book), matcher_(matcher), names_(names) {}

    // The hits of one page in page order; `documentFields` adds the document's own fields.
    std::vector<OrderedHit> Run(int pageNumber, bool documentFields, BlockOrder* blocks) {
        std::vector<OrderedHit> hits;
        const Page& page = book_.GetPage(pageNumber);
        const bool pageMayHold =
            matcher_.MayHold(page.Finish) || matcher_.MayHold(page.CadNumber) ||
            matcher_.MayHold(page.Description) ||
            std::any_of(page.PageData.begin(), page.PageData.end(),
                        [&](const std::string& line) { return matcher_.MayHold(line); });
        if (!pageMayHold && !documentFields) {
            return hits;
        }
        Place base;
        base.page = pageNumber;
        base.cadNumber = page.CadNumber;
        if (pageMayHold) {
            PageData(page.PageData, base, blocks, hits);
        }
        Fields(&page, documentFields, base, hits);
        return hits;
    }

    // A document without pages still has its own fields, though no page shows them: found
    // without a page, and not replaced, as no page change can name them.
    std::vector<OrderedHit> DocumentFields() {
        std::vector<OrderedHit> hits;
        Fields(nullptr, true, Place{}, hits);
        return hits;
    }

  private:
    void Fields(const Page* page, bool documentFields, const Place& base,
                std::vector<OrderedHit>& hits) {
        static const Page kNoPage;
        for (int field = TblkFinish; field <= TblkDescription; ++field) {
            if (IsDocumentField(field) ? !documentFields : page == nullptr) {
                continue;
            }
            const std::string& text = TitleBlockText(book_, page ? *page : kNoPage, field);
            if (!matcher_.Matches(text)) {
                continue;
            }
            Place place = base;
            place.kind =
                field == TblkDescription ? PlaceKind::PageDescription : PlaceKind::TitleBlockField;
            place.field = field;
            place.fieldName = TitleBlockFieldName(field);
            hits.push_back({{2, field, 0}, {std::move(place), text, page != nullptr}});
        }
    }

    void PageData(const PageLines& lines, const Place& base, BlockOrder* blocks,
                  std::vector<OrderedHit>& hits) {
        const std::vector<PageItem> items = ReadPageItems(lines);
        BlockOrder seen;
        for (const PageItem& item : items) {
            if (item.keyword != PageKeyword::AttribBlock || item.value == nullptr) {
                continue;
            }
            const int occurrence = Occurrence(seen, item.name);
            if (matcher_.MayHold(*item.value)) {
                Attributes(base, item.name, occurrence, static_cast<int>(seen.size() - 1),
                           *item.value, hits);
            }
        }
        // Only the grid the editor shows and writes back can be reached and changed.
        if (const PageItem* grid = ShownGridItem(items)) {
            Grid(base, *grid, lines, hits);
        }
        if (blocks != nullptr) {
            *blocks = std::move(seen);
        }
    }

    static int Occurrence(BlockOrder& seen, const std::string& block) {
        const std::string key = ToLower(block);
        const int occurrence = static_cast<int>(std::count_if(
            seen.begin(), seen.end(), [&](const auto& entry) { return entry.first == key; }));
        seen.emplace_back(key, occurrence);
        return occurrence;
    }

    void Attributes(const Place& base, const std::string& block, int occurrence, int ordinal,
                    const std::string& line, std::vector<OrderedHit>& hits) {
        const auto values = SplitPipeList(line);
        const auto& tags = names_.Tags(block);
        for (std::size_t k = 0; k < values.size(); ++k) {
            if (!matcher_.Matches(values[k])) {
                continue;
            }
            Place place = base;
            place.kind = PlaceKind::Attribute;
            place.block = block;
            place.blockOccurrence = occurrence;
            place.attribute = static_cast<int>(k);
            if (tags && k < tags->size()) {
                place.tag = (*tags)[k];
            }
            hits.push_back({{0, ordinal, place.attribute}, {std::move(place), values[k], true}});
        }
    }

    void Grid(const Place& base, const PageItem& grid, const PageLines& lines,
              std::vector<OrderedHit>& hits) {
        const auto first = lines.begin() + static_cast<std::ptrdiff_t>(grid.FirstGridLine());
        const auto end = lines.begin() + static_cast<std::ptrdiff_t>(grid.end);
        if (std::none_of(first, end,
                         [&](const std::string& line) { return matcher_.MayHold(line); })) {
            return;
        }
        const GridRows rows(lines, grid);
        const auto& headers = names_.Headers(grid.name);
        for (int row = 1; row <= rows.Count(); ++row) {
            const auto& values = rows.Values(row);
            for (std::size_t c = 0; c < values.size(); ++c) {
                if (!matcher_.Matches(values[c])) {
                    continue;
                }
                Place place = base;
                place.kind = PlaceKind::Cell;
                place.row = row;
                place.column = static_cast<int>(c);
                const bool shown = headers && c < headers->size();
                if (shown) {
                    place.columnHeader = (*headers)[c];
                }
                hits.push_back({{1, row, place.column}, {std::move(place), values[c], shown}});
            }
        }
    }

    const Book& book_;
    const TextMatcher& matcher_;
    PlaceNames& names_;
};

// The position of a place on its page, as PageSearch orders its hits.
PageOrder OrderOf(const Place& place, const BlockOrder& blocks) {
    switch (place.kind) {
    case PlaceKind::Attribute: {
        const auto found =
            std::find(blocks.begin(), blocks.end(),
                      std::pair<std::string, int>{ToLower(place.block), place.blockOccurrence});
        return {0, static_cast<int>(found - blocks.begin()), place.attribute};
    }
    case PlaceKind::Cell:
        return {1, place.row, place.column};
    default:
        return {2, place.field, 0};
    }
}

} // namespace

std::vector<FindHit> FindAll(const Book& book, PlaceNames& names, const FindOptions& options) {
    std::vector<FindHit> hits;
    const TextMatcher matcher(options);
    PageSearch search(book, matcher, names);
    const int first = options.page != 0 ? options.page : 1;
    const int last =
        options.page != 0 ? std::min(options.page, book.PageCount()) : book.PageCount();
    for (int page = std::max(first, 1); page <= last; ++page) {
        for (OrderedHit& hit : search.Run(page, page == first, nullptr)) {
            hits.push_back(std::move(hit.hit));
        }
    }
    if (book.PageCount() == 0) {
        for (OrderedHit& hit : search.DocumentFields()) {
            hits.push_back(std::move(hit.hit));
        }
    }
    return hits;
}

std::string DescribePlace(const Place& place) {
    switch (place.kind) {
    case PlaceKind::RevisionCell:
        return "revision " + std::to_string(place.row) + ", " + place.columnHeader;
    case PlaceKind::Cell: {
        std::string where =
            "row " + std::to_string(place.row) + ", column " + std::to_string(place.column);
        return place.columnHeader.empty() ? where : where + " (" + place.columnHeader + ")";
    }
    case PlaceKind::TitleBlockField:
    case PlaceKind::PageDescription:
        return "title-block " + place.fieldName;
    case PlaceKind::Attribute:
        return "block " + place.block + ", " +
               (place.tag.empty() ? "value " + std::to_string(place.attribute) : place.tag);
    }
    return {};
}

std::string DescribeWhere(const Place& place) {
    if (place.page == 0) {
        return DescribePlace(place);
    }
    return "page " + std::to_string(place.page) + " (" + place.cadNumber + "), " +
           DescribePlace(place);
}

std::string ReplaceAllNote(int replaced, int skipped) {
    return std::to_string(replaced) + " replaced, " + std::to_string(skipped) +
           " skipped (read-only or refused)";
}

std::optional<FindHit> FindNext(const Book& book, PlaceNames& names, const FindOptions& options,
                                int startPage, const std::optional<Place>& from,
                                FindDirection direction) {
    const int count = book.PageCount();
    if (count == 0) {
        // Only the document's own fields: the one after `from`, going round.
        const TextMatcher matcher(options);
        std::vector<OrderedHit> hits = PageSearch(book, matcher, names).DocumentFields();
        if (hits.empty()) {
            return std::nullopt;
        }
        const bool forward = direction == FindDirection::Next;
        const auto beyond = [&](const OrderedHit& hit) {
            return !from ||
                   (forward ? hit.order > OrderOf(*from, {}) : hit.order < OrderOf(*from, {}));
        };
        if (forward) {
            const auto found = std::find_if(hits.begin(), hits.end(), beyond);
            return std::move(found != hits.end() ? found->hit : hits.front().hit);
        }
        const auto found = std::find_if(hits.rbegin(), hits.rend(), beyond);
        return std::move(found != hits.rend() ? found->hit : hits.back().hit);
    }
    if (options.page != 0 && (options.page < 1 || options.page > count)) {
        return std::nullopt;
    }
    const bool onePage = options.page != 0;
    int start = onePage ? options.page : from ? from->page : startPage;
    if (start < 1 || start > count) {
        start = 1;
    }
    const int pages = onePage ? 1 : count;
    const bool forward = direction == FindDirection::Next;
    const TextMatcher matcher(options);
    PageSearch search(book, matcher, names);
    // With `from`, the start page is read again last, for the hits on the other side of it.
    const int steps = from ? pages + 1 : pages;
    for (int step = 0; step < steps; ++step) {
        const int offset = (forward ? step : -step) % pages;
        const int page = onePage ? start : (start - 1 + offset + pages) % pages + 1;
        BlockOrder blocks;
        std::vector<OrderedHit> hits = search.Run(page, onePage || page == 1, &blocks);
        if (step == 0 && from) {
            const PageOrder fromOrder = OrderOf(*from, blocks);
            std::erase_if(hits, [&](const OrderedHit& hit) {
                return forward ? hit.order <= fromOrder : hit.order >= fromOrder;
            });
        }
        if (!hits.empty()) {
            return std::move(forward ? hits.front().hit : hits.back().hit);
        }
    }
    return std::nullopt;
}

std::optional<PageChanges> ReplaceAtPlace(const PageView& view, const Place& place,
                                          const TextMatcher& matcher,
                                          std::string_view replacement) {
    const auto replaced = [&](const std::string& value) -> std::optional<std::string> {
        if (!matcher.Matches(value)) {
            return std::nullopt;
        }
        std::string text = matcher.Replace(value, replacement);
        text = place.kind == PlaceKind::Cell || place.kind == PlaceKind::Attribute
                   ? PipeListValue(text)
                   : SingleLineText(text);
        if (place.kind == PlaceKind::TitleBlockField &&
            (place.field == TblkFinish || place.field == TblkCadNumber)) {
            text = DefinitionField(text);
        }
        return text == value ? std::nullopt : std::optional(std::move(text));
    };
    PageChanges changes;
    switch (place.kind) {
    case PlaceKind::RevisionCell: // find does not search the revision table
        return std::nullopt;
    case PlaceKind::Cell: {
        if (!view.grid || place.row < 1 || place.row >= view.grid->Rows() || place.column < 0 ||
            place.column >= view.grid->Columns()) {
            return std::nullopt;
        }
        auto text = replaced(view.grid->Cell(place.row, place.column));
        if (!text) {
            return std::nullopt;
        }
        changes.cells.push_back({place.row, place.column, std::move(*text)});
        break;
    }
    case PlaceKind::TitleBlockField:
    case PlaceKind::PageDescription: {
        if (place.field < 0 || place.field >= kTitleBlockFields) {
            return std::nullopt;
        }
        auto text = replaced(view.titleBlock[static_cast<std::size_t>(place.field)]);
        if (!text) {
            return std::nullopt;
        }
        changes.titleBlock.push_back({static_cast<TitleBlockField>(place.field), std::move(*text)});
        break;
    }
    case PlaceKind::Attribute: {
        const auto occurrence = static_cast<std::size_t>(place.blockOccurrence);
        const AttribValueList::Entry* entry = view.BlockAttribValues.Find(place.block, occurrence);
        if (entry == nullptr) {
            return std::nullopt;
        }
        std::vector<std::string> values = SplitPipeList(entry->valueLine);
        const auto index = static_cast<std::size_t>(place.attribute);
        if (index >= values.size()) {
            return std::nullopt;
        }
        auto text = replaced(values[index]);
        if (!text) {
            return std::nullopt;
        }
        values[index] = std::move(*text);
        changes.attributes.push_back({place.block, occurrence, JoinPipeList(values, 0)});
        break;
    }
    }
    return changes;
}

} // namespace waybill
