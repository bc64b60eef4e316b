#include "model/FwbFile.h"
#include "page/gui/CellGrid.h"
#include "WindowFixture.h"

#include <cmath>
#include <gtest/gtest.h>
#include <QMenuBar>
#include <QToolBar>

namespace waybill {
namespace {

class WindowBehaviourTest : public test::WindowTest {
  protected:
    void SetUp() override {
        ASSERT_TRUE(Start());
        sample = SampleDocument();
        Open(sample);
    }

    std::filesystem::path sample;
};

TEST_F(WindowBehaviourTest, AResizedWindowKeepsTheSheetProportionsAndTheTypedText) {
    window->setWindowState(Qt::WindowNoState);
    QLineEdit* customer = Type(TblkCustomer, QStringLiteral("Typed"));
    const int chrome =
        window->menuBar()->sizeHint().height() + window->Toolbar().sizeHint().height();
    const auto byWidth = [&](int w) {
        return QSize(w, static_cast<int>(std::lround(w * 7.75 / 10.25)) + chrome);
    };
    const auto byHeight = [&](int h) {
        return QSize(static_cast<int>(std::lround((h - chrome) * 10.25 / 7.75)), h);
    };
    // A wide window takes its height from the width (at least 800), a tall one its width
    // from the height (at least 600).
    const std::pair<QSize, QSize> cases[] = {{{700, 500}, byWidth(800)},
                                             {{1100, 1000}, byWidth(1100)},
                                             {{500, 700}, byHeight(700)},
                                             {{400, 500}, byHeight(600)}};
    for (const auto& [asked, kept] : cases) {
        window->resize(asked);
        QCoreApplication::processEvents();
        EXPECT_EQ(window->size(), kept) << asked.width() << "x" << asked.height();
    }
    EXPECT_EQ(customer->text(), QStringLiteral("Typed"));
    Trigger("mnuCtrlsNextPg");
    EXPECT_EQ(window->Waybill().Customer, "Typed");
}

TEST_F(WindowBehaviourTest, KeyboardShortcutsRunTheCommands) {
    QWidget* focus = window->Page().TitleBlockBox(TblkCustomer);
    focus->setFocus();
    QTest::keyClick(focus, Qt::Key_PageDown);
    EXPECT_EQ(window->Waybill().CurPage(), 2);
    // Outside a text box Ctrl+End goes to the last page too.
    QWidget* grid = window->Page().LineItemGrid();
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(window->Waybill().CurPage(), window->Waybill().PageCount());

    focus->setFocus();
    QTest::keyClicks(focus, QStringLiteral("Key"));
    QTest::keyClick(focus, Qt::Key_S, Qt::ControlModifier);
    EXPECT_FALSE(window->FileChanged());
    Book saved;
    ASSERT_EQ(ReadFWB(sample, saved), std::nullopt);
    EXPECT_EQ(saved.Customer, "Key");
    EXPECT_TRUE(dialogs.messages.empty());
}

// The sample document asks for numbered pages with totals; the total needs the numbering.
TEST_F(WindowBehaviourTest, NumberingOptionsFollowTheOpenedDocumentAndGoIntoIt) {
    const auto shown = [&](int field) {
        return window->Page().TitleBlockBox(field)->isVisibleTo(window.get());
    };
    EXPECT_TRUE(shown(TblkSheetNumber) && shown(TblkSheetTotal));
    Trigger("mnuOptNumberPages");
    EXPECT_FALSE(shown(TblkSheetNumber) || shown(TblkSheetTotal));

    Trigger("mnuFileSave");
    const std::string saved = test::TempDir::Read(sample);
    EXPECT_NE(saved.find("Number Pages: False\r\n"), std::string::npos);
    EXPECT_NE(saved.find("Show Page Total: True\r\n"), std::string::npos);
}

} // namespace
} // namespace waybill
