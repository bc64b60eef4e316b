#include "app/AppMessages.h"
#include "app/gui/dlgAddPage.h"
#include "app/gui/dlgGotoPage.h"
#include "app/gui/dlgRedLine.h"
#include "model/FwbFile.h"
#include "page/gui/PageWidget.h"
#include "WindowFixture.h"

#include <gtest/gtest.h>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

namespace waybill {
namespace {

using test::Q;

class PageCommandsTest : public test::WindowTest {
  protected:
    void SetUp() override { ASSERT_TRUE(Start()); }

    // Adds the default document's pages at these 1-based positions through the dialog.
    void Add(std::vector<int> templates, QRadioButton* dlgAddPage::*option) {
        modal.handlers.push_back([templates, option](QDialog& d) {
            auto& dialog = dynamic_cast<dlgAddPage&>(d);
            dialog.lvAddPages->clearSelection();
            for (const int number : templates) {
                dialog.lvAddPages->topLevelItem(number - 1)->setSelected(true);
            }
            (dialog.*option)->click();
            dialog.OKButton->click();
            return dialog.result();
        });
        Trigger("mnuCtrlsAddPg");
    }

    void OpenSample() {
        dialogs.openAnswers.push_back(Q(SampleDocument()));
        Trigger("mnuFileOpen");
    }

    int Current() const { return window->Waybill().CurPage(); }
};

TEST_F(PageCommandsTest, NavigationMovesThroughTheDocumentAndFollowsTheEnablingTable) {
    OpenSample();
    EXPECT_FALSE(Enabled("mnuCtrlsFirstPg"));
    EXPECT_FALSE(Enabled("mnuCtrlsPrevPg"));
    EXPECT_TRUE(Enabled("mnuCtrlsNextPg"));
    Trigger("mnuCtrlsNextPg");
    Trigger("mnuCtrlsNextPg");
    EXPECT_EQ(Current(), 3);
    EXPECT_EQ(window->Page().View().titleBlock[TblkCadNumber], "hr_steel-01");
    Trigger("mnuCtrlsPrevPg");
    EXPECT_EQ(Current(), 2);
    Trigger("mnuCtrlsLastPg");
    EXPECT_EQ(Current(), window->Waybill().PageCount());
    EXPECT_FALSE(Enabled("mnuCtrlsNextPg"));
    EXPECT_FALSE(Enabled("mnuCtrlsLastPg"));
    EXPECT_TRUE(Enabled("mnuCtrlsFirstPg"));
    Trigger("mnuCtrlsFirstPg");
    EXPECT_EQ(Current(), 1);
}

// The finish box keeps the focus from page to page; each page's finish is its unchanged text.
TEST_F(PageCommandsTest, MovingBetweenPagesChangesNothing) {
    OpenSample();
    Trigger("mnuCtrlsNextPg");
    Trigger("mnuCtrlsNextPg");
    Trigger("mnuCtrlsFirstPg");
    EXPECT_FALSE(window->FileChanged());
}

TEST_F(PageCommandsTest, GotoPageGoesToTheTypedNumberAndRefusesOthers) {
    OpenSample();
    modal.handlers.push_back([this](QDialog& d) {
        auto& dialog = dynamic_cast<dlgGotoPage&>(d);
        EXPECT_EQ(dialog.lvPages->topLevelItemCount(), window->Waybill().PageCount());
        EXPECT_EQ(dialog.txtPageNumber->text(), QStringLiteral("1"));
        QPushButton* ok = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
        dialog.txtPageNumber->setText(QString::number(window->Waybill().PageCount() + 1));
        ok->click();
        EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"Invalid Page Number."});
        dialog.txtPageNumber->setText(QStringLiteral("12"));
        ok->click();
        return dialog.result();
    });
    Trigger("mnuCtrlsGotoPg");
    EXPECT_EQ(Current(), 12);
    EXPECT_EQ(window->Page().View().titleBlock[TblkCadNumber], "zee00-01");
}

TEST_F(PageCommandsTest, WhatIsTypedOnAPageIsKeptWhenMovingAway) {
    OpenSample();
    QLineEdit* description = window->Page().TitleBlockBox(TblkDescription);
    description->setFocus();
    description->setText(QStringLiteral("PRE-RELEASE, FIRST LOT"));
    Trigger("mnuCtrlsNextPg");
    EXPECT_EQ(window->Waybill().GetPage(1).Description, "PRE-RELEASE, FIRST LOT");
    EXPECT_TRUE(window->FileChanged());
    Trigger("mnuCtrlsFirstPg");
    EXPECT_EQ(description->text(), QStringLiteral("PRE-RELEASE, FIRST LOT"));
}

TEST_F(PageCommandsTest, AddPageAtEachLocation) {
    Add({4, 2}, &dlgAddPage::optAtDefault); // list order: 2 then 4, each at its place
    EXPECT_EQ(Cads(), (std::vector<std::string>{"bu_steel-01", "flbrc01-01"}));
    EXPECT_EQ(Current(), 2);
    EXPECT_TRUE(window->FileChanged());
    EXPECT_FALSE(Enabled("mnuOptSort"));

    Add({3}, &dlgAddPage::optAtDefault);
    EXPECT_EQ(Cads(), (std::vector<std::string>{"bu_steel-01", "hr_steel-01", "flbrc01-01"}));
    EXPECT_EQ(Current(), 2);

    Add({1, 5}, &dlgAddPage::optAfterPage);
    EXPECT_EQ(Cads(), (std::vector<std::string>{"bu_steel-01", "hr_steel-01", "pre_rel-01",
                                                "rods01-01", "flbrc01-01"}));
    EXPECT_EQ(Current(), 4);
    EXPECT_TRUE(Enabled("mnuOptSort"));

    Trigger("mnuCtrlsFirstPg");
    Add({6}, &dlgAddPage::OptBeforePage);
    EXPECT_EQ(Cads().front(), "cable01-01");
    EXPECT_EQ(Current(), 1);

    Add({7, 1}, &dlgAddPage::optAfterLast);
    const auto cads = Cads();
    EXPECT_EQ(std::vector<std::string>(cads.end() - 2, cads.end()),
              (std::vector<std::string>{"pre_rel-01", "cable02-01"}));
    EXPECT_EQ(Current(), 8);
    EXPECT_EQ(window->Page().View().titleBlock[TblkCadNumber], "cable02-01");
}

TEST_F(PageCommandsTest, CancelledAddChangesNothing) {
    modal.handlers.push_back([](QDialog& d) {
        dynamic_cast<dlgAddPage&>(d).CancelButton->click();
        return d.result();
    });
    Trigger("mnuCtrlsAddPg");
    EXPECT_EQ(window->Waybill().PageCount(), 0);
    EXPECT_FALSE(window->FileChanged());
}

TEST_F(PageCommandsTest, SortPutsPagesInTheDefaultOrder) {
    Add({5, 3, 1}, &dlgAddPage::optAfterLast);
    EXPECT_EQ(Cads(), (std::vector<std::string>{"pre_rel-01", "hr_steel-01", "rods01-01"}));
    Add({2}, &dlgAddPage::optAfterLast);
    EXPECT_TRUE(Enabled("mnuOptSort"));
    Trigger("mnuOptSort");
    EXPECT_EQ(Cads(),
              (std::vector<std::string>{"pre_rel-01", "bu_steel-01", "hr_steel-01", "rods01-01"}));
    EXPECT_EQ(Current(), 1);
    EXPECT_FALSE(Enabled("mnuOptSort"));
}

TEST_F(PageCommandsTest, DeleteAsksFirstAndTheLastPageLeavesOnlyPasteAndAdd) {
    Add({1, 2}, &dlgAddPage::optAfterLast);
    Trigger("mnuCtrlsCopyPg");
    dialogs.answers = {MessageAnswer::No};
    Trigger("mnuCtrlsDelPg");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].message, DeletePageQuestion());
    EXPECT_EQ(dialogs.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(window->Waybill().PageCount(), 2);

    dialogs.answers = {MessageAnswer::Yes, MessageAnswer::Yes};
    Trigger("mnuCtrlsDelPg");
    Trigger("mnuCtrlsDelPg");
    EXPECT_EQ(window->Waybill().PageCount(), 0);
    for (const char* name :
         {"mnuCtrlsDelPg", "mnuCtrlsCopyPg", "mnuCtrlsCutPg", "mnuFileSave", "mnuFileSaveAs",
          "mnuCtrlsFirstPg", "mnuCtrlsNextPg", "mnuCtrlsGotoPg"}) {
        EXPECT_FALSE(Enabled(name)) << name;
    }
    EXPECT_TRUE(Enabled("mnuCtrlsPastePg"));
    EXPECT_TRUE(Enabled("mnuCtrlsAddPg"));
    EXPECT_FALSE(window->Page().TitleBlockBox(TblkCustomer)->isVisibleTo(window.get()));

    Trigger("mnuCtrlsPastePg");
    EXPECT_EQ(Cads(), std::vector<std::string>{"bu_steel-01"});
}

TEST_F(PageCommandsTest, CutAndPasteMoveAPage) {
    Add({1, 2, 3}, &dlgAddPage::optAfterLast);
    Trigger("mnuCtrlsFirstPg");
    EXPECT_FALSE(Enabled("mnuCtrlsPastePg"));
    Trigger("mnuCtrlsCutPg");
    EXPECT_EQ(Cads(), (std::vector<std::string>{"bu_steel-01", "hr_steel-01"}));
    EXPECT_TRUE(Enabled("mnuCtrlsPastePg"));
    Trigger("mnuCtrlsLastPg");
    Trigger("mnuCtrlsPastePg");
    EXPECT_EQ(Cads(), (std::vector<std::string>{"bu_steel-01", "hr_steel-01", "pre_rel-01"}));
    EXPECT_EQ(Current(), 3);
    EXPECT_TRUE(Enabled("mnuOptSort"));
    // The clipboard keeps the page for another paste.
    Trigger("mnuCtrlsPastePg");
    EXPECT_EQ(window->Waybill().PageCount(), 4);
}

TEST_F(PageCommandsTest, RedLinePagesOnAnEmptyDocumentNeedNoDialog) {
    Trigger("mnuOptRedLine");
    EXPECT_TRUE(modal.shown.empty());
    EXPECT_EQ(Cads(), (std::vector<std::string>{"redline-01", "redline-02"}));
    EXPECT_TRUE(window->FileChanged());
}

TEST_F(PageCommandsTest, RedLineInsertedAtTheEndOrAsANewDocument) {
    Add({1, 2}, &dlgAddPage::optAfterLast);
    Trigger("mnuCtrlsFirstPg");
    modal.handlers.push_back([](QDialog& d) {
        dynamic_cast<dlgRedLine&>(d).cmdInsertRedLine->click();
        return d.result();
    });
    Trigger("mnuOptRedLine");
    EXPECT_EQ(Cads(),
              (std::vector<std::string>{"pre_rel-01", "bu_steel-01", "redline-01", "redline-02"}));

    modal.handlers.push_back([](QDialog& d) {
        dynamic_cast<dlgRedLine&>(d).cmdCreateRedLine->click();
        return d.result();
    });
    dialogs.answers = {MessageAnswer::No};
    Trigger("mnuOptRedLine");
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(Cads(), (std::vector<std::string>{"redline-01", "redline-02"}));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Waybill"));
}

TEST_F(PageCommandsTest, MissingRedLineFileAddsNothing) {
    std::filesystem::remove(program / "Red-line.fwb");
    Trigger("mnuOptRedLine");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].message, CannotOpenMessage(program / "Red-line.fwb"));
    EXPECT_EQ(window->Waybill().PageCount(), 0);
}

TEST_F(PageCommandsTest, NumberingOptionsGoIntoTheDocument) {
    Add({2}, &dlgAddPage::optAtDefault);
    QLineEdit* number = window->Page().TitleBlockBox(TblkSheetNumber);
    QLineEdit* total = window->Page().TitleBlockBox(TblkSheetTotal);
    EXPECT_FALSE(number->isVisibleTo(window.get()));
    Trigger("mnuOptShowTotalPages");
    EXPECT_FALSE(total->isVisibleTo(window.get()));
    Trigger("mnuOptNumberPages");
    EXPECT_TRUE(number->isVisibleTo(window.get()));
    EXPECT_TRUE(total->isVisibleTo(window.get()));
    EXPECT_TRUE(window->Waybill().NumberPgs);
    EXPECT_TRUE(window->Waybill().ShowPgTot);

    const auto target = work / "numbered.fwb";
    dialogs.saveAnswers = {Q(target)};
    Trigger("mnuFileSaveAs");
    const std::string saved = test::TempDir::Read(target);
    EXPECT_NE(saved.find("Number Pages: True\r\n"), std::string::npos);
    EXPECT_NE(saved.find("Show Page Total: True\r\n"), std::string::npos);
}

} // namespace
} // namespace waybill
