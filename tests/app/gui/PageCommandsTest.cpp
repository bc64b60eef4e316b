#include "app/gui/dlgGotoPage.h"
#include "app/gui/dlgRedLine.h"
#include "WindowFixture.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QDialogButtonBox>
#include <QToolBar>
#include <QToolButton>

namespace waybill {
namespace {

using Names = std::vector<std::string>;

class PageCommandsTest : public test::WindowTest {
  protected:
    void SetUp() override { ASSERT_TRUE(Start()); }

    int Current() const { return window->Session().Waybill().CurPage(); }
};

TEST_F(PageCommandsTest, ToolbarAndGotoMoveBetweenPagesAndChangeNothing) {
    Open(SampleDocument());
    auto* next = qobject_cast<QToolButton*>(
        window->Toolbar().widgetForAction(window->Action(QStringLiteral("mnuCtrlsNextPg"))));
    ASSERT_NE(next, nullptr);
    next->click();
    EXPECT_EQ(Current(), 2);

    modal.handlers.push_back([](QDialog& d) {
        auto& dialog = dynamic_cast<dlgGotoPage&>(d);
        dialog.txtPageNumber->setText(QStringLiteral("12"));
        dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        return dialog.result();
    });
    Trigger("mnuCtrlsGotoPg");
    EXPECT_EQ(window->Page().View().titleBlock[TblkCadNumber], "zee00-01");
    EXPECT_FALSE(window->Session().Doc().FileChanged());
}

// Where the pages go is the session's; the dialog's choices reach it.
TEST_F(PageCommandsTest, AddPagesThenSortThem) {
    AnswerWith(&dlgAddPage::CancelButton);
    Trigger("mnuCtrlsAddPg");
    EXPECT_FALSE(window->Session().Doc().FileChanged());

    Add({4, 2}, &dlgAddPage::optAtDefault); // list order: 2 then 4, each at its place
    EXPECT_EQ(Cads(), (Names{"bu_steel-01", "flbrc01-01"}));
    Trigger("mnuCtrlsFirstPg");
    Add({1, 5}, &dlgAddPage::optAfterPage);
    EXPECT_EQ(Cads(), (Names{"bu_steel-01", "pre_rel-01", "rods01-01", "flbrc01-01"}));
    EXPECT_EQ(Current(), 3);
    ASSERT_TRUE(Enabled("mnuOptSort"));
    Trigger("mnuOptSort");
    EXPECT_FALSE(Enabled("mnuOptSort"));
}

TEST_F(PageCommandsTest, RedLinePagesGoIntoAnEmptyDocumentOrWhereTheDialogSays) {
    Trigger("mnuOptRedLine"); // an empty document needs no choice
    EXPECT_TRUE(modal.shown.empty());
    EXPECT_EQ(Cads(), (Names{"redline-01", "redline-02"}));

    Add({1});
    Trigger("mnuCtrlsFirstPg");
    AnswerWith(&dlgRedLine::cmdInsertRedLine);
    Trigger("mnuOptRedLine");
    EXPECT_EQ(Cads(),
              (Names{"redline-01", "redline-02", "pre_rel-01", "redline-01", "redline-02"}));
}

// Enabled or not, running a command on an empty document breaks nothing.
TEST_F(PageCommandsTest, EveryCommandIsSafeOnAnEmptyDocument) {
    Add({1});
    Trigger("mnuCtrlsCopyPg"); // so Paste Page has something
    Trigger("mnuCtrlsDelPg");  // the recorder answers Yes
    ASSERT_EQ(window->Session().Waybill().PageCount(), 0);
    EXPECT_FALSE(window->Page().TitleBlockBox(TblkCustomer)->isVisibleTo(window.get()));
    for (const char* name :
         {"mnuCtrlsCopyPg", "mnuCtrlsCutPg", "mnuCtrlsDelPg", "mnuFileSave", "mnuFileSaveAs"}) {
        EXPECT_FALSE(Enabled(name)) << name;
    }
    for (const char* name :
         {"mnuCtrlsFirstPg", "mnuCtrlsPrevPg", "mnuCtrlsNextPg", "mnuCtrlsLastPg", "mnuCtrlsCopyPg",
          "mnuCtrlsCutPg", "mnuCtrlsDelPg", "mnuEditCut", "mnuEditCopy", "mnuEditPaste",
          "mnuEditDelete", "mnuOptSort", "mnuOptNumberPages", "mnuOptShowTotalPages", "mnuEditUndo",
          "mnuEditRedo", "mnuFileSave"}) {
        Trigger(name);
        EXPECT_LE(window->Session().Waybill().PageCount(), 1) << name;
    }
    Trigger("mnuCtrlsPastePg");
    EXPECT_EQ(Cads(), Names{"pre_rel-01"});
}

TEST_F(PageCommandsTest, AfterAPageChangeTheKeysGoToTheLineItems) {
    Add({1, 2});
    Trigger("mnuCtrlsFirstPg");
    window->Page().TitleBlockBox(TblkJobNumber)->setFocus();
    Trigger("mnuCtrlsNextPg");
    QWidget* focus = QApplication::focusWidget();
    ASSERT_EQ(focus, window->Page().LineItemGrid());
    const QString finish = window->Page().TitleBlockBox(TblkFinish)->text();
    QTest::keyClicks(focus, "Q");
    EXPECT_TRUE(window->Page().CellBoxEditor()->isVisible());
    EXPECT_EQ(window->Page().TitleBlockBox(TblkFinish)->text(), finish);
    // The finish box never takes a stray key.
    QTest::keyClicks(window->Page().TitleBlockBox(TblkFinish), "Q");
    EXPECT_EQ(window->Page().TitleBlockBox(TblkFinish)->text(), finish);
}

} // namespace
} // namespace waybill
