// The AutoPage menu driven through the window: each entry's dialog, the pages it adds after
// the current page as one undoable step, and what an input error or Cancel leaves alone.
#include "model/FwbFile.h"
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

TEST_F(DetailCommandsTest, MenuHasEveryEntryWithItsCaption) {
    QMenu* autoPage = window->menuBar()->findChild<QMenu*>(QStringLiteral("mnuAutoPg"));
    ASSERT_NE(autoPage, nullptr);
    EXPECT_EQ(autoPage->title(), QStringLiteral("&AutoPage"));
    QStringList top;
    for (QAction* action : autoPage->actions()) {
        top << action->text();
    }
    EXPECT_EQ(top, (QStringList{"&Gutter", "&Oversize Downspout", "&Downspout Offset",
                                "&Conductor Head", "&Mansard Cap Trim", "End Dam", "&Ridge Cap"}));
    const std::map<const char*, const char*> entries = {
        {"mnuAutoPgGutOversize", "&Oversized"},
        {"mnuAutoPgGutStandard", "&Standard"},
        {"mnuAutoPgGutSevIcing", "For &Severe Icing"},
        {"mnuOversizeStdKO", "w/ &Standard Kickout"},
        {"mnuOversizeOldKO", "w/ &Old Style Kickout"},
        {"mnuDSOffset", "&Downspout Offset"},
        {"mnuCondHeadNormal", "&Normal"},
        {"mnuCondHeadLeft", "&Left Offset"},
        {"mnuCondHeadRight", "&Right Offset"},
        {"mnuMansardCapTrim", "&Mansard Cap Trim"},
        {"mnuEndDamAS24R", "AS-24R"},
        {"mnuEndDamIIPlus", "II/Plus"},
        {"mnuRidgeCapPrevent", "&Prevent"},
        {"mnuRidgeCapSSeam", "&Standing Seam"},
    };
    for (const auto& [name, text] : entries) {
        QAction* action = window->Action(QString::fromLatin1(name));
        ASSERT_NE(action, nullptr) << name;
        EXPECT_EQ(action->text(), QString::fromLatin1(text)) << name;
    }
}

TEST_F(DetailCommandsTest, EveryEntryAddsItsPagesAfterTheCurrentPageAsOneStep) {
    struct Case {
        const char* menu;
        Typing typing;
        std::vector<QString> clicks;
        QString dialog;
        QString caption;
        std::vector<std::string> cads;
    };
    const Typing gutter = {{"Width", "8"}, {"Depth", "6"}, {"RoofSlope", "4"}};
    const Typing spout = {{"Width", "4"}, {"Depth", "3"}, {"Length", "8"}};
    const Typing head = {{"GuWidth", "6"}, {"GuDepth", "5"}, {"DsWidth", "4"}, {"DsDepth", "3"}};
    const Case cases[] = {
        {"mnuAutoPgGutOversize", gutter, {}, "dlgGutter", "Oversized Gutter Detail", {"trim22-01"}},
        {"mnuAutoPgGutStandard",
         {{"RoofSlope", "4"}},
         {"optStormGrip"},
         "dlgGutter",
         "Standard Gutter Detail",
         {"trim22"}},
        {"mnuAutoPgGutSevIcing",
         gutter,
         {"optStormGrip"},
         "dlgGutter",
         "Gutter Detail for Severe Icing",
         {"trim26-01"}},
        {"mnuOversizeStdKO",
         spout,
         {"chkAddStrap"},
         "dlgDownSpout",
         "Downspout Detail",
         {"trim20", "trim24"}},
        {"mnuOversizeOldKO", spout, {}, "dlgDownSpout", "Downspout Detail", {"trim21"}},
        {"mnuOversizeOldKO",
         spout,
         {"optStandard"},
         "dlgDownSpout",
         "Downspout Detail",
         {"trim20"}},
        {"mnuDSOffset",
         {{"Width", "4"}, {"Depth", "4"}, {"Offset", "1"}},
         {},
         "dlgDSOffset",
         "Downspout Offset",
         {"trim29-00"}},
        {"mnuCondHeadNormal", head, {}, "dlgCondHead", "Conductor Head Detail", {"conhd"}},
        {"mnuCondHeadLeft", head, {}, "dlgCondHead", "Conductor Head Detail", {"conhdl"}},
        {"mnuCondHeadRight", head, {}, "dlgCondHead", "Conductor Head Detail", {"conhdr"}},
        {"mnuMansardCapTrim",
         {{"Dim", "10"}},
         {},
         "dlgMansardCapTrim",
         "Mansard Cap Trim",
         {"captrim"}},
        {"mnuEndDamAS24R", {{"AngleP2", "90"}}, {}, "dlgEndDam", "End Dam Detail", {"enddam"}},
        {"mnuEndDamIIPlus", {{"AngleP2", "90"}}, {}, "dlgEndDam", "End Dam Detail", {"enddam2"}},
        {"mnuRidgeCapPrevent",
         {{"RoofSlope", "4"}, {"LegLength", "1"}},
         {},
         "dlgPreventRidgeCap",
         "Prevent Ridge Cap & End Cap",
         {"trim27"}},
        {"mnuRidgeCapSSeam",
         {{"RoofSlope", "4"}, {"PPToRidge", "2"}, {"PanOHang", "1"}},
         {"optApexSeam24R", "optHigh"},
         "dlgSSeamRidgeCap",
         "Apex Seam Ridge Cap & End Cap",
         {"trim28"}},
    };
    const std::vector<std::string> before = Cads();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.menu);
        window->Session().ShowPage(3);
        modal.shown.clear();
        AnswerOk(c.typing, c.clicks);
        Trigger(c.menu);
        ASSERT_EQ(modal.shown, std::vector<QString>{c.dialog});
        EXPECT_EQ(caption, c.caption);

        const int added = static_cast<int>(c.cads.size());
        const std::vector<std::string> cads = Cads();
        ASSERT_EQ(cads.size(), before.size() + c.cads.size());
        for (int i = 0; i < added; ++i) {
            EXPECT_EQ(cads[static_cast<std::size_t>(3 + i)], c.cads[static_cast<std::size_t>(i)]);
        }
        EXPECT_EQ(cads[static_cast<std::size_t>(3 + added)], before[3]);
        // The last new page is current and on screen.
        EXPECT_EQ(window->Session().Waybill().CurPage(), 3 + added);
        EXPECT_EQ(window->Session().CadBase(), CadBase(c.cads.back()));
        EXPECT_TRUE(window->Session().Doc().FileChanged());
        EXPECT_TRUE(Enabled("mnuOptSort")); // a trim page among the standard kinds

        Trigger("mnuEditUndo"); // the pair of the downspout with its strap goes at once
        EXPECT_EQ(Cads(), before);
        EXPECT_EQ(window->Session().Waybill().CurPage(), 3);
        EXPECT_EQ(window->Session().CadBase(), CadBase(before[2]));
        EXPECT_FALSE(window->Session().Doc().FileChanged());
        EXPECT_FALSE(Enabled("mnuOptSort"));
    }
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

TEST_F(DetailCommandsTest, InputErrorKeepsTheDialogOpenAndCancelChangesNothing) {
    window->Session().ShowPage(5);
    modal.handlers.push_back([](QDialog& dialog) {
        dialog.show();
        Fill(dialog, {{"RoofSlope", "0"}}, {});
        Press(dialog, "cmdOK");
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_NE(dialog.result(), QDialog::Accepted);
        auto* slope = dialog.findChild<QLineEdit*>(QStringLiteral("txtRoofSlope"));
        EXPECT_EQ(dialog.focusWidget(), slope);
        EXPECT_EQ(slope->selectedText(), QStringLiteral("0"));
        Press(dialog, "cmdCancel");
        return dialog.result();
    });
    const std::vector<std::string> before = Cads();
    Trigger("mnuAutoPgGutStandard");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].message.caption, "Input Error");
    EXPECT_EQ(Cads(), before);
    EXPECT_EQ(window->Session().Waybill().CurPage(), 5);
    EXPECT_FALSE(window->Session().Doc().FileChanged());
    EXPECT_FALSE(Enabled("mnuEditUndo"));

    // The steep-slope warning's Cancel keeps the dialog; the dialog's Cancel adds nothing.
    dialogs.answers = {MessageAnswer::Cancel};
    modal.handlers.push_back([](QDialog& dialog) {
        dialog.show();
        Fill(dialog, {{"RoofSlope", "7"}}, {});
        Press(dialog, "cmdOK");
        EXPECT_TRUE(dialog.isVisible());
        Press(dialog, "cmdCancel");
        return dialog.result();
    });
    Trigger("mnuAutoPgGutStandard");
    EXPECT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(Cads(), before);
    EXPECT_FALSE(window->Session().Doc().FileChanged());
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
