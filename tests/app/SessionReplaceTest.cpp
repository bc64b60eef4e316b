// Replace through the edit session on the shipped default document.
#include "model/FwbFile.h"
#include "page/CellRules.h"
#include "units/Parsers.h"
#include "SessionFixture.h"

namespace waybill {
namespace {

using namespace SessionChange;
using test::kCablePage;
using test::kClip2Page;
using test::kZeePage;

using SessionReplaceTest = test::SessionTest;

std::vector<std::pair<int, PlaceKind>> Where(const std::vector<FindHit>& hits) {
    std::vector<std::pair<int, PlaceKind>> places;
    for (const FindHit& hit : hits) {
        places.emplace_back(hit.place.page, hit.place.kind);
    }
    return places;
}

TEST_F(SessionReplaceTest, ReplaceAllSetsOffTheCommitRulesAndIsUndoneAsOneStep) {
    OpenSample(kCablePage);
    Type(1, 3, "37'-0");
    Type(2, 3, "37'-0");
    const std::string cut = Cell(1, 4);
    const std::string part = Cell(1, 8);
    const std::string typed = FormatFWB(session.Waybill());
    const std::size_t steps = session.Doc().StepCount();
    session.ShowPage(1);
    notices.clear();

    const auto outcome = session.ReplaceAll({"37'-0", false, true}, "41'-0");
    EXPECT_EQ(outcome.replaced, 2);
    EXPECT_TRUE(outcome.skipped.empty());
    EXPECT_EQ(session.Doc().UndoName(), "Replace All");
    EXPECT_EQ(session.Doc().StepCount(), steps + 1);
    EXPECT_EQ(session.Waybill().CurPage(), 1); // the current page stays
    EXPECT_EQ(notices, std::vector<SessionChanges>{PageShown | PageList | Header | History});
    session.ShowPage(kCablePage);
    EXPECT_EQ(Cell(2, 3), "41'-0");
    EXPECT_NE(Cell(1, 4), cut);
    EXPECT_NE(Cell(1, 8), part);

    session.Undo();
    EXPECT_EQ(FormatFWB(session.Waybill()), typed);
    EXPECT_EQ(session.Doc().UndoName(), "Cell Edit");
    EXPECT_TRUE(questions.messages.empty());
}

TEST_F(SessionReplaceTest, WhatTypingCouldNotChangeIsSkippedAndReported) {
    OpenSample(kClip2Page);
    const std::string kept = Cell(2, 1);
    const std::string finish = session.View().titleBlock[TblkFinish];
    ASSERT_FALSE(kept.empty());
    auto outcome = session.ReplaceAll({kept, true, true, kClip2Page}, "x");
    EXPECT_EQ(Where(outcome.skipped),
              (std::vector<std::pair<int, PlaceKind>>{{kClip2Page, PlaceKind::Cell}}));
    EXPECT_EQ(session.SkippedByReplaceAll(), outcome.skipped);
    EXPECT_EQ(outcome.replaced, 0);
    EXPECT_EQ(Cell(2, 1), kept);
    EXPECT_FALSE(session.Doc().CanUndo()); // nothing replaced, no step

    // The finish comes from the finish list only.
    outcome = session.ReplaceAll({finish, true, true, kClip2Page}, "x");
    EXPECT_EQ(Where(outcome.skipped),
              (std::vector<std::pair<int, PlaceKind>>{{kClip2Page, PlaceKind::TitleBlockField}}));

    // A member's values belong to the member editor.
    session.ShowPage(kZeePage);
    const auto member = session.MemberToConfigure();
    ASSERT_TRUE(member);
    const std::string value = SplitPipeList(member->valueLine).front();
    outcome = session.ReplaceAll({value, true, true, kZeePage}, "x");
    ASSERT_FALSE(outcome.skipped.empty());
    EXPECT_EQ(outcome.skipped.front().place.kind, PlaceKind::Attribute);
    EXPECT_EQ(session.MemberToConfigure()->valueLine, member->valueLine);

    // A length its cell cannot take is kept and reported once.
    session.ShowPage(kCablePage);
    Type(1, 3, "37'-0");
    Type(2, 3, "37'-0");
    EXPECT_EQ(session.SkippedByReplaceAll(), outcome.skipped); // typing keeps the list
    outcome = session.ReplaceAll({"37'-0", false, true}, "1'-0");
    EXPECT_EQ(outcome.replaced, 2);
    EXPECT_EQ(Cell(1, 3), "1'-0");
    EXPECT_EQ(questions.Texts(), std::vector<std::string>{InvalidLengthMessage("2'-0").text});
    EXPECT_TRUE(session.SkippedByReplaceAll().empty()); // the latest run skipped nothing
}

TEST_F(SessionReplaceTest, TheSkippedListEndsWithUndoRedoAndAnotherDocument) {
    OpenSample(kClip2Page);
    const std::string finish = session.View().titleBlock[TblkFinish];
    session.CommitTyping({"Title Block Edit", {{{TblkCustomer, finish}}}});
    const FindOptions options{finish, true, true, kClip2Page};
    const auto outcome = session.ReplaceAll(options, "x");
    ASSERT_EQ(outcome.replaced, 1);
    ASSERT_EQ(Where(outcome.skipped),
              (std::vector<std::pair<int, PlaceKind>>{{kClip2Page, PlaceKind::TitleBlockField}}));
    EXPECT_EQ(session.SkippedByReplaceAll(), outcome.skipped);
    session.Undo();
    EXPECT_TRUE(session.SkippedByReplaceAll().empty());
    session.Undo(); // the customer: now only the finish matches
    session.ReplaceAll(options, "x");
    EXPECT_FALSE(session.SkippedByReplaceAll().empty());
    session.Redo();
    EXPECT_TRUE(session.SkippedByReplaceAll().empty());
    session.ReplaceAll(options, "x");
    session.Files().New();
    EXPECT_TRUE(session.SkippedByReplaceAll().empty());
}

TEST_F(SessionReplaceTest, ReplaceGoesToTheHitsPageAndIsItsOwnStep) {
    OpenSample(kCablePage);
    Type(1, 3, "37'-0");
    const std::string part = Cell(1, 8);
    session.ShowPage(1);
    PlaceNames names(opened->database.get());
    const auto hits = FindAll(session.Waybill(), names, {"37'"});
    ASSERT_EQ(hits.size(), 1u);

    const auto outcome = session.Replace(hits[0], {"37'"}, "41'");
    EXPECT_EQ(outcome.replaced, 1);
    EXPECT_EQ(session.Waybill().CurPage(), kCablePage);
    EXPECT_EQ(Cell(1, 3), "41'-0");
    EXPECT_NE(Cell(1, 8), part);
    EXPECT_EQ(session.Doc().UndoName(), "Replace");
    // Found again after it changed: nothing left to replace.
    EXPECT_EQ(session.Replace(hits[0], {"37'"}, "41'").replaced, 0);
    EXPECT_EQ(session.Doc().UndoName(), "Replace");
}

} // namespace
} // namespace waybill
