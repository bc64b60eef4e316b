#include "app/AppMessages.h"
#include "app/gui/dlgAddPage.h"
#include "app/gui/dlgGotoPage.h"
#include "app/gui/dlgRedLine.h"
#include "support/RecordingDialogService.h"

#include <gtest/gtest.h>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidget>

namespace waybill {
namespace {

Book ThreePages() {
    Book book;
    book.Add("pre_rel-01", "As Noted", "PRE-RELEASE MATERIAL", {}, AfterLastPage);
    book.Add("stl-01", "Red-Oxide", "BUILT-UP STEEL", {}, AfterLastPage);
    book.Add("brc-01", "Red-Oxide", "FLANGE BRACES", {}, AfterLastPage);
    return book;
}

class GotoPageTest : public ::testing::Test {
  protected:
    GotoPageTest() : dialog(dialogs) {
        book.GotoPage(2);
        dialog.FillList(book);
    }

    QString SelectedRow() const {
        const auto items = dialog.lvPages->selectedItems();
        return items.size() == 1 ? items.front()->text(0) : QString();
    }

    test::RecordingDialogService dialogs;
    Book book = ThreePages();
    dlgGotoPage dialog;
};

TEST_F(GotoPageTest, StartsAtTheCurrentPageTypingSelectsTheRowAndOnlyDigitsAreTaken) {
    ASSERT_EQ(dialog.lvPages->topLevelItemCount(), 3);
    const QTreeWidgetItem* row = dialog.lvPages->topLevelItem(2);
    EXPECT_EQ(row->text(1), QStringLiteral("brc-01"));
    EXPECT_EQ(row->text(2), QStringLiteral("FLANGE BRACES"));
    EXPECT_EQ(SelectedRow(), QStringLiteral("2"));
    EXPECT_EQ(dialog.txtPageNumber->text(), QStringLiteral("2"));

    dialog.txtPageNumber->clear();
    QTest::keyClicks(dialog.txtPageNumber, QStringLiteral("x3"));
    EXPECT_EQ(dialog.txtPageNumber->text(), QStringLiteral("3"));
    EXPECT_EQ(SelectedRow(), QStringLiteral("3"));
    dialog.lvPages->itemClicked(dialog.lvPages->topLevelItem(0), 0);
    EXPECT_EQ(dialog.txtPageNumber->text(), QStringLiteral("1"));
}

TEST_F(GotoPageTest, OkRefusesNumbersOutsideTheDocumentDoubleClickGoesAtOnce) {
    QPushButton* ok = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    dialog.txtPageNumber->setText(QStringLiteral("4"));
    ok->click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].message, InvalidPageNumberMessage());
    EXPECT_EQ(dialog.ChosenPage(), std::nullopt);
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    dialog.txtPageNumber->setText(QStringLiteral("03"));
    ok->click();
    EXPECT_EQ(dialog.ChosenPage(), 3);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);

    dialog.lvPages->itemDoubleClicked(dialog.lvPages->topLevelItem(0), 1);
    EXPECT_EQ(dialog.ChosenPage(), 1);
}

TEST(AddPageDialogTest, ChoiceStartsAtTheFirstPageComesInListOrderAndNeedsARow) {
    dlgAddPage dialog;
    dialog.FillList(Book{}); // nothing to choose, nothing to confirm
    EXPECT_FALSE(dialog.OKButton->isEnabled());
    dialog.FillList(ThreePages());
    EXPECT_TRUE(dialog.OKButton->isEnabled());
    ASSERT_EQ(dialog.lvAddPages->topLevelItemCount(), 3);
    EXPECT_EQ(dialog.SelectedPages(), std::vector<int>{1});
    EXPECT_EQ(dialog.Location(), AtDefaultLocation);
    dialog.lvAddPages->topLevelItem(2)->setSelected(true);
    dialog.lvAddPages->topLevelItem(0)->setSelected(false);
    dialog.lvAddPages->topLevelItem(1)->setSelected(true);
    EXPECT_EQ(dialog.SelectedPages(), (std::vector<int>{2, 3}));

    // Filling again starts over.
    dialog.optAfterLast->click();
    dialog.FillList(ThreePages());
    EXPECT_EQ(dialog.SelectedPages(), std::vector<int>{1});
    EXPECT_EQ(dialog.Location(), AtDefaultLocation);
    dialog.lvAddPages->clearSelection();
    EXPECT_FALSE(dialog.OKButton->isEnabled());
}

TEST(RedLineDialogTest, EachButtonClosesWithItsChoice) {
    dlgRedLine dialog;
    dialog.cmdCreateRedLine->click();
    EXPECT_EQ(dialog.result(), dlgRedLine::CreateNew);
    dialog.cmdInsertRedLine->click();
    EXPECT_EQ(dialog.result(), dlgRedLine::InsertAtEnd);
    dialog.cmdCancel->click();
    EXPECT_EQ(dialog.result(), dlgRedLine::Cancelled);
}

} // namespace
} // namespace waybill
