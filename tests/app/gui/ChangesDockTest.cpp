// Comparing with an older file as the window offers it: the menu entries, the changes dock,
// going to a change, the shading following edits, and the print option.
#include "app/gui/ChangesDock.h"

#include "compare/DifferenceText.h"
#include "units/Lengths.h"
#include "WindowFixture.h"

#include <QDockWidget>
#include <QStatusBar>

namespace waybill::test {
namespace {

constexpr int kCablePage = 6;

class ChangesDockTest : public WindowTest {
  protected:
    void SetUp() override {
        ASSERT_TRUE(Start());
        Open(SampleDocument());
        dialogs.openAnswers.push_back(SampleDocument("base.fwb").string());
        Trigger("mnuFileCompare");
    }

    EditSession& Session() { return window->Session(); }
    ChangesDock& Dock() { return window->Changes(); }
    QStringList Listed() {
        QStringList texts;
        for (int i = 0; i < Dock().List()->topLevelItemCount(); ++i) {
            texts << Dock().List()->topLevelItem(i)->text(0);
        }
        return texts;
    }
    QStringList Expected() {
        QStringList texts;
        for (const Difference& change : Session().Compared().Differences()) {
            texts << QString::fromStdString(GlyphsToText(DescribeDifference(change)));
        }
        return texts;
    }
    const PageChangeMarks& Shaded() { return window->Page().ChangeMarks(); }
    void TypeCustomer(const char* text) {
        Session().CommitTyping({"Title Block Edit", {{{TblkCustomer, text}}}});
    }
};

TEST_F(ChangesDockTest, TheDockListsWhatTheSessionFoundAndFollowsEdits) {
    EXPECT_EQ(dialogs.openRequests.back().title, "Compare With");
    EXPECT_TRUE(Dock().isVisibleTo(window.get()));
    EXPECT_TRUE(Listed().isEmpty());
    EXPECT_EQ(Dock().windowTitle(), QStringLiteral("0 changes since base.fwb"));
    for (const char* name : {"mnuFileStopCompare", "mnuEditNextChange", "mnuEditPrevChange"}) {
        EXPECT_TRUE(Enabled(name)) << name;
    }
    EXPECT_EQ(window->Action(QStringLiteral("mnuEditNextChange"))->shortcut(),
              QKeySequence(Qt::Key_F8));
    EXPECT_EQ(window->Action(QStringLiteral("mnuEditPrevChange"))->shortcut(),
              QKeySequence(Qt::SHIFT | Qt::Key_F8));

    TypeCustomer("Acme 8\xF0"); // a Zee symbol: listed as plain text
    Session().ShowPage(3);
    Session().DeletePage(); // removed: listed, though nothing can be shaded
    ASSERT_EQ(Listed().size(), 2);
    EXPECT_EQ(Listed(), Expected());
    EXPECT_TRUE(Shaded().Field(TblkCustomer));

    Trigger("mnuEditUndo");
    Trigger("mnuEditUndo");
    EXPECT_TRUE(Listed().isEmpty());
    EXPECT_TRUE(Shaded().Empty());
}

TEST_F(ChangesDockTest, F8AndADoubleClickGoToTheChangeGoingRound) {
    Session().ShowPage(kCablePage);
    Session().CommitTyping({"Cell Edit", {{}, {{2, 1, "Q7"}}}}); // a blank row: added
    Session().ShowPage(1);
    TypeCustomer("Acme");
    const std::vector<Difference> changes = Session().Compared().Differences();
    ASSERT_EQ(changes.size(), 2u);
    ASSERT_EQ(changes[1].place.page, kCablePage);
    ASSERT_EQ(changes[1].kind, DifferenceKind::RowAdded);

    Trigger("mnuEditNextChange"); // the document's field, on the page shown
    EXPECT_EQ(Session().Waybill().CurPage(), 1);
    EXPECT_EQ(Dock().Current(), 0u);
    Trigger("mnuEditNextChange");
    EXPECT_EQ(Session().Waybill().CurPage(), kCablePage);
    EXPECT_EQ(window->Page().LineItemGrid()->Row(), 2);
    EXPECT_TRUE(Shaded().RowAdded(2));
    EXPECT_EQ(window->statusBar()->currentMessage(),
              QString::fromStdString(DescribeDifference(changes[1])));
    Trigger("mnuEditNextChange"); // round to the first
    EXPECT_EQ(Dock().Current(), 0u);
    Trigger("mnuEditPrevChange"); // and back round to the last
    EXPECT_EQ(Dock().Current(), 1u);
    // A change taken away before it leaves the user at the same change.
    Trigger("mnuEditUndo");
    EXPECT_EQ(Dock().Current(), 0u);
    EXPECT_EQ(Dock().List()->currentItem(), Dock().List()->topLevelItem(0));

    Session().ShowPage(1);
    emit Dock().List()->itemActivated(Dock().List()->topLevelItem(0), 0);
    EXPECT_EQ(Session().Waybill().CurPage(), kCablePage);
}

// It opens wide enough to read its lines, the count first in its title however long the name.
TEST_F(ChangesDockTest, TheDockOpensWideEnoughToReadALine) {
    Trigger("mnuFileStopCompare");
    Session().ShowPage(kCablePage);
    Session().CommitTyping({"Cell Edit", {{}, {{1, 1, "Q7"}}}});
    const std::string base = std::string(40, 'b') + ".fwb";
    dialogs.openAnswers.push_back(SampleDocument(base).string());
    Trigger("mnuFileCompare");
    QCoreApplication::processEvents();
    ASSERT_EQ(Listed().size(), 1);
    EXPECT_EQ(Dock().windowTitle(), QStringLiteral("1 change since %1").arg(Q(base)));
    const QAbstractItemView& list = *Dock().List();
    EXPECT_GE(list.viewport()->width(), list.sizeHintForColumn(0));
}

TEST_F(ChangesDockTest, PrintAndExportOfferTheMarksOnlyWhileComparing) {
    Trigger("mnuFilePrint"); // cancelled
    Trigger("mnuFileExportPdf");
    ASSERT_EQ(dialogs.printRequests.size(), 1u);
    ASSERT_EQ(dialogs.rangeRequests.size(), 1u);
    EXPECT_EQ(dialogs.printRequests[0].markOption, QStringLiteral("&Mark changes since base.fwb"));
    EXPECT_EQ(dialogs.rangeRequests[0].markOption, dialogs.printRequests[0].markOption);

    TypeCustomer("Acme");
    ASSERT_TRUE(Shaded().Field(TblkCustomer));
    Trigger("mnuFileStopCompare");
    EXPECT_FALSE(Dock().isVisibleTo(window.get()));
    EXPECT_TRUE(Shaded().Empty());
    EXPECT_FALSE(Enabled("mnuEditNextChange"));
    Trigger("mnuFileExportPdf");
    EXPECT_TRUE(dialogs.rangeRequests[1].markOption.isEmpty());
}

} // namespace
} // namespace waybill::test
