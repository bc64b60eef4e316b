#pragma once

#include "page/AttribDefs.h"
#include "page/PageChanges.h"
#include "page/Place.h"
#include "refdb/ReferenceDatabase.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace waybill {

class Book;

// What to look for. Texts are compared as the reader sees them (find/SeenText.h): a drawing
// symbol is found by the character that looks like it and by its plain text. Letter case is
// folded for ASCII letters only. A whole-cell match compares the whole value, blanks at both
// ends of it and of the text left out; otherwise the text may stand anywhere in the value. An
// empty text matches nothing.
struct FindOptions {
    std::string text;
    bool matchCase = false;
    bool wholeCell = false;
    int page = 0; // 0: all pages; otherwise only this page (from 1)
};

// Decides whether one value matches, and rewrites the matching parts of a value.
class TextMatcher {
  public:
    explicit TextMatcher(const FindOptions& options);

    bool Matches(std::string_view value) const;
    // False only when no value inside `line` can match: a quick test of a whole stored line.
    bool MayHold(std::string_view line) const;
    // The value with every match (left to right, not overlapping) replaced by `replacement`;
    // the value itself when nothing matches. A symbol a match takes part of is replaced whole,
    // the part left out written as plain text.
    std::string Replace(std::string_view value, std::string_view replacement) const;

  private:
    std::size_t FindIn(std::string_view value, std::size_t from) const;

    // False when the value lacks a character of the text that no symbol's plain text holds:
    // a quick test before the value's seen text is made.
    bool MayShow(std::string_view value) const;

    std::string text_; // the seen text, folded to lower case unless case matters
    bool matchCase_;
    bool wholeCell_;
    std::optional<char> anchor_; // such a character of the text, when it has one
    mutable std::string seen_;   // reused for each value: a matcher serves one search
};

// The column headers of grids and the tags of blocks, as the editor shows them, read from the
// reference database once per name (a name it lacks too). Without a database every name is
// unknown.
class PlaceNames {
  public:
    explicit PlaceNames(const ReferenceDatabase* database);

    // Nothing when the grid cannot be laid out: the editor then shows no grid.
    const std::optional<std::vector<std::string>>& Headers(std::string_view grid);
    // Nothing when the block's attribute definitions cannot be read.
    const std::optional<std::vector<std::string>>& Tags(std::string_view block);

  private:
    const ReferenceDatabase* database_;
    std::optional<BlockAttribDefs> attribDefs_;
    std::map<std::string, std::optional<std::vector<std::string>>> headers_; // lower-case key
    std::map<std::string, std::optional<std::vector<std::string>>> tags_;
};

struct FindHit {
    Place place;
    std::string text; // the whole value
    // A page change can name the place: a cell of the grid the editor shows, within its
    // columns, a title-block field or an attribute value. Cells the editor cannot show are
    // not.
    bool replaceable = false;

    bool operator==(const FindHit&) const = default;
};

// Every match in document order. On a page: the attribute values block by block, the cells of
// its grid row by row, then the title-block fields in field order. The document's own fields
// (Detail By, Issue, Checked By, Date, Customer, Job Number) are shown on every page but are
// one text each: they are reported once, on the first page searched, or without a page (page
// 0, not replaceable) when the document has none. A page's grid is the last one it names, the
// one the editor shows and stores.
std::vector<FindHit> FindAll(const Book& book, PlaceNames& names, const FindOptions& options);

// Where a place sits on its page, as the user is told: "row R, column C (HEADER)",
// "title-block FIELD" or "block NAME, TAG" ("value N" for a value without a tag).
std::string DescribePlace(const Place& place);

// Where a hit is, as the command line and the window tell it: "page P (CAD), " and the place.
// A document's own field found in a document without pages has no page: the place alone.
std::string DescribeWhere(const Place& place);

// What Replace All did, for the status bar.
std::string ReplaceAllNote(int replaced, int skipped);

enum class FindDirection { Next, Previous };

// The match after (or before) `from` in document order, going round past the last page to the
// first (or the other way); only within options.page when it is set. Without `from`, the
// search starts at the top (or bottom) of `startPage`. `from` itself is found again only when
// it is the one match. Pages are read one at a time, so a near match is found quickly.
std::optional<FindHit> FindNext(const Book& book, PlaceNames& names, const FindOptions& options,
                                int startPage, const std::optional<Place>& from,
                                FindDirection direction);

// The change that replaces the matches in the value at `place` on the shown page `view`, as
// the place can keep it (one line, no "|" in a page-data value, no comma in the fields of the
// page's definition line), for the session's commit path (its rules are not run here).
// Nothing when the place is not on the view, its value no longer matches, or it would stay
// as it is.
std::optional<PageChanges> ReplaceAtPlace(const PageView& view, const Place& place,
                                          const TextMatcher& matcher, std::string_view replacement);

} // namespace waybill
