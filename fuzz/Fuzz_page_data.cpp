// Renders and composes arbitrary page lines against grid definitions that come from the
// input too, as a damaged or hostile reference database would hold them. Input lines that
// start with "#grid " define a grid: name, columns, rows, left, top, row height, then the
// column widths; every other line is a page line.
#include "model/Book.h"
#include "support/TestDatabase.h"
#include "page/PageData.h"
#include "platform/TextFile.h"
#include "units/NumberText.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

std::vector<std::string_view> Words(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t start = 0;
    while (start < line.size()) {
        const std::size_t blank = line.find(' ', start);
        const std::size_t end = blank == std::string_view::npos ? line.size() : blank;
        if (end > start) {
            words.push_back(line.substr(start, end - start));
        }
        start = end + 1;
    }
    return words;
}

double Number(const std::vector<std::string_view>& words, std::size_t i) {
    return i < words.size() ? waybill::LeadingNumber(words[i]).value_or(1e300) : 0;
}

int Integer(const std::vector<std::string_view>& words, std::size_t i) {
    const double v = Number(words, i);
    return v >= -2147483648.0 && v <= 2147483647.0 ? static_cast<int>(v) : 2147483647;
}

void DefineGrid(waybill::test::TestDatabase& db, std::string_view line) {
    const auto words = Words(line);
    if (words.size() < 2) {
        return;
    }
    waybill::GridDefinition definition{std::string(words[1]),
                                       Integer(words, 2),
                                       Integer(words, 3),
                                       static_cast<float>(Number(words, 4)),
                                       static_cast<float>(Number(words, 5)),
                                       static_cast<float>(Number(words, 6))};
    std::vector<std::vector<waybill::FieldValue>> columns;
    for (std::size_t i = 7; i < words.size(); ++i) {
        columns.push_back({Number(words, i), std::int64_t{4}, std::string(words[i])});
    }
    db.AddDefinition(definition, std::move(columns));
}

waybill::PageLines RenderAndCompose(waybill::Book& book, const waybill::test::TestDatabase& db) {
    waybill::PageView view;
    waybill::RenderPageData(view, book, 1, {db, {1025, 700, 100, 100, 1}, nullptr});
    waybill::ComposePageData(view, book);
    return book.GetPage(1).PageData;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    waybill::LineReader reader(std::string_view(reinterpret_cast<const char*>(data), size));
    waybill::test::TestDatabase db;
    waybill::PageLines lines;
    while (!reader.AtEnd()) {
        const std::string_view line = reader.Next();
        if (line.starts_with("#grid ")) {
            DefineGrid(db, line);
        } else {
            lines.emplace_back(line);
        }
    }
    waybill::Book book;
    book.Add("sht01-1", "PG", "fuzz", std::move(lines), waybill::AfterLastPage);
    // Composed lines are the canonical form: shown and composed again, they stay the same.
    const waybill::PageLines composed = RenderAndCompose(book, db);
    if (RenderAndCompose(book, db) != composed) {
        __builtin_trap();
    }
    return 0;
}
