#include "page/gui/dlgEditAttrib.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

namespace waybill {
namespace {

class EditAttribDialogTest : public testing::Test {
  protected:
    EditAttribDialogTest() {
        db.AddTable("trim22", {"Prompt"},
                    {{std::string("Width")}, {std::string("Height")}, {std::string("Hem")}});
        db.AddTable("cap", {"Prompt"}, {{std::string("Girth")}});
        values.Add("trim22", "|4|5|");
        values.Add("cap", "|7\xD8|");
    }

    QTreeWidgetItem* Row(int row) const { return dialog.lvwAttribs->topLevelItem(row); }

    // A double-click on the row's prompt, new text into the in-place editor, Enter.
    void EditInPlace(int row, const QString& text) {
        QTreeWidget* view = dialog.lvwAttribs;
        const QRect cell = view->visualItemRect(Row(row));
        const QPoint at = cell.topLeft() + QPoint(8, 4);
        // A double-click reaches the view after the press of its first click.
        QTest::mousePress(view->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
        auto* editor = view->viewport()->findChild<QLineEdit*>();
        ASSERT_NE(editor, nullptr);
        editor->setText(text);
        QTest::keyClick(editor, Qt::Key_Return);
        // Enter commits through the event queue; the closed editor then goes, so the next
        // edit finds its own.
        QApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    test::TestDatabase db;
    BlockAttribDefs defs{db};
    AttribValueList values;
    dlgEditAttrib dialog;
};

TEST_F(EditAttribDialogTest, ShowsTheBlocksAndThePromptsFirst) {
    dialog.Load(values, defs);
    EXPECT_EQ(dialog.lvwAttribs->header()->logicalIndexAt(0), 1); // the prompt column first

    ASSERT_EQ(dialog.lstAttriBlks->count(), 2);
    EXPECT_EQ(dialog.lstAttriBlks->currentRow(), 0);
    ASSERT_EQ(dialog.lvwAttribs->topLevelItemCount(), 3);
    EXPECT_EQ(Row(1)->text(1), "Height");
    EXPECT_EQ(Row(1)->text(0), "5");
    EXPECT_EQ(Row(2)->text(0), "");

    dialog.lstAttriBlks->setCurrentRow(1);
    ASSERT_EQ(dialog.lvwAttribs->topLevelItemCount(), 1);
    // Glyphs arrive as the drawing font's characters.
    EXPECT_EQ(Row(0)->text(0), QString::fromUtf8("7\u00D8"));
}

TEST_F(EditAttribDialogTest, ADoubleClickEditsTheValueInPlaceAndOkReturnsTheChanges) {
    dialog.Load(values, defs);
    dialog.show();
    QApplication::processEvents();

    EditInPlace(2, "1/2");
    EXPECT_EQ(Row(2)->text(0), "1/2");
    dialog.lstAttriBlks->setCurrentRow(1);
    EditInPlace(0, "a|b");
    EXPECT_EQ(Row(0)->text(0), QString::fromUtf8("a\u00A6b"));
    dialog.lstAttriBlks->setCurrentRow(0);
    EXPECT_EQ(Row(2)->text(0), "1/2");

    dialog.cmdOk->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Changes().attributes,
              (std::vector<AttribValueChange>{{"trim22", 0, "|4|5|1/2|"},
                                              {"cap", 0,
                                               "|a\xA6"
                                               "b|"}}));
}

TEST_F(EditAttribDialogTest, CancelDropsTheEditsAndAPageWithoutBlocksOpensEmpty) {
    dialog.Load(values, defs);
    dialog.show();
    QApplication::processEvents();
    EditInPlace(0, "9");
    dialog.cmdCancel->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_TRUE(dialog.Changes().Empty());

    dialog.Load(AttribValueList{}, defs);
    EXPECT_EQ(dialog.lstAttriBlks->count(), 0);
    EXPECT_EQ(dialog.lvwAttribs->topLevelItemCount(), 0);
    dialog.cmdOk->click();
    EXPECT_TRUE(dialog.Changes().Empty());
}

} // namespace
} // namespace waybill
