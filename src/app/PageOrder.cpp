#include "app/PageOrder.h"

#include "units/Text.h"

#include <algorithm>
#include <utility>

namespace waybill {

bool LocationIndex::Add(std::string_view key, std::int16_t position) {
    return positions_.emplace(ToLower(key), position).second;
}

std::optional<std::int16_t> LocationIndex::Find(std::string_view key) const {
    const auto found = positions_.find(ToLower(key));
    if (found == positions_.end()) {
        return std::nullopt;
    }
    return found->second;
}

LocationIndex MakeLocationIndex(Book& defWaybill) {
    LocationIndex index;
    for (int number = 1; number <= defWaybill.PageCount(); ++number) {
        Page& page = defWaybill.GetPage(number);
        const std::string key = CadBase(page.CadNumber);
        index.Add(key, static_cast<std::int16_t>(number));
        page.LocIndex = *index.Find(key);
    }
    return index;
}

void SetLocIdx(Book& book, const LocationIndex& index) {
    for (int number = 1; number <= book.PageCount(); ++number) {
        // Read first, so a page that keeps its position stays shared with other books.
        const Page& page = std::as_const(book).GetPage(number);
        if (const auto position = index.Find(CadBase(page.CadNumber));
            position && page.LocIndex != *position) {
            book.GetPage(number).LocIndex = *position;
        }
    }
}

bool IsSorted(const Book& book) {
    std::int16_t previous = 0;
    for (const auto& page : book.Pages()) {
        if (page->LocIndex < previous) {
            return false;
        }
        previous = page->LocIndex;
    }
    return true;
}

Book SortWaybills(const Book& book) {
    // Adding each page at its default location is a stable sort by position; sorting the
    // handles gives that order without copying a page.
    std::vector<Book::PagePtr> pages = book.Pages();
    std::stable_sort(pages.begin(), pages.end(),
                     [](const auto& a, const auto& b) { return a->LocIndex < b->LocIndex; });
    Book sorted;
    sorted.CopyHeaderFrom(book);
    sorted.SetPages(std::move(pages), 1);
    return sorted;
}

void AddTemplatePages(Book& book, const Book& defWaybill, const std::vector<int>& templatePages,
                      PageLocation location) {
    int code = location;
    for (const int number : templatePages) {
        if (number < 1 || number > defWaybill.PageCount()) {
            continue;
        }
        book.AddPage(defWaybill.GetPage(number), code);
        if (code != AtDefaultLocation) {
            code = AfterCurrentPage;
        }
    }
}

void AddRedLinePages(Book& book, const Book& redLine) {
    for (const auto& page : redLine.Pages()) {
        book.AddPage(*page, AfterCurrentPage);
    }
}

} // namespace waybill
