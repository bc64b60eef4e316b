// The edit session's record path, page commands and rules on the shipped default document.
#include "app/AppMessages.h"
#include "catalog/CellLists.h"
#include "catalog/ClipParts.h"
#include "catalog/SheetParts.h"
#include "model/Page.h"
#include "page/CellRules.h"
#include "SessionFixture.h"
#include "tensile/MemberConfig.h"
#include "tensile/MemberPage.h"

namespace waybill {
namespace {

using namespace SessionChange;
using test::kCablePage;
using test::kClip2Page;
using test::kRoofPanelPage;
using test::kShippedPages;
using test::kSteelPage;
using test::kZeePage;
using test::LockEditor;
using Names = std::vector<std::string>;
constexpr int kClipPage = 10;
constexpr int kEaveStrutPage = 14; // an attribute block that is no member
constexpr int kZeePurlinPage = 17;

using EditSessionTest = test::SessionTest;
using test::WaitingTyping;

TEST_F(EditSessionTest, TypingAndTheRulesItSetsOffAreOneStep) {
    OpenSample(kCablePage);
    const GridView empty = *session.View().grid;
    EXPECT_FALSE(Type(1, 3, "20'-0").retype);
    EXPECT_FALSE(Cell(1, 4).empty()); // cut length
    EXPECT_FALSE(Cell(1, 8).empty()); // part number
    EXPECT_EQ(session.Doc().UndoName(), "Cell Edit");
    EXPECT_EQ(notices, std::vector<SessionChanges>{PageTexts | History});
    const std::string filled = FormatFWB(session.Waybill());

    session.Undo();
    EXPECT_EQ(session.View().grid->cells, empty.cells);
    EXPECT_FALSE(session.Doc().CanUndo());
    EXPECT_FALSE(session.Doc().FileChanged());
    session.Redo();
    EXPECT_EQ(FormatFWB(session.Waybill()), filled);
    EXPECT_TRUE(questions.messages.empty());
}

// The window refreshes the header from the notice: only a document-level field sets it off.
TEST_F(EditSessionTest, TypingADocumentFieldNotifiesTheHeader) {
    OpenSample(kCablePage);
    session.CommitTyping({"Title Block Edit", {{{TblkCustomer, "Acme"}}}});
    EXPECT_EQ(session.Waybill().Customer, "Acme");
    EXPECT_EQ(notices, std::vector<SessionChanges>{PageTexts | History | Header});
}

TEST_F(EditSessionTest, ALengthItsCellCannotTakeIsKeptReportedAndTypedAgain) {
    OpenSample(kCablePage);
    const TypingOutcome outcome = Type(1, 3, "1'-0");
    EXPECT_EQ(questions.Texts(), std::vector<std::string>{InvalidLengthMessage("2'-0").text});
    EXPECT_EQ(outcome.retype, (CellPosition{1, 3}));
    EXPECT_EQ(Cell(1, 3), "1'-0");
    EXPECT_EQ(Cell(1, 8), "");
    EXPECT_TRUE(session.Doc().CanUndo());
}

// A paste writes only the cells the page's rules let the user type into; the values it
// leaves out are counted, empty ones (a delete) are not.
TEST_F(EditSessionTest, CellsThePageKeepsTheUserOutOfAreLeftOutAndCounted) {
    OpenSample(kClip2Page);
    const std::string kept = Cell(2, 1);
    const TypingOutcome pasted =
        session.CommitTyping({"Paste", {{}, {{2, 1, "x"}, {2, 5, ""}, {9, 99, "y"}}}});
    EXPECT_EQ(pasted.skipped, 2);
    EXPECT_EQ(Cell(2, 1), kept);
    EXPECT_EQ(session.CommitTyping({"Delete", {{}, {{2, 1, ""}}}}).skipped, 0);
    EXPECT_FALSE(session.Doc().CanUndo()); // a change of nothing is no step

    session.ShowPage(1);
    EXPECT_EQ(session.CommitTyping({"Paste", {{}, {{1, 2, "7"}, {2, 2, "8"}}}}).skipped, 0);
    EXPECT_EQ(Cell(2, 2), "8");
    EXPECT_EQ(session.Doc().UndoName(), "Paste");
    EXPECT_EQ(session.Doc().StepCount(), 1u);
}

TEST_F(EditSessionTest, TypingStillWaitingIsCommittedAsItsOwnStepBeforeACommand) {
    OpenSample(kCablePage);
    WaitingTyping boxes;
    session.SetPendingTyping(&boxes);
    boxes.waiting = TypedEdit{"Title Block Edit", {{{TblkCustomer, "Acme"}}}};
    session.ShowPage(kSteelPage);
    EXPECT_EQ(session.Waybill().Customer, "Acme");
    EXPECT_EQ(session.Doc().UndoName(), "Title Block Edit");

    // Undo takes back what was being typed.
    session.ShowPage(kCablePage);
    boxes.waiting = TypedEdit{"Cell Edit", {{}, {{1, 3, "1'-0"}}}};
    session.Undo();
    EXPECT_EQ(Cell(1, 3), "");
    EXPECT_EQ(boxes.retyped, (std::vector<CellPosition>{{1, 3}}));
    EXPECT_EQ(session.Doc().UndoName(), "Title Block Edit");
}

TEST_F(EditSessionTest, PageCommandsAreStepsThatRestoreOrderAndPage) {
    OpenSample(3);
    const Names cads = Cads();
    questions.answers = {MessageAnswer::No};
    session.DeletePage();
    EXPECT_EQ(questions.messages.at(0).message, DeletePageQuestion());
    EXPECT_EQ(session.Waybill().PageCount(), kShippedPages);
    session.DeletePage(); // the recorder's default answer is Yes
    EXPECT_EQ(session.Doc().UndoName(), "Delete Page");
    session.ShowPage(1);
    session.Undo();
    EXPECT_EQ(Cads(), cads);
    EXPECT_EQ(session.Waybill().CurPage(), 3); // the page the step changed is shown
    EXPECT_EQ(session.View().titleBlock[TblkCadNumber], cads[2]);

    session.AddTemplatePages({1}, AfterLastPage);
    EXPECT_EQ(session.Doc().UndoName(), "Add Page");
    EXPECT_TRUE(session.Enabling().sort);
    session.SortPages();
    EXPECT_FALSE(session.Enabling().sort);
    session.Undo();
    EXPECT_EQ(Cads().back(), cads.front());
    session.Undo();
    EXPECT_EQ(Cads(), cads);

    session.CutPage();
    EXPECT_EQ(Cads().size(), cads.size() - 1);
    EXPECT_TRUE(session.Enabling().pastePage);
    session.PastePage();
    EXPECT_EQ(session.Doc().UndoName(), "Paste Page");
    session.Undo();
    session.Undo();
    EXPECT_EQ(Cads(), cads);

    const bool numbered = session.Waybill().NumberPgs;
    session.ToggleNumberPages();
    EXPECT_NE(session.Waybill().NumberPgs, numbered);
    EXPECT_EQ(session.Doc().UndoName(), "Number Pages");
    session.ToggleShowPageTotal();
    EXPECT_EQ(session.Doc().UndoName(), "Show Total Pages");
    session.Undo();
    session.Undo();
    EXPECT_EQ(session.Waybill().NumberPgs, numbered);
    EXPECT_FALSE(session.Doc().FileChanged());
}

TEST_F(EditSessionTest, RedLinePagesComeFromTheirFileOrNothingIsAdded) {
    OpenSample(2);
    session.AddRedLinePages(true);
    EXPECT_EQ(Cads().back(), "redline-02");
    EXPECT_EQ(session.Waybill().CurPage(), kShippedPages + 2);
    EXPECT_EQ(session.Doc().UndoName(), "Red Line");

    EditSession without{{opened->database.get(), &defs, {}, work / "missing.fwb", {&paths}},
                        questions};
    without.Start({});
    without.AddRedLinePages(false);
    EXPECT_EQ(questions.messages.back().message, CannotOpenMessage(work / "missing.fwb"));
    EXPECT_EQ(without.Waybill().PageCount(), 0);
}

TEST_F(EditSessionTest, DetailPagesGoAfterTheCurrentPageAtTheirKindsPosition) {
    OpenSample(2);
    Page known;
    known.CadNumber = "FLBRC01-02"; // the kind of the default document's page 4
    known.LocIndex = 999;
    Page unknown;
    unknown.CadNumber = "trim22";
    unknown.LocIndex = 998;
    session.AddDetailPages("Standard Gutter Detail", {known, unknown});
    EXPECT_EQ(session.Doc().UndoName(), "Standard Gutter Detail");
    EXPECT_EQ(session.Waybill().CurPage(), 4);
    EXPECT_EQ(session.Waybill().GetPage(3).CadNumber, "FLBRC01-02");
    EXPECT_EQ(session.Waybill().GetPage(3).LocIndex, 4);
    EXPECT_EQ(session.Waybill().GetPage(4).LocIndex, 998);
}

TEST_F(EditSessionTest, AFinishIsPickedFromThePagesListOnly) {
    OpenSample(kRoofPanelPage);
    EXPECT_EQ(&session.PageFinishes(), &PanelFinishes());
    EXPECT_TRUE(session.PickFinish("smp ash gray"));
    EXPECT_EQ(session.View().titleBlock[TblkFinish], "SMP Ash Gray");
    EXPECT_EQ(session.Waybill().GetPage(kRoofPanelPage).Finish, "SMP Ash Gray");
    EXPECT_EQ(session.Doc().UndoName(), "Finish Change");

    EXPECT_FALSE(session.PickFinish("Red-Oxide"));
    EXPECT_EQ(questions.Texts(),
              std::vector<std::string>{FinishNotOfferedMessage("Red-Oxide", kRoofPanelPage).text});
    EXPECT_EQ(session.Doc().StepCount(), 1u);
}

TEST_F(EditSessionTest, TheMemberEditorConfiguresZeeAndCeePagesOnly) {
    OpenSample(kSteelPage);
    EXPECT_FALSE(session.MemberToConfigure());
    const auto encoding =
        EncodeMemberConfig(MemberSection::Zee, {FindMemberSize(8), FindMemberFlange(2),
                                                FindMemberGauge(14), true, std::nullopt});
    EXPECT_FALSE(session.ConfigureMember(*encoding));
    EXPECT_FALSE(session.Doc().CanUndo());

    session.ShowPage(kZeePage);
    ASSERT_TRUE(session.MemberToConfigure());
    EXPECT_TRUE(session.ConfigureMember(*encoding));
    EXPECT_EQ(session.Doc().UndoName(), "Member Configuration");
    EXPECT_EQ(session.Waybill().GetPage(kZeePage).Finish, "Pre-Galvanized");
    EXPECT_EQ(notices.back(), PageTexts | PageDrawing | History);
}

// What the cell lists and the clip, punch and attribute dialogs chose is written as one step.
TEST_F(EditSessionTest, TheCellDialogsAndListsWriteWhatWasChosenAsOneNamedStep) {
    OpenSample(kZeePage);
    EXPECT_TRUE(session.PickFromCellList(CellListKind::PunchCodes, 1, 4, "C"));
    EXPECT_EQ(Cell(1, 4), "C");
    EXPECT_EQ(Cell(1, 11), "C"); // the trailing punch follows the leading one
    EXPECT_EQ(session.Doc().UndoName(), "Cell Edit");
    // The member editor's block takes no value from the attribute editor.
    EXPECT_FALSE(session.EditAttributes({{"ZEE00", 0, "|8|2.5|2.5|0|x|y|z|"}}));

    session.ShowPage(kClipPage);
    const auto texts = session.ClipToEdit(1);
    ASSERT_TRUE(texts);
    EXPECT_EQ(texts->partNo, "59A_101P");
    EXPECT_TRUE(session.EditClip(1, {"C", "P"}));
    EXPECT_EQ(Cell(1, 5), "59AC101P");
    EXPECT_EQ(session.Doc().UndoName(), "Size and Finish");
    session.RecordPageChanges("Cell Edit", CellTextChange(*session.View().grid, 1, 5, "A"));
    questions.messages.clear();
    EXPECT_FALSE(session.ClipToEdit(1)); // no room for the size letter: said, not opened
    EXPECT_EQ(
        questions.Texts(),
        std::vector<std::string>{ClipEditRefusal(ClipTextsForEdit(*session.View().grid, 1))->text});

    session.ShowPage(kZeePurlinPage);
    EXPECT_TRUE(session.SelectPunch(1, 5, "6\" ZEE PURLINS (punch=WB)"));
    EXPECT_EQ(Cell(1, 5), "6\" ZEE PURLINS (punch=WB)");
    EXPECT_EQ(session.Doc().UndoName(), "Punch Selection");

    session.ShowPage(kEaveStrutPage);
    const std::string values = "|10|1|8\" EAVE STRUT x 14GA|ASTM A1011 Grade 55|";
    EXPECT_TRUE(session.EditAttributes({{"eav00", 0, values}}));
    EXPECT_EQ(session.Waybill().GetPage(kEaveStrutPage).PageData.back(), values);
    EXPECT_EQ(session.Doc().UndoName(), "Edit Attributes");
    EXPECT_EQ(session.Doc().StepCount(), 5u);
}

// The document's files replace the document; the session shows the new one from its current
// page.
TEST_F(EditSessionTest, ADocumentThatReplacesAnotherIsShown) {
    const std::string sample = OpenSample(kSteelPage);
    session.Files().New();
    EXPECT_FALSE(session.IsPageShown());
    EXPECT_EQ(session.View().titleBlock[TblkDate], "8.12.25");
    session.Files().Open(work.Write("bad.fwb", "PK").string(), DocumentFiles::OpenedFrom::Dialog);
    EXPECT_FALSE(session.IsPageShown());
    session.Files().Open(sample, DocumentFiles::OpenedFrom::RecentFiles);
    ASSERT_TRUE(session.IsPageShown());
    EXPECT_EQ(session.View().titleBlock[TblkCadNumber], session.Waybill().GetPage(1).CadNumber);
    // A lock file is no comparison base either.
    EXPECT_FALSE(session.CompareWith(work.Write("~$sample.fwb", "x").string()));
    EXPECT_EQ(questions.Texts().back(), "This is a lock file of an open document, not a document.");
    EXPECT_FALSE(session.Compared().Active());
}

// Someone else holds the document: opened read-only, it takes no change at all.
TEST_F(EditSessionTest, AReadOnlyDocumentTakesNoChange) {
    EditSession& locked = Locked();
    const std::string held = SampleDocument("held.fwb");
    LockEditor other{"WS-07", 4711};
    LockDocument(held, other);
    locked.Files().Open(held, DocumentFiles::OpenedFrom::Dialog); // Read-Only, the default
    ASSERT_TRUE(locked.Files().IsReadOnly());
    locked.ShowPage(kSteelPage);

    const CommandEnabling enabling = locked.Enabling();
    EXPECT_FALSE(enabling.editing);
    EXPECT_FALSE(enabling.save);
    EXPECT_FALSE(enabling.addPage);
    EXPECT_FALSE(enabling.pageEdits);
    EXPECT_TRUE(enabling.pageCommands);     // Copy Page
    EXPECT_TRUE(enabling.documentCommands); // Save As, print, export

    const std::string cell = locked.View().grid->Cell(1, 0);
    locked.CommitTyping({"Cell Edit", {{}, {{1, 0, "99"}}}});
    locked.CommitTyping({"Title Block Edit", {{{TblkCustomer, "Someone"}}}});
    EXPECT_FALSE(locked.RecordPageChanges("Finish Change", {{{TblkCustomer, "Other"}}}));
    locked.ToggleNumberPages();
    locked.DeletePage();
    EXPECT_EQ(locked.View().grid->Cell(1, 0), cell);
    EXPECT_EQ(locked.Waybill().PageCount(), kShippedPages);
    EXPECT_FALSE(locked.Doc().FileChanged());
    EXPECT_FALSE(locked.Doc().CanUndo());

    ASSERT_TRUE(locked.Files().SaveAs((work / "copy.fwb").string()));
    EXPECT_TRUE(locked.Enabling().save); // the copy is the user's own
}

// Each showing of a page reports what it lacks: a missing drawing once, whatever its case.
TEST_F(EditSessionTest, APagesMessagesAreShownEachTimeItIsShown) {
    Book book;
    book.Add("odd-01", "", "ODD", {"BLOCK: TRIM22", "BLOCK: nosuch", "BLOCK: NOSUCH"},
             AfterLastPage);
    book.Add("lost-01", "", "LOST", {"GRID: lost", "|a|"}, AfterLastPage);
    session.LoadBook(book);
    EXPECT_TRUE(questions.messages.empty()); // nothing is shown yet
    session.ShowPage(1);
    EXPECT_EQ(questions.Texts(), std::vector<std::string>{"Cannot find block nosuch."});
    session.ShowPage(2);
    session.ShowPage(1);
    EXPECT_EQ(questions.Texts(), (std::vector<std::string>{"Cannot find block nosuch.",
                                                           GridNotFoundMessage("lost").text,
                                                           "Cannot find block nosuch."}));
}

TEST_F(EditSessionTest, MovingBetweenPagesIsNoStep) {
    OpenSample();
    session.ShowPage(5);
    session.ShowPage(kShippedPages + 1); // no such page: the current one stays
    EXPECT_EQ(session.Waybill().CurPage(), 5);
    EXPECT_EQ(notices, (std::vector<SessionChanges>{PageShown | PageList, PageShown | PageList}));
    EXPECT_FALSE(session.Doc().FileChanged());
    const CommandEnabling enabling = session.Enabling();
    EXPECT_TRUE(enabling.firstPage && enabling.lastPage && enabling.documentCommands);
    EXPECT_FALSE(enabling.undo || enabling.redo || enabling.pastePage);
}

} // namespace
} // namespace waybill
