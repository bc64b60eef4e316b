// The shipped documents are in canonical form: showing every page and leaving it unchanged
// gives back the same page data, and the reference database describes all they name.
#include <gtest/gtest.h>

#include "model/FwbFile.h"
#include "page/PageData.h"

namespace waybill {
namespace {

class ShippedDocuments : public testing::TestWithParam<const char*> {
protected:
    static void SetUpTestSuite() {
        opened = new OpenedReferenceDatabase(OpenReferenceDatabase(WAYBILL_REFERENCE_DB));
    }
    static void TearDownTestSuite() {
        delete opened;
        opened = nullptr;
    }

    // Renders and composes every page, as the editor does when each page is shown in turn.
    static std::vector<UserMessage> RoundTrip(Book& book) {
        BlockAttribDefs defs(*opened->database);
        const RenderContext context{*opened->database, {1024, 774, 99.9, 99.9, 1}, &defs};
        PageView view;
        SetTblkInfo(view, book);
        std::vector<UserMessage> messages;
        for (int page = 1; page <= book.PageCount(); ++page) {
            book.GotoPage(page);
            RenderPageData(view, book, page, context);
            messages.insert(messages.end(), view.messages.begin(), view.messages.end());
            ComposePageData(view, book);
        }
        return messages;
    }

    static OpenedReferenceDatabase* opened;
};

OpenedReferenceDatabase* ShippedDocuments::opened = nullptr;

TEST_P(ShippedDocuments, AreInCanonicalFormAndFullyDescribed) {
    ASSERT_TRUE(opened->database) << opened->error;
    Book book;
    ASSERT_FALSE(ReadFWB(std::string(WAYBILL_DATA_DIR) + "/" + GetParam(), book));
    ASSERT_GT(book.PageCount(), 0);
    const std::string original = FormatFWB(book);

    const auto messages = RoundTrip(book);
    for (const auto& message : messages) {
        ADD_FAILURE() << message.text;
    }
    const std::string once = FormatFWB(book);
    EXPECT_EQ(once, original);

    RoundTrip(book);
    EXPECT_EQ(FormatFWB(book), once);
}

INSTANTIATE_TEST_SUITE_P(Data, ShippedDocuments, testing::Values("Default.fwb", "Red-line.fwb"));

} // namespace
} // namespace waybill
