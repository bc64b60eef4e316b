// The AutoPage menu driven through the window: each entry's dialog, and the pages it adds after
// the current page as one undoable step.
#include "details/DetailCatalogue.h"
#include "platform/gui/QtText.h"
#include "WindowFixture.h"

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
    }

    // The next dialog gets this typing and these option clicks, then OK.
    void AnswerOk(const Typing& typing, std::vector<QString> clicks = {}) {
        modal.handlers.push_back([typing, clicks](QDialog& dialog) {
            dialog.show(); // as exec() does
            for (const auto& [field, text] : typing) {
                dialog.findChild<QLineEdit*>(QStringLiteral("txt") + field)->setText(text);
            }
            for (const QString& name : clicks) {
                dialog.findChild<QAbstractButton*>(name)->setChecked(true);
            }
            dialog.findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
            return dialog.result();
        });
    }

    QString MenuText(const char* name) const {
        return window->Action(QString::fromLatin1(name))->text();
    }
};

// The names, captions and dialogs themselves are the catalogue's (its tests keep them): every
// entry is in its menu, in the catalogue's order, and opens its own dialog; Cancel adds nothing.
TEST_F(DetailCommandsTest, TheMenuIsBuiltFromTheCatalogueAndEveryEntryOpensItsDialog) {
    QMenu* autoPage = window->menuBar()->findChild<QMenu*>(QStringLiteral("mnuAutoPg"));
    ASSERT_NE(autoPage, nullptr);
    QStringList top, expectedTop;
    for (QAction* action : autoPage->actions()) {
        top << action->text();
    }
    const std::vector<std::string> before = Cads();
    for (const DetailGenerator& generator : DetailCatalogue()) {
        QMenu* menu = autoPage;
        if (!generator.menuName.empty()) {
            menu = autoPage->findChild<QMenu*>(FromCp1252(generator.menuName));
            ASSERT_NE(menu, nullptr) << generator.menuName;
            EXPECT_EQ(menu->title(), FromCp1252(generator.menuCaption));
            expectedTop << menu->title();
        }
        for (const DetailVariant& variant : generator.variants) {
            SCOPED_TRACE(std::string(variant.menuName));
            QAction* action = window->Action(FromCp1252(variant.menuName));
            ASSERT_NE(action, nullptr);
            EXPECT_EQ(action->text(), FromCp1252(variant.menuCaption));
            EXPECT_TRUE(menu->actions().contains(action));
            if (menu == autoPage) {
                expectedTop << action->text();
            }
            modal.shown.clear();
            modal.handlers.push_back([](QDialog&) { return static_cast<int>(QDialog::Rejected); });
            action->trigger();
            EXPECT_EQ(modal.shown, std::vector<QString>{FromCp1252(variant.form->dialog)});
        }
    }
    EXPECT_EQ(top, expectedTop);
    EXPECT_EQ(Cads(), before);
    EXPECT_FALSE(window->Session().Doc().FileChanged());
}

TEST_F(DetailCommandsTest, EntryAddsItsPagesAfterTheCurrentPageAsOneStep) {
    const std::vector<std::string> before = Cads();
    window->Session().ShowPage(3);
    AnswerOk({{"Width", "4"}, {"Depth", "3"}, {"Length", "8"}}, {"chkAddStrap"});
    Trigger("mnuOversizeOldKO");
    const std::vector<std::string> cads = Cads();
    ASSERT_EQ(cads.size(), before.size() + 2);
    EXPECT_EQ(cads[5], before[3]);
    // The last new page is current and on screen.
    EXPECT_EQ(window->Session().Waybill().CurPage(), 5);
    EXPECT_EQ(window->Page().View().titleBlock[TblkCadNumber], cads[4]);
    EXPECT_TRUE(Enabled("mnuOptSort")); // a trim page among the standard kinds
    EXPECT_EQ(MenuText("mnuEditUndo"), QStringLiteral("&Undo Downspout Detail"));

    Trigger("mnuEditUndo"); // the pair of the downspout with its strap goes at once
    EXPECT_EQ(Cads(), before);
    EXPECT_FALSE(Enabled("mnuOptSort"));

    // Into an empty document the detail becomes its first page.
    Trigger("mnuFileNew");
    AnswerOk({{"AngleP2", "90"}});
    Trigger("mnuEndDamAS24R");
    EXPECT_EQ(Cads(), std::vector<std::string>{"enddam"});
    EXPECT_TRUE(Enabled("mnuFileSave"));
}

} // namespace
} // namespace waybill
