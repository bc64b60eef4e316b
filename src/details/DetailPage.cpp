#include "details/DetailPage.h"

#include "units/Parsers.h"

namespace waybill {

UserMessage InputErrorMessage(const DetailInputError& error) {
    return {error.message, "Input Error", MessageIcon::Exclamation};
}

UserMessage SteepSlopeWarning() {
    return {"Shadow gutter should not be used with\rroof slopes greater than 6:12.", "Warning",
            MessageIcon::Critical};
}

Page MakeDetailPage(std::string cadNumber, std::string description,
                    const std::vector<DetailBlock>& blocks) {
    Page page;
    page.CadNumber = std::move(cadNumber);
    page.Description = std::move(description);
    for (const DetailBlock& block : blocks) {
        page.PageData.push_back("ATTRIBLK: " + block.block);
        page.PageData.push_back(JoinPipeList(block.values, 0));
    }
    return page;
}

void AddDetailPages(Book& book, const std::vector<Page>& pages) {
    for (const Page& page : pages) {
        book.AddPage(page, AfterCurrentPage);
    }
}

} // namespace waybill
