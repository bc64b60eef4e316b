// Edit Attributes through the window: the toolbar button, the menu and a double-click on the
// block picture open the member editor on Zee and Cee pages and the attribute editor on the
// others; an accepted change is one undoable step and the drawing follows at once.
#include "page/gui/BlockPicture.h"
#include "page/gui/dlgEditAttrib.h"
#include "tensile/gui/dlgEditTensile.h"
#include "WindowFixture.h"

#include <gtest/gtest.h>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QToolBar>
#include <QToolButton>

namespace waybill {
namespace {

// Pages of the shipped sample document.
constexpr int kZeePage = 12;
constexpr int kCeePage = 13;
constexpr int kEaveStrutPage = 14; // an attribute block that is no member

class AttributeCommandsTest : public test::WindowTest {
  protected:
    void SetUp() override {
        ASSERT_TRUE(Start());
        Open(SampleDocument());
    }

    BlockPicture& Picture() const {
        return *window->Page().findChild<BlockPicture*>(QStringLiteral("picBlocks"));
    }

    // Where a user double-clicks the drawing: near its top, above the line-item grid.
    void DoubleClickPicture() {
        const QPoint at(Picture().width() / 2, 8);
        // A double-click reaches the widget after the press of its first click.
        QTest::mouseClick(&Picture(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(&Picture(), Qt::LeftButton, {}, at);
    }

    void ClickToolbarButton() {
        QWidget* button = window->Toolbar().widgetForAction(window->Action("mnuCtrlsEditAttrib"));
        ASSERT_NE(button, nullptr);
        QTest::mouseClick(button, Qt::LeftButton);
    }

    // Every text drawn on the block picture.
    QStringList DrawnTexts() const {
        QStringList texts;
        for (const BlockLayer& layer : Picture().Layers()) {
            for (const AttributeText& text : layer.texts) {
                texts << text.text;
            }
        }
        return texts;
    }

    // The part-number column of every data row.
    std::vector<std::string> PartNumbers() const {
        const GridView& grid = *window->Page().View().grid;
        std::vector<std::string> parts;
        for (int row = 1; row < grid.Rows(); ++row) {
            parts.push_back(grid.Cell(row, grid.Columns() - 1));
        }
        return parts;
    }

    // Answers the member editor with these choices (pre-galvanized when `finish` is empty).
    void ChooseMember(int sizeIndex, int flangeIndex, int gaugeIndex, const QString& finish) {
        modal.handlers.push_back([=](QDialog& d) {
            auto& dialog = dynamic_cast<dlgEditTensile&>(d);
            dialog.cmbSize->setCurrentIndex(sizeIndex);
            dialog.cmbFlangeWidth->setCurrentIndex(flangeIndex);
            dialog.cmbGauge->setCurrentIndex(gaugeIndex);
            dialog.chkPreGalv->setChecked(finish.isEmpty());
            if (!finish.isEmpty()) {
                dialog.cmbFinish->setCurrentText(finish);
            }
            dialog.cmdOk->click();
            return dialog.result();
        });
    }
};

TEST_F(AttributeCommandsTest, ZeeConfiguredFromTheToolbarRewritesThePageAsOneStep) {
    window->Session().ShowPage(kZeePage);
    ASSERT_TRUE(Enabled("mnuCtrlsEditAttrib"));
    ChooseMember(2, 0, 1, QStringLiteral("Red-Oxide")); // 8 (B), flange 2, 14 gauge
    ClickToolbarButton();
    ASSERT_EQ(modal.shown.size(), 1u);
    EXPECT_EQ(window->Page().TitleBlockBox(TblkDescription)->text(), "HI-TENSILE (ZB24)");
    EXPECT_EQ(window->Page().TitleBlockBox(TblkFinish)->text(), "Red-Oxide");
    const std::vector<std::string> parts = PartNumbers();
    ASSERT_FALSE(parts.empty());
    EXPECT_EQ(parts, std::vector<std::string>(parts.size(), "528Z14P"));
    EXPECT_TRUE(DrawnTexts().contains(QStringLiteral("13.9375 x 0.067 Min.")));
    EXPECT_TRUE(DrawnTexts().contains(QStringLiteral("ASTM A1011 Grade 55")));

    // Stored in the page at once, as one step.
    const Page& stored = *window->Session().Waybill().GetPagePtr(kZeePage);
    EXPECT_EQ(stored.Description, "HI-TENSILE (ZB24)");
    EXPECT_EQ(stored.PageData.back(), "|8|2|4|2|8\xF0 x 2\xCC x 2\xD4 x 14GA|ASTM A1011 Grade 55|"
                                      "13.9375 x 0.067 Min.|");
    EXPECT_EQ(window->Action("mnuEditUndo")->text(), "&Undo Member Configuration");

    // The double-click opens the editor again on the same choices.
    modal.handlers.push_back([](QDialog& d) {
        auto& dialog = dynamic_cast<dlgEditTensile&>(d);
        EXPECT_EQ(dialog.windowTitle(), "Zee Configuration");
        EXPECT_EQ(dialog.cmbSize->currentText(), "8 (B)");
        EXPECT_EQ(dialog.cmbFlangeWidth->currentText(), "2");
        EXPECT_EQ(dialog.cmbGauge->currentText(), "14 GA (.067)");
        EXPECT_FALSE(dialog.chkPreGalv->isChecked());
        EXPECT_EQ(dialog.cmbFinish->currentText(), "Red-Oxide");
        dialog.cmdCancel->click();
        return dialog.result();
    });
    DoubleClickPicture();
    EXPECT_EQ(modal.shown.size(), 2u);
    EXPECT_EQ(window->Action("mnuEditUndo")->text(), "&Undo Member Configuration");

    Trigger("mnuEditUndo");
    EXPECT_EQ(window->Page().TitleBlockBox(TblkDescription)->text(), "HI-TENSILE ( )");
    EXPECT_EQ(PartNumbers(), std::vector<std::string>(parts.size(), ""));
    EXPECT_FALSE(DrawnTexts().contains(QStringLiteral("13.9375 x 0.067 Min.")));
    EXPECT_FALSE(window->Session().Doc().FileChanged());
}

TEST_F(AttributeCommandsTest, PreGalvanizedCeeByDoubleClickAndAnUnchangedOkRecordsNothing) {
    window->Session().ShowPage(kCeePage);
    ChooseMember(2, 2, 0, {}); // 8 (B), flange 4, 12 gauge, pre-galvanized
    DoubleClickPicture();
    ASSERT_EQ(modal.shown.size(), 1u);
    EXPECT_EQ(window->Page().TitleBlockBox(TblkDescription)->text(), "HI-TENSILE (CB47)");
    EXPECT_EQ(window->Page().TitleBlockBox(TblkFinish)->text(), "Pre-Galvanized");
    EXPECT_EQ(PartNumbers().front(), "5284C12G");
    EXPECT_TRUE(DrawnTexts().contains(QStringLiteral("16.9375 x 0.102 Min.")));
    EXPECT_TRUE(window->Session().Doc().FileChanged());

    // The same choices again change nothing, so no second step.
    Trigger("mnuEditUndo");
    EXPECT_FALSE(window->Session().Doc().FileChanged());
    Trigger("mnuEditRedo");
    ChooseMember(2, 2, 0, {});
    Trigger("mnuCtrlsEditAttrib");
    Trigger("mnuEditUndo");
    EXPECT_FALSE(window->Session().Doc().FileChanged());
}

TEST_F(AttributeCommandsTest, OtherBlocksOpenTheAttributeEditor) {
    window->Session().ShowPage(kEaveStrutPage);
    modal.handlers.push_back([](QDialog& d) {
        auto& dialog = dynamic_cast<dlgEditAttrib&>(d);
        EXPECT_EQ(dialog.lstAttriBlks->item(0)->text(), "eav00");
        QTreeWidgetItem* depth = dialog.lvwAttribs->topLevelItem(0);
        EXPECT_EQ(depth->text(0), "8");
        depth->setText(0, QStringLiteral("10"));
        dialog.cmdOk->click();
        return dialog.result();
    });
    ClickToolbarButton();
    ASSERT_EQ(modal.shown.size(), 1u);
    EXPECT_EQ(window->Session().Waybill().GetPagePtr(kEaveStrutPage)->PageData.back(),
              "|10|1|8\" EAVE STRUT x 14GA|ASTM A1011 Grade 55|");
    EXPECT_TRUE(DrawnTexts().contains(QStringLiteral("10")));
    EXPECT_FALSE(DrawnTexts().contains(QStringLiteral("8")));
    EXPECT_EQ(window->Action("mnuEditUndo")->text(), "&Undo Edit Attributes");

    // Cancel, and a page without blocks, change nothing.
    AnswerWith<dlgEditAttrib>(&dlgEditAttrib::cmdCancel);
    DoubleClickPicture();
    EXPECT_EQ(modal.shown.size(), 2u);
    EXPECT_EQ(window->Session().Waybill().GetPagePtr(kEaveStrutPage)->PageData.back(),
              "|10|1|8\" EAVE STRUT x 14GA|ASTM A1011 Grade 55|");
    Trigger("mnuEditUndo");
    EXPECT_FALSE(window->Session().Doc().FileChanged());
}

TEST_F(AttributeCommandsTest, DisabledWithoutPages) {
    Trigger("mnuFileNew");
    EXPECT_FALSE(Enabled("mnuCtrlsEditAttrib"));
    DoubleClickPicture(); // no dialog: the script fails otherwise
    EXPECT_TRUE(modal.shown.empty());
}

} // namespace
} // namespace waybill
