#include "catalog/gui/cmbFinish.h"
#include "catalog/gui/cmbGridCell.h"
#include "support/RecordingDialogService.h"

#include <gtest/gtest.h>
#include <QAbstractItemView>
#include <QApplication>
#include <QFocusEvent>
#include <QSignalSpy>
#include <QTest>

namespace waybill {
namespace {

const QRect kCell(40, 60, 90, 18);

class DropDowns : public ::testing::Test {
  protected:
    DropDowns() {
        page.resize(600, 400);
        page.show();
    }
    QWidget page;
};

TEST_F(DropDowns, GridCellListOpensAtTheCellOnItsTextAndEnterPicks) {
    cmbGridCell list(&page);
    QSignalSpy picks(&list, &cmbGridCell::Picked);
    list.ShowCellList(*CellListFor(CellHandOver::PunchCodes, "zee00"), 3, 4, "b", kCell);
    EXPECT_TRUE(list.isVisible());
    EXPECT_TRUE(list.view()->isVisible()); // dropped down
    EXPECT_EQ(list.geometry().topLeft(), kCell.topLeft());
    EXPECT_EQ(list.width(), kCell.width());
    EXPECT_EQ(list.currentText(), "B");
    EXPECT_EQ(picks.count(), 0); // opening on the cell's entry is no pick
    // Dropped below the box, not with the entry under the pointer; the entry highlighted.
    const QRect box(list.mapToGlobal(QPoint(0, 0)), list.size());
    EXPECT_EQ(list.view()->window()->geometry().top(), box.bottom() + 1);
    EXPECT_EQ(list.view()->currentIndex().row(), list.currentIndex());

    QTest::keyClick(list.view(), Qt::Key_Down);
    QTest::keyClick(list.view(), Qt::Key_Return);
    ASSERT_EQ(picks.count(), 1);
    EXPECT_EQ(picks[0][0].value<CellListKind>(), CellListKind::PunchCodes);
    EXPECT_EQ(picks[0][1].toInt(), 3);
    EXPECT_EQ(picks[0][2].toInt(), 4);
    EXPECT_EQ(picks[0][3].value<std::string>(), "C");
    EXPECT_FALSE(list.isVisible());
}

TEST_F(DropDowns, EscapeAndLosingTheFocusLeaveWithoutAPick) {
    cmbGridCell list(&page);
    QSignalSpy picks(&list, &cmbGridCell::Picked);
    QSignalSpy dismissed(&list, &DropDownList::Dismissed);
    const CellList steel = *CellListFor(CellHandOver::MemberTypes, "bu_steel");

    list.ShowCellList(steel, 1, 5, "", kCell);
    EXPECT_EQ(list.currentIndex(), -1);
    QTest::keyClick(list.view(), Qt::Key_Escape);
    EXPECT_FALSE(list.isVisible());
    EXPECT_EQ(dismissed.count(), 1);

    list.ShowCellList(steel, 1, 5, "54raf", kCell);
    EXPECT_EQ(list.currentText(), "54RAF");
    list.hidePopup();
    QTest::keyClick(&list, Qt::Key_Escape);
    EXPECT_EQ(dismissed.count(), 2);

    list.ShowCellList(steel, 1, 5, "54raf", kCell);
    list.hidePopup();
    QFocusEvent away(QEvent::FocusOut, Qt::MouseFocusReason);
    QApplication::sendEvent(&list, &away);
    EXPECT_FALSE(list.isVisible());
    EXPECT_EQ(dismissed.count(), 3);

    list.ShowCellList(steel, 1, 5, "54raf", kCell);
    list.hidePopup();
    QTest::keyClick(&list, Qt::Key_Return); // the closed list takes its shown entry
    ASSERT_EQ(picks.count(), 1);
    EXPECT_EQ(picks[0][3].value<std::string>(), "54RAF");
}

TEST_F(DropDowns, FinishListNeedsACatalogueAndOpensOnTheLooseMatch) {
    test::RecordingDialogService dialogs;
    cmbFinish list(dialogs, &page);
    QSignalSpy picks(&list, &cmbFinish::FinishPicked);

    EXPECT_FALSE(list.ShowCmbFinish(nullptr, "Red-Oxide", kCell, 9));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].message.text, "The finish may not be modified for this waybill.");
    EXPECT_EQ(dialogs.messages[0].message.caption, "Note");
    EXPECT_FALSE(list.isVisible());

    EXPECT_TRUE(list.ShowCmbFinish(&IronFinishes(), " pregalvanized", kCell, 9));
    EXPECT_EQ(list.count(), 5);
    EXPECT_EQ(list.currentText(), "Pre-Galvanized");
    EXPECT_EQ(list.font().pointSizeF(), 9);
    EXPECT_EQ(picks.count(), 0);
    QTest::keyClick(list.view(), Qt::Key_Down);
    QTest::keyClick(list.view(), Qt::Key_Enter);
    ASSERT_EQ(picks.count(), 1);
    EXPECT_EQ(picks[0][0].value<std::string>(), "Hot Dip Galv.");
}

} // namespace
} // namespace waybill
