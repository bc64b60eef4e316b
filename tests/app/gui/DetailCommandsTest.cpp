// The AutoPage menu driven through the window: each entry's dialog, the pages it adds after
// the current page as one undoable step, and what Cancel leaves alone.
#include "details/DetailCatalogue.h"
#include "model/FwbFile.h"
#include "platform/gui/QtText.h"
#include "WindowFixture.h"

#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace waybill {
namespace {

using Typing = std::map<QString, QString>; // field name -> text

class DetailCommandsTest : public test::WindowTest {
  protected:
    void SetUp() override {
        ASSERT_TRUE(Start());
        Open(SampleDocument());
        ASSERT_EQ(window->Session().Waybill().PageCount(), 29);
    }

    // The next dialog gets this typing and these option clicks, then OK; its object name and
    // caption are kept.
    void AnswerOk(const Typing& typing, std::vector<QString> clicks = {}) {
        modal.handlers.push_back([this, typing, clicks](QDialog& dialog) {
            dialog.show(); // as exec() does
            caption = dialog.windowTitle();
            Fill(dialog, typing, clicks);
            Press(dialog, "cmdOK");
            return dialog.result();
        });
    }

    static void Fill(QDialog& dialog, const Typing& typing, const std::vector<QString>& clicks) {
        for (const auto& [field, text] : typing) {
            auto* box = dialog.findChild<QLineEdit*>(QStringLiteral("txt") + field);
            ASSERT_NE(box, nullptr) << field.toStdString();
            box->setText(text);
        }
        for (const QString& name : clicks) {
            auto* button = dialog.findChild<QAbstractButton*>(name);
            ASSERT_NE(button, nullptr) << name.toStdString();
            button->setChecked(true);
        }
    }

    static void Press(QDialog& dialog, const char* name) {
        dialog.findChild<QPushButton*>(QString::fromLatin1(name))->click();
    }

    QString MenuText(const char* name) const {
        return window->Action(QString::fromLatin1(name))->text();
    }

    QString caption;
};

// The names, captions and steps themselves are the catalogue's (its tests keep them).
TEST_F(DetailCommandsTest, MenuIsBuiltFromTheCatalogue) {
    QMenu* autoPage = window->menuBar()->findChild<QMenu*>(QStringLiteral("mnuAutoPg"));
    ASSERT_NE(autoPage, nullptr);
    EXPECT_EQ(autoPage->title(), QStringLiteral("&AutoPage"));
    QStringList top, expectedTop;
    for (QAction* action : autoPage->actions()) {
        top << action->text();
    }
    for (const DetailGenerator& generator : DetailCatalogue()) {
        QMenu* menu = autoPage;
        if (!generator.menuName.empty()) {
            menu = autoPage->findChild<QMenu*>(FromCp1252(generator.menuName));
            ASSERT_NE(menu, nullptr) << generator.menuName;
            EXPECT_EQ(menu->title(), FromCp1252(generator.menuCaption));
            expectedTop << menu->title();
        }
        for (const DetailVariant& variant : generator.variants) {
            QAction* action = window->Action(FromCp1252(variant.menuName));
            ASSERT_NE(action, nullptr) << variant.menuName;
            EXPECT_EQ(action->text(), FromCp1252(variant.menuCaption));
            EXPECT_TRUE(menu->actions().contains(action)) << variant.menuName;
            if (menu == autoPage) {
                expectedTop << action->text();
            }
        }
    }
    EXPECT_EQ(top, expectedTop);
}

TEST_F(DetailCommandsTest, EveryEntryOpensItsDialog) {
    const std::vector<std::string> before = Cads();
    for (const DetailGenerator& generator : DetailCatalogue()) {
        for (const DetailVariant& variant : generator.variants) {
            SCOPED_TRACE(std::string(variant.menuName));
            modal.shown.clear();
            modal.handlers.push_back([this](QDialog& dialog) {
                caption = dialog.windowTitle();
                return static_cast<int>(QDialog::Rejected);
            });
            window->Action(FromCp1252(variant.menuName))->trigger();
            EXPECT_EQ(modal.shown, std::vector<QString>{FromCp1252(variant.form->dialog)});
            EXPECT_EQ(caption, FromCp1252(variant.caption));
        }
    }
    EXPECT_EQ(Cads(), before); // Cancel adds nothing
    EXPECT_FALSE(window->Session().Doc().FileChanged());
    EXPECT_FALSE(Enabled("mnuEditUndo"));
}

TEST_F(DetailCommandsTest, EntryAddsItsPagesAfterTheCurrentPageAsOneStep) {
    const std::vector<std::string> before = Cads();
    window->Session().ShowPage(3);
    AnswerOk({{"Width", "4"}, {"Depth", "3"}, {"Length", "8"}}, {"chkAddStrap"});
    Trigger("mnuOversizeOldKO");
    const std::vector<std::string> cads = Cads();
    ASSERT_EQ(cads.size(), before.size() + 2);
    EXPECT_EQ(cads[3], "trim21");
    EXPECT_EQ(cads[4], "trim24");
    EXPECT_EQ(cads[5], before[3]);
    // The last new page is current and on screen.
    EXPECT_EQ(window->Session().Waybill().CurPage(), 5);
    EXPECT_EQ(window->Session().CadBase(), "trim24");
    EXPECT_TRUE(window->Session().Doc().FileChanged());
    EXPECT_TRUE(Enabled("mnuOptSort")); // a trim page among the standard kinds
    EXPECT_EQ(MenuText("mnuEditUndo"), QStringLiteral("&Undo Downspout Detail"));

    Trigger("mnuEditUndo"); // the pair of the downspout with its strap goes at once
    EXPECT_EQ(Cads(), before);
    EXPECT_EQ(window->Session().Waybill().CurPage(), 3);
    EXPECT_FALSE(window->Session().Doc().FileChanged());
    EXPECT_FALSE(Enabled("mnuOptSort"));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(DetailCommandsTest, TypingIsCommittedAsItsOwnStepBeforeTheDetail) {
    window->Session().ShowPage(1);
    CellGrid* grid = window->Page().LineItemGrid();
    grid->setFocus();
    grid->SetCurrent(1, 2);
    QTest::keyClicks(grid, QStringLiteral("Q")); // the cell box stays open
    QTest::keyClicks(window->Page().CellBoxEditor(), QStringLiteral("A9"));
    AnswerOk({{"Dim", "10"}});
    Trigger("mnuMansardCapTrim");
    ASSERT_EQ(window->Session().Waybill().CurPage(), 2);
    EXPECT_EQ(MenuText("mnuEditUndo"), QStringLiteral("&Undo Cap Trim Detail"));
    EXPECT_NE(FormatFWB(window->Session().Waybill()).find("|QA9|"), std::string::npos);

    Trigger("mnuEditUndo");
    EXPECT_EQ(window->Session().Waybill().PageCount(), 29);
    EXPECT_EQ(Cell(1, 2), "QA9"); // the typed cell is a step of its own
    EXPECT_EQ(MenuText("mnuEditUndo"), QStringLiteral("&Undo Cell Edit"));
}

TEST_F(DetailCommandsTest, DetailIntoAnEmptyDocumentBecomesItsFirstPage) {
    Trigger("mnuFileNew");
    ASSERT_EQ(window->Session().Waybill().PageCount(), 0);
    AnswerOk({{"AngleP2", "90"}});
    Trigger("mnuEndDamAS24R");
    EXPECT_EQ(Cads(), std::vector<std::string>{"enddam"});
    EXPECT_EQ(window->Session().Waybill().CurPage(), 1);
    EXPECT_EQ(window->Session().CadBase(), "enddam");
    EXPECT_TRUE(Enabled("mnuFileSave"));
    Trigger("mnuEditUndo");
    EXPECT_EQ(window->Session().Waybill().PageCount(), 0);
}

// A default document that has the detail's kind gives the new page that position, so a
// detail added where its kind belongs leaves the document sorted.
class DetailOrderTest : public DetailCommandsTest {
  protected:
    void SetUp() override {
        Book defaults;
        ASSERT_EQ(ReadFWB(program / "Default.fwb", defaults), std::nullopt);
        defaults.GotoPage(1);
        Page trim;
        trim.CadNumber = "trim22-01";
        trim.Description = "TRIM DETAILS";
        defaults.AddPage(trim, AfterCurrentPage); // the second kind in the standard order
        ASSERT_EQ(WriteFWB(defaults, program / "Default.fwb"), std::nullopt);
        std::filesystem::copy_file(program / "Default.fwb", work / "sample.fwb");
        ASSERT_TRUE(Start());
        Open(work / "sample.fwb");
    }
};

TEST_F(DetailOrderTest, DetailOfAKnownKindTakesItsPosition) {
    window->Session().ShowPage(1);
    AnswerOk({{"RoofSlope", "4"}}, {"optStormGrip"});
    Trigger("mnuAutoPgGutStandard");
    ASSERT_EQ(window->Session().Waybill().CurPage(), 2);
    EXPECT_EQ(window->Session().Waybill().GetPagePtr(2)->LocIndex, 2);
    EXPECT_FALSE(Enabled("mnuOptSort"));

    window->Session().ShowPage(5); // the same kind further on is out of order
    AnswerOk({{"RoofSlope", "4"}});
    Trigger("mnuAutoPgGutStandard");
    EXPECT_TRUE(Enabled("mnuOptSort"));
}

} // namespace
} // namespace waybill
