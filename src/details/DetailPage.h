#pragma once

#include "model/Book.h"
#include "platform/UserMessage.h"

#include <string>
#include <variant>
#include <vector>

namespace waybill {

// A typed value the detail cannot be made from: the message, and the dialog field the user is
// put back on (the field's name, e.g. "RoofSlope").
struct DetailInputError {
    std::string message;
    std::string field;

    bool operator==(const DetailInputError&) const = default;
};

// The page(s) of one generated detail, in the order they are added.
struct DetailPages {
    std::vector<Page> pages;
    // The roof slope is steep enough that the user must confirm the gutter ("Warning").
    bool steepSlopeWarning = false;

    bool operator==(const DetailPages&) const = default;
};

using DetailResult = std::variant<DetailInputError, DetailPages>;

// The "Input Error" box of every generator dialog.
UserMessage InputErrorMessage(const DetailInputError& error);
// The confirmation a steep roof slope asks for before a gutter is made (OK / Cancel).
UserMessage SteepSlopeWarning();

// One block of a detail page: "ATTRIBLK: " + block, then the value line.
struct DetailBlock {
    std::string block;
    std::vector<std::string> values;
};

// A new page as the generators build it: finish empty, the page data of the blocks in order.
Page MakeDetailPage(std::string cadNumber, std::string description,
                    const std::vector<DetailBlock>& blocks);

// Adds the generated pages after the current page, each after the one before, so the last one
// becomes the current page. The caller composes the shown page first and shows the new one.
void AddDetailPages(Book& book, const std::vector<Page>& pages);

} // namespace waybill
