// The session's comparison with an older state of the document, followed through edits.
#include "SessionFixture.h"

namespace waybill {
namespace {

using namespace SessionChange;
using test::kCablePage;
using test::kSteelPage;

class ComparisonTest : public test::SessionTest {
  protected:
    // The open document compared with a copy of itself as it was opened.
    void CompareWithSample(int page = kSteelPage) {
        base = OpenSample(page);
        const std::string copy = SampleDocument("base.fwb");
        ASSERT_TRUE(session.CompareWith(copy));
        notices.clear();
    }

    const std::vector<Difference>& Differences() const { return session.Compared().Differences(); }

    // What a comparison from scratch finds, against which the followed one is checked.
    std::vector<Difference> FromScratch() const {
        return CompareBooks(Read(work / "base.fwb"), session.Waybill(), *opened->database);
    }

    std::string base;
};

TEST_F(ComparisonTest, AnEditIsAChangeAtOnceAndUndoingItTakesItAway) {
    CompareWithSample();
    EXPECT_TRUE(Differences().empty());
    EXPECT_EQ(session.Compared().BaseName(), "base.fwb");
    EXPECT_TRUE(session.Enabling().comparing);

    Type(1, 2, "99");
    ASSERT_EQ(Differences().size(), 1u);
    EXPECT_EQ(Differences()[0].place.page, kSteelPage);
    EXPECT_EQ(Differences()[0].newText, "99");
    EXPECT_NE(notices.back() & Compared, 0u);
    EXPECT_TRUE(session.Compared().MarksFor(kSteelPage).Cell(1, 2));
    EXPECT_TRUE(session.Compared().MarksFor(kCablePage).Empty());

    session.Undo();
    EXPECT_TRUE(Differences().empty());
    EXPECT_TRUE(session.Compared().MarksFor(kSteelPage).Empty());
    session.Redo();
    EXPECT_EQ(Differences().size(), 1u);
}

// Only the pages an edit touched are compared again; what is found must be what a comparison
// from scratch finds, through page, header and cell edits alike.
TEST_F(ComparisonTest, FollowingEditsFindsWhatComparingAfreshFinds) {
    CompareWithSample();
    Type(1, 2, "7");
    session.ShowPage(kCablePage);
    session.CommitTyping({"Title Block Edit", {{{TblkCustomer, "Acme"}}}});
    session.DeletePage();
    session.ShowPage(1);
    session.CopyPage();
    session.PastePage();
    Type(2, 1, "X");
    EXPECT_EQ(Differences(), FromScratch());
    session.Undo();
    session.Undo();
    EXPECT_EQ(Differences(), FromScratch());
    EXPECT_FALSE(Differences().empty());
}

// A notice that changes nothing in the document (showing another page) is no new comparison.
TEST_F(ComparisonTest, ShowingAPageLeavesTheChangesAndSaysNothingOfThem) {
    CompareWithSample();
    Type(1, 2, "7");
    notices.clear();
    session.ShowPage(kCablePage);
    ASSERT_FALSE(notices.empty());
    EXPECT_EQ(notices.back() & Compared, 0u);
    EXPECT_EQ(Differences().size(), 1u);
}

TEST_F(ComparisonTest, StoppingOrABaseThatCannotBeReadEndsOrKeepsTheComparison) {
    CompareWithSample();
    Type(1, 2, "7");

    EXPECT_FALSE(session.CompareWith((work / "missing.fwb").string()));
    EXPECT_EQ(questions.messages.size(), 1u);
    EXPECT_TRUE(session.Compared().Active());
    EXPECT_EQ(Differences().size(), 1u);

    session.StopComparing();
    EXPECT_FALSE(session.Compared().Active());
    EXPECT_FALSE(session.Enabling().comparing);
    EXPECT_TRUE(Differences().empty());
    EXPECT_NE(notices.back() & Compared, 0u);
    Type(1, 2, "8");
    EXPECT_TRUE(Differences().empty());
}

// Compare With again replaces the base: the document itself as saved now is no change.
TEST_F(ComparisonTest, ComparingWithAnotherBaseReplacesTheFirst) {
    CompareWithSample();
    Type(1, 2, "7");
    ASSERT_TRUE(session.Files().Save());
    ASSERT_TRUE(session.CompareWith(base));
    EXPECT_TRUE(Differences().empty());
}

} // namespace
} // namespace waybill
