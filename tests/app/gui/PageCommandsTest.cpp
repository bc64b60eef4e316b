#include "app/AppMessages.h"
#include "app/gui/dlgGotoPage.h"
#include "app/gui/dlgRedLine.h"
#include "model/FwbFile.h"
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

TEST_F(PageCommandsTest, AddPagesThenSortThem) {
    AnswerWith(&dlgAddPage::CancelButton);
    Trigger("mnuCtrlsAddPg");
    EXPECT_FALSE(window->Session().Doc().FileChanged());

    Add({4, 2}, &dlgAddPage::optAtDefault); // list order: 2 then 4, each at its place
    EXPECT_EQ(Cads(), (Names{"bu_steel-01", "flbrc01-01"}));
    EXPECT_EQ(Current(), 2);
    EXPECT_TRUE(window->Session().Doc().FileChanged());
    EXPECT_FALSE(Enabled("mnuOptSort"));

    Trigger("mnuCtrlsFirstPg");
    Add({1, 5}, &dlgAddPage::optAfterPage);
    EXPECT_EQ(Cads(), (Names{"bu_steel-01", "pre_rel-01", "rods01-01", "flbrc01-01"}));
    EXPECT_EQ(Current(), 3);
    ASSERT_TRUE(Enabled("mnuOptSort"));
    Trigger("mnuOptSort");
    EXPECT_EQ(Cads(), (Names{"pre_rel-01", "bu_steel-01", "flbrc01-01", "rods01-01"}));
    EXPECT_EQ(Current(), 1);
    EXPECT_FALSE(Enabled("mnuOptSort"));
}

TEST_F(PageCommandsTest, DeleteAsksFirstAndTheLastPageLeavesOnlyPasteAndAdd) {
    Add({1, 2});
    Trigger("mnuCtrlsCopyPg");
    dialogs.answers = {MessageAnswer::No, MessageAnswer::Yes, MessageAnswer::Yes};
    Trigger("mnuCtrlsDelPg");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].message, DeletePageQuestion());
    EXPECT_EQ(window->Session().Waybill().PageCount(), 2);

    Trigger("mnuCtrlsDelPg");
    Trigger("mnuCtrlsDelPg");
    EXPECT_EQ(window->Session().Waybill().PageCount(), 0);
    EXPECT_FALSE(Enabled("mnuFileSave"));
    EXPECT_FALSE(window->Page().TitleBlockBox(TblkCustomer)->isVisibleTo(window.get()));
    Trigger("mnuCtrlsPastePg");
    EXPECT_EQ(Cads(), Names{"bu_steel-01"});
}

TEST_F(PageCommandsTest, RedLinePagesGoIntoAnEmptyDocumentOrAtTheEnd) {
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

TEST_F(PageCommandsTest, MissingRedLineFileAddsNothingAndChangesNoPage) {
    std::filesystem::remove(program / "Red-line.fwb");
    Trigger("mnuOptRedLine");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].message, CannotOpenMessage(program / "Red-line.fwb"));
    EXPECT_EQ(window->Session().Waybill().PageCount(), 0);

    Add({1, 2, 3});
    Trigger("mnuCtrlsFirstPg");
    const Book before = window->Session().Waybill();
    AnswerWith(&dlgRedLine::cmdInsertRedLine);
    Trigger("mnuOptRedLine");
    EXPECT_EQ(Current(), 1); // the page on screen is still the current one
    EXPECT_EQ(window->Page().View().titleBlock[TblkCadNumber], "pre_rel-01");
    Trigger("mnuCtrlsLastPg");
    for (int n = 1; n <= 3; ++n) {
        EXPECT_EQ(window->Session().Waybill().GetPage(n), before.GetPage(n)) << n;
    }

    // A new document that gets no red-line pages is empty, and its commands say so.
    dialogs.answers = {MessageAnswer::No};
    AnswerWith(&dlgRedLine::cmdCreateRedLine);
    Trigger("mnuOptRedLine");
    EXPECT_EQ(window->Session().Waybill().PageCount(), 0);
    for (const char* name :
         {"mnuCtrlsCopyPg", "mnuCtrlsCutPg", "mnuCtrlsDelPg", "mnuFileSave", "mnuFileSaveAs"}) {
        EXPECT_FALSE(Enabled(name)) << name;
    }
    EXPECT_FALSE(window->Page().TitleBlockBox(TblkCadNumber)->isVisible());
    Trigger("mnuCtrlsCopyPg"); // and nothing breaks when one runs anyway
    Trigger("mnuCtrlsCutPg");
}

TEST_F(PageCommandsTest, EveryCommandIsSafeOnAnEmptyDocument) {
    Add({1});
    Trigger("mnuCtrlsCopyPg"); // so Paste Page has something
    Trigger("mnuCtrlsDelPg");
    ASSERT_EQ(window->Session().Waybill().PageCount(), 0);
    for (const char* name :
         {"mnuCtrlsFirstPg", "mnuCtrlsPrevPg", "mnuCtrlsNextPg", "mnuCtrlsLastPg", "mnuCtrlsCopyPg",
          "mnuCtrlsCutPg", "mnuCtrlsDelPg", "mnuEditCut", "mnuEditCopy", "mnuEditPaste",
          "mnuEditDelete", "mnuOptSort", "mnuOptNumberPages", "mnuOptShowTotalPages", "mnuEditUndo",
          "mnuEditRedo", "mnuFileSave"}) {
        // Enabled or not, running it changes nothing it should not and breaks nothing.
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
