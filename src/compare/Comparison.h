#pragma once

#include "compare/BookComparison.h"
#include "model/Book.h"
#include "page/ChangeMarks.h"
#include "refdb/ReferenceDatabase.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace waybill {

// The open document compared with an older state of it (the base) while the user edits: the
// differences from the base to the document as it stands, worked out again whenever the
// document may have changed, so an edit adds its difference and undoing it takes it away.
class Comparison {
  public:
    // The database gives column headers and attribute tags.
    explicit Comparison(const ReferenceDatabase& database) : database_(database) {}

    // Compares `current` with `base` (read from the file named `baseName`), replacing any
    // base before.
    void Start(Book base, std::string baseName, const Book& current);
    void Stop();
    bool Active() const { return base_.has_value(); }
    const std::string& BaseName() const { return baseName_; }

    // The document as it stands; only the pages changed since the last call are compared
    // again. True when the differences are not what they were.
    bool Update(const Book& current);

    // In the document's order, a removed page where it stood (empty while not comparing).
    const std::vector<Difference>& Differences() const { return differences_; }
    PageChangeMarks MarksFor(int page) const;

    // The difference after (or before) difference `from`, going round past either end; from
    // nothing, the first (or last). Nothing when there are no differences.
    std::optional<std::size_t> Step(std::optional<std::size_t> from, bool forward) const;

  private:
    const ReferenceDatabase& database_;
    std::optional<Book> base_;
    std::string baseName_;
    Book compared_; // the document as last compared, sharing its pages
    PageComparisonCache cache_;
    std::vector<Difference> differences_;
};

} // namespace waybill
