// The find bar and the results dock in the window: the keys, the wiring to the session.
#include "app/gui/FindBar.h"

#include "platform/gui/QtText.h"
#include "WindowFixture.h"

#include <gtest/gtest.h>
#include <QCheckBox>
#include <QDockWidget>
#include <QLabel>
#include <QStatusBar>

namespace waybill {
namespace {

class FindBarTest : public test::WindowTest {
  protected:
    void SetUp() override {
        ASSERT_TRUE(Start());
        Open(SampleDocument());
    }

    FindBar& Bar() { return window->Finder(); }
    QString Count() { return Bar().CountLabel()->text(); }
    int Page() { return window->Session().Waybill().CurPage(); }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
};

TEST_F(FindBarTest, TheKeysOpenTheBarStepThroughTheHitsAndEscapeClosesIt) {
    Key(Qt::Key_F, Qt::ControlModifier);
    ASSERT_FALSE(Bar().isHidden());
    EXPECT_EQ(QApplication::focusWidget(), Bar().FindBox());
    EXPECT_FALSE(Bar().ReplaceBox()->isVisibleTo(&Bar()));

    QTest::keyClicks(Bar().FindBox(), "opng.");
    const int page = Page();
    EXPECT_NE(page, 1);
    EXPECT_EQ(QApplication::focusWidget(), Bar().FindBox()); // the new page took no keys
    EXPECT_EQ(Count(), "1 of 2");
    const int row = window->Page().LineItemGrid()->Row();
    Key(Qt::Key_F3);
    EXPECT_EQ(Count(), "2 of 2");
    EXPECT_EQ(window->Page().LineItemGrid()->Row(), row + 2);
    Key(Qt::Key_Return);
    EXPECT_EQ(Count(), "1 of 2");
    Key(Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_EQ(Count(), "2 of 2");
    EXPECT_EQ(Page(), page);

    Bar().MatchCaseBox()->setChecked(true);
    EXPECT_EQ(Count(), "No matches");
    Key(Qt::Key_Escape);
    EXPECT_TRUE(Bar().isHidden());
}

TEST_F(FindBarTest, ReplaceAllIsOneStepAndListsWhatItSkipped) {
    Key(Qt::Key_H, Qt::ControlModifier);
    ASSERT_TRUE(Bar().ReplaceBox()->isVisibleTo(&Bar()));
    Bar().FindBox()->setText(QStringLiteral("OPNG."));
    Bar().ReplaceBox()->setText(QStringLiteral("OPENING"));
    Bar().ReplaceAll();
    EXPECT_EQ(window->statusBar()->currentMessage(), FromCp1252(ReplaceAllNote(2, 0)));
    EXPECT_EQ(Count(), "No matches");

    // The finish is never typed: Replace stays on it and says so, Replace All skips and lists
    // every one, and a double-click goes there.
    Bar().FindBox()->setText(QStringLiteral("Red-Oxide"));
    Bar().WholeCellBox()->setChecked(true);
    const FindHit first = *Bar().Current();
    const QString count = Count();
    Bar().ReplaceCurrent();
    EXPECT_EQ(Bar().Current(), first);
    EXPECT_EQ(Count(), count);
    EXPECT_EQ(window->statusBar()->currentMessage(), FromCp1252(ReplaceAllNote(0, 1)));
    Bar().ReplaceAll();
    QTreeWidget* list = Bar().ResultsList();
    ASSERT_GT(list->topLevelItemCount(), 1);
    EXPECT_EQ(window->statusBar()->currentMessage(),
              FromCp1252(ReplaceAllNote(0, list->topLevelItemCount())));
    EXPECT_FALSE(Bar().ResultsDock()->isHidden());
    QTreeWidgetItem* last = list->topLevelItem(list->topLevelItemCount() - 1);
    emit list->itemActivated(last, 0);
    EXPECT_EQ(QString::number(Page()), last->text(0));
    EXPECT_EQ(QApplication::focusWidget(), window->Page().TitleBlockBox(TblkFinish));

    // The dock shows the latest run only: undone, or followed by a run that skipped nothing,
    // the list goes.
    Trigger("mnuEditUndo");
    EXPECT_TRUE(Bar().ResultsDock()->isHidden());
    Bar().ReplaceAll();
    EXPECT_FALSE(Bar().ResultsDock()->isHidden());
    Bar().WholeCellBox()->setChecked(false);
    Bar().FindBox()->setText(QStringLiteral("OPNG."));
    Bar().ReplaceAll();
    EXPECT_EQ(window->statusBar()->currentMessage(), FromCp1252(ReplaceAllNote(2, 0)));
    EXPECT_TRUE(Bar().ResultsDock()->isHidden());
}

TEST_F(FindBarTest, FindAllListsEveryHitWithItsPlace) {
    Trigger("mnuEditFind");
    Bar().FindBox()->setText(QStringLiteral("opng."));
    Bar().FindAll();
    QTreeWidget* list = Bar().ResultsList();
    ASSERT_EQ(list->topLevelItemCount(), 2);
    EXPECT_EQ(list->topLevelItem(0)->text(1), FromCp1252(Bar().Current()->place.cadNumber));
    EXPECT_TRUE(list->topLevelItem(1)->text(2).startsWith("row "));
    EXPECT_TRUE(list->topLevelItem(1)->text(3).endsWith("OPNG."));
}

// What the page draws as a symbol is found by the key that looks like it and by its plain
// text, and leaves the page as plain text.
TEST_F(FindBarTest, SymbolsAreFoundAsTheyLookAndListedAsPlainText) {
    window->Session().ShowPage(6);
    window->Session().CommitTyping({"Cell Edit", {{}, {{2, 1, "\xD0\"\xE8 x 10'-1"}}}});
    Trigger("mnuEditFind");
    for (const QString& typed : {QStringLiteral("\u00BC\"\u00D8"), QStringLiteral("1/4\"\u00D8 x 10")}) {
        Bar().FindBox()->setText(typed);
        EXPECT_EQ(Count(), "1 of 1");
        EXPECT_EQ(window->statusBar()->currentMessage().left(5), "Page ");
    }
    Bar().FindAll();
    EXPECT_EQ(Bar().ResultsList()->topLevelItem(0)->text(3), QStringLiteral("1/4\"\u00D8 x 10'-1"));
}

} // namespace
} // namespace waybill
