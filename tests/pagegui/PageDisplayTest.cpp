#include "../model/TempDir.h"
#include "page/PageData.h"
#include "page/PageLayout.h"
#include "PageWidgetFixture.h"

#include <filesystem>
#include <QLabel>

namespace waybill::test {
namespace {

using PageDisplay = PageWidgetTest;

// How many pixels of the image region differ clearly from white.
int InkIn(const QImage& image, const QRect& region) {
    int ink = 0;
    const QRect r = region.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            ink += qGray(image.pixel(x, y)) < 160 ? 1 : 0;
        }
    }
    return ink;
}

TEST_F(PageDisplay, ShowsGridBlockAndTitleBlockOfADefaultPage) {
    ShowKind("flbrc01");
    EXPECT_TRUE(dialogs.messages.empty()) << dialogs.Texts().front();
    ASSERT_TRUE(Grid().isVisible());
    EXPECT_EQ(Grid().Rows(), 18);
    EXPECT_EQ(Grid().Columns(), 6);
    EXPECT_EQ(Cell(0, 1), "PART MARK");
    EXPECT_EQ(Cell(2, 1), "FB2");
    EXPECT_EQ(page.TitleBlockBox(TblkCadNumber)->text(), "flbrc01-01");
    EXPECT_EQ(page.TitleBlockBox(TblkDescription)->text(), "FLANGE BRACES");
    EXPECT_EQ(page.TitleBlockBox(TblkSheetNumber)->text(), QString::number(book.CurPage()));
    EXPECT_EQ(page.CadBase(), "flbrc01");
    EXPECT_TRUE(page.TitleBlockBox(TblkFinish)->hasFocus());

    // The grid starts 2 sheet inches down; the drawing fills the picture above it.
    const SheetGeometry sheet = FitSheet(page.width(), page.height());
    EXPECT_NEAR(Grid().y(), 2 * sheet.verticalScale, 1);
    const QImage image = page.grab().toImage();
    const QPoint origin = Grid().parentWidget()->mapTo(&page, QPoint(0, 0));
    EXPECT_GT(InkIn(image, QRect(origin, QSize(page.width(), Grid().y() - 2))), 500);
    // Grid lines and texts.
    EXPECT_GT(InkIn(image, QRect(origin + Grid().pos(), Grid().size())), 2000);
}

TEST_F(PageDisplay, SheetKeepsItsProportionsAndTheTitleBlockItsPlaces) {
    ShowKind("pre_rel");
    const auto check = [&] {
        const SheetGeometry sheet = FitSheet(page.width(), page.height());
        EXPECT_NEAR(sheet.width / sheet.height, kSheetWidth / kSheetHeight, 0.01);
        EXPECT_EQ(Grid().width(), static_cast<int>(sheet.width));
        const QWidget* customer = page.TitleBlockBox(TblkCustomer);
        EXPECT_NEAR(customer->x(), 2.375 * sheet.horizontalScale, 1);
        EXPECT_NEAR(customer->width(), 5.0625 * sheet.horizontalScale, 1);
        EXPECT_NEAR(customer->y(), 0.8125 * sheet.verticalScale, 1);
        // Every box lies inside the title block.
        for (int i = 0; i < kTitleBlockFields; ++i) {
            const QWidget* box = page.TitleBlockBox(i);
            EXPECT_LE(box->geometry().bottom(), box->parentWidget()->height()) << i;
        }
    };
    check();
    page.resize(1600, 700); // wider than the sheet: centred with room at the sides
    check();
    page.resize(700, 900);
    check();
}

TEST_F(PageDisplay, ResizingLosesNothingTyped) {
    ShowKind("pre_rel");
    Select(6, 1);
    QTest::keyClicks(&Grid(), "X");
    QTest::keyClick(&Box(), Qt::Key_Return);
    Select(7, 1);
    QTest::keyClicks(&Grid(), "Y");
    page.resize(1400, 1060);
    QApplication::processEvents();
    // The open box follows its cell and keeps its text.
    ASSERT_TRUE(Box().isVisible());
    EXPECT_EQ(Box().geometry().topLeft(),
              Grid().mapTo(&page, Grid().CellRect(7, 1).toAlignedRect().topLeft()) + QPoint(1, 1));
    QTest::keyClick(&Box(), Qt::Key_Return);
    EXPECT_EQ(Cell(6, 1), "X");
    EXPECT_EQ(Cell(7, 1), "Y");

    // Rows still fill the grid to within a pixel.
    double rows = 0;
    for (int r = 0; r < Grid().Rows(); ++r) {
        rows += Grid().CellRect(r, 0).height();
    }
    EXPECT_NEAR(rows, Grid().height(), 1);

    // Composing after the resize stores what was typed.
    page.CommitEdits();
    ComposePageData(page.View(), book);
    EXPECT_NE(std::find(book.GetPage(book.CurPage()).PageData.begin(),
                        book.GetPage(book.CurPage()).PageData.end(), "|ABOLT|X|||||"),
              book.GetPage(book.CurPage()).PageData.end());
}

TEST_F(PageDisplay, MissingBlockIsReportedOnceAndItsNameDrawn) {
    TempDir blocks;
    page.SetEnvironment(opened->database.get(), &defs, blocks.Path());
    book.Add("odd-01", "", "ODD", {"BLOCK: nosuch", "BLOCK: NOSUCH"}, AfterLastPage);
    Show(book.PageCount());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].message.text, "Cannot find block nosuch.");
    EXPECT_FALSE(Grid().isVisible());
    const QImage image = page.grab().toImage();
    const QPoint origin = Grid().parentWidget()->mapTo(&page, QPoint(0, 0));
    EXPECT_GT(InkIn(image, QRect(origin, QSize(200, 40))), 20);

    // Shown again: reported again.
    Show(book.PageCount());
    EXPECT_EQ(dialogs.messages.size(), 2u);
}

TEST_F(PageDisplay, BlockFilesAreFoundWithoutRegardToCase) {
    TempDir blocks;
    std::filesystem::copy_file(WAYBILL_PROGRAM_DIR "/blocks/trim22.wmf", blocks / "TRIM22.WMF");
    page.SetEnvironment(opened->database.get(), &defs, blocks.Path());
    book.Add("trim22-01", "Polar White", "GUTTER",
             {"ATTRIBLK: Trim22", "|4|6 1/2|5 1/4|4 1/4|1/2|6|90|7 1/2|2201|20 1/2|"},
             AfterLastPage);
    Show(book.PageCount());
    EXPECT_TRUE(dialogs.messages.empty()) << dialogs.Texts().front();
    const QImage image = page.grab().toImage();
    const QPoint origin = Grid().parentWidget()->mapTo(&page, QPoint(0, 0));
    EXPECT_GT(InkIn(image, QRect(origin, QSize(page.width(), 400))), 2000);
}

TEST_F(PageDisplay, PageNumberingAndHiding) {
    ShowKind("pre_rel");
    page.SetPageNumbering(true, false);
    EXPECT_TRUE(page.TitleBlockBox(TblkSheetNumber)->isVisible());
    EXPECT_FALSE(page.TitleBlockBox(TblkSheetTotal)->isVisible());
    page.SetPageNumbering(false, true);
    EXPECT_FALSE(page.TitleBlockBox(TblkSheetNumber)->isVisible());
    EXPECT_FALSE(page.TitleBlockBox(TblkSheetTotal)->isVisible());

    page.HidePage(false);
    EXPECT_FALSE(Grid().isVisible());
    EXPECT_TRUE(page.TitleBlockBox(TblkFinish)->isVisible());
    page.HidePage(true);
    EXPECT_FALSE(page.TitleBlockBox(TblkFinish)->isVisible());
    Show(1);
    EXPECT_TRUE(Grid().isVisible());
    EXPECT_TRUE(page.TitleBlockBox(TblkFinish)->isVisible());

    // A document without pages shows neither part.
    const Book empty;
    page.ShowPage(empty, 1);
    EXPECT_FALSE(Grid().isVisible());
    EXPECT_FALSE(page.TitleBlockBox(TblkFinish)->isVisible());
}

TEST(GridAlignment, CodesOfTheGridDefinitions) {
    EXPECT_EQ(GridAlignment(0), Qt::AlignLeft | Qt::AlignTop);
    EXPECT_EQ(GridAlignment(1), Qt::AlignLeft | Qt::AlignVCenter);
    EXPECT_EQ(GridAlignment(4), Qt::AlignHCenter | Qt::AlignVCenter);
    EXPECT_EQ(GridAlignment(8), Qt::AlignRight | Qt::AlignBottom);
    EXPECT_EQ(GridAlignment(9, QStringLiteral(" 12.5")), Qt::AlignRight | Qt::AlignVCenter);
    EXPECT_EQ(GridAlignment(9, QStringLiteral("1'-0")), Qt::AlignLeft | Qt::AlignVCenter);
    EXPECT_EQ(GridAlignment(-1), Qt::AlignLeft | Qt::AlignVCenter);
    EXPECT_EQ(GridAlignment(12), Qt::AlignLeft | Qt::AlignVCenter);
}

TEST_F(PageDisplay, ShownPageReplacesAnOpenBoxWithoutStoringIt) {
    ShowKind("pre_rel");
    Select(6, 1);
    QTest::keyClicks(&Grid(), "Z");
    Show(2);
    EXPECT_FALSE(Box().isVisible());
    EXPECT_EQ(changes, 0);
}

} // namespace
} // namespace waybill::test
