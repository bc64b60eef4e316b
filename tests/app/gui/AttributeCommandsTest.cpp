// Edit Attributes through the window: the toolbar button and a double-click on the block
// picture open the member editor on Zee and Cee pages and the attribute editor on the others.
#include "page/gui/BlockPicture.h"
#include "page/gui/dlgEditAttrib.h"
#include "platform/gui/QtText.h"
#include "tensile/gui/dlgEditTensile.h"
#include "WindowFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QToolBar>

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

    // Answers the member editor: 8 (B), flange 2, 14 gauge, Red-Oxide; keeps what it chose.
    void ChooseMember() {
        modal.handlers.push_back([this](QDialog& d) {
            auto& dialog = dynamic_cast<dlgEditTensile&>(d);
            dialog.cmbSize->setCurrentIndex(2);
            dialog.cmbFlangeWidth->setCurrentIndex(0);
            dialog.cmbGauge->setCurrentIndex(1);
            dialog.chkPreGalv->setChecked(false);
            dialog.cmbFinish->setCurrentText(QStringLiteral("Red-Oxide"));
            dialog.cmdOk->click();
            chosen = dialog.Result();
            return dialog.result();
        });
    }

    std::optional<MemberEncoding> chosen;
};

// What the editor returns is the session's to apply (its tests check the page it writes);
// here the toolbar opens it and the page and its drawing follow at once, as one step.
TEST_F(AttributeCommandsTest, TheToolbarConfiguresAZeeAndTheDrawingFollows) {
    window->Session().ShowPage(kZeePage);
    ChooseMember();
    ClickToolbarButton();
    ASSERT_TRUE(chosen);
    EXPECT_EQ(window->Session().Waybill().GetPagePtr(kZeePage)->PageData.back(), chosen->valueLine);
    EXPECT_EQ(window->Page().TitleBlockBox(TblkFinish)->text(), FromCp1252(chosen->finish));
    EXPECT_TRUE(DrawnTexts().contains(FromCp1252(chosen->values[6])));

    Trigger("mnuEditUndo");
    EXPECT_FALSE(DrawnTexts().contains(FromCp1252(chosen->values[6])));
    EXPECT_FALSE(window->Session().Doc().FileChanged());
}

TEST_F(AttributeCommandsTest, ADoubleClickOpensTheEditorOfThePagesSection) {
    window->Session().ShowPage(kCeePage);
    modal.handlers.push_back([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Cee Configuration");
        return static_cast<int>(QDialog::Rejected);
    });
    DoubleClickPicture();
    EXPECT_EQ(modal.shown, std::vector<QString>{QStringLiteral("dlgEditTensile")});
    EXPECT_FALSE(window->Session().Doc().CanUndo());
}

TEST_F(AttributeCommandsTest, OtherBlocksOpenTheAttributeEditor) {
    window->Session().ShowPage(kEaveStrutPage);
    modal.handlers.push_back([](QDialog& d) {
        auto& dialog = dynamic_cast<dlgEditAttrib&>(d);
        dialog.lvwAttribs->topLevelItem(0)->setText(0, QStringLiteral("10"));
        dialog.cmdOk->click();
        return dialog.result();
    });
    ClickToolbarButton();
    ASSERT_EQ(modal.shown.size(), 1u);
    EXPECT_EQ(window->Session().Waybill().GetPagePtr(kEaveStrutPage)->PageData.back(),
              "|10|1|8\" EAVE STRUT x 14GA|ASTM A1011 Grade 55|");
    EXPECT_TRUE(DrawnTexts().contains(QStringLiteral("10")));
}

TEST_F(AttributeCommandsTest, DisabledWithoutPages) {
    Trigger("mnuFileNew");
    EXPECT_FALSE(Enabled("mnuCtrlsEditAttrib"));
    DoubleClickPicture(); // no dialog: the script fails otherwise
    EXPECT_TRUE(modal.shown.empty());
}

} // namespace
} // namespace waybill
