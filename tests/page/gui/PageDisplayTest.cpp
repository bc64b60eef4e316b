#include "page/gui/ChangeShading.h"
#include "page/PageLayout.h"
#include "PageWidgetFixture.h"
#include "support/TempDir.h"

#include <cmath>
#include <filesystem>
#include <QFontMetricsF>
#include <QSignalSpy>

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
    EXPECT_EQ(Grid().Rows(), view.grid->Rows());
    EXPECT_EQ(page.TitleBlockBox(TblkDescription)->text(),
              QString::fromStdString(view.titleBlock[TblkDescription]));
    EXPECT_TRUE(Grid().hasFocus());                            // the next key edits a line item
    EXPECT_TRUE(page.TitleBlockBox(TblkFinish)->isReadOnly()); // chosen from its list only

    // The grid starts 2 sheet inches down; the drawing fills the picture above it.
    const SheetGeometry sheet = FitSheet(page.width(), page.height());
    EXPECT_NEAR(Grid().y(), 2 * sheet.verticalScale, 1);
    const QImage image = page.grab().toImage();
    const QPoint origin = Grid().parentWidget()->mapTo(&page, QPoint(0, 0));
    EXPECT_GT(InkIn(image, QRect(origin, QSize(page.width(), Grid().y() - 2))), 500);
    // Grid lines and texts.
    EXPECT_GT(InkIn(image, QRect(origin + Grid().pos(), Grid().size())), 2000);
}

// Every cell's place on screen, and the grid's.
std::vector<QRectF> CellPlaces(const CellGrid& grid) {
    std::vector<QRectF> places{QRectF(grid.geometry())};
    for (int r = 0; r < grid.Rows(); ++r) {
        for (int c = 0; c < grid.Columns(); ++c) {
            places.push_back(grid.CellRect(r, c));
        }
    }
    return places;
}

TEST_F(PageDisplay, TheLayoutDependsOnlyOnThePageAndTheSize) {
    page.resize(700, 540);
    ShowKind("pre_rel");
    for (const QSize size : {QSize(1031, 790), QSize(803, 611), QSize(1600, 1230)}) {
        page.resize(size);
        QApplication::processEvents();
        const std::vector<QRectF> resized = CellPlaces(Grid());
        Show(book.CurPage()); // rendered at this size directly
        EXPECT_EQ(CellPlaces(Grid()), resized) << size.width();

        // The whole title block fits, its frame line included.
        for (int i = 0; i < kTitleBlockFields; ++i) {
            const QLineEdit* box = page.TitleBlockBox(i);
            EXPECT_LT(box->geometry().bottom(), box->parentWidget()->height() - 1)
                << size.width() << " field " << i;
        }
    }
}

// The window sizes its page before showing it, so the first page is drawn once, for the size
// it is shown at.
TEST_F(PageDisplay, AHiddenPageFittedToItsSizeIsNotLaidOutAgainWhenShown) {
    page.resize(1031, 790);
    QApplication::processEvents();
    PageWidget hidden(dialogs);
    hidden.SetEnvironment(opened->database.get(), &defs, &blocks, this);
    hidden.resize(1031, 790);
    QSignalSpy laidOut(&hidden, &PageWidget::AreaChanged);
    hidden.FitToSize();
    EXPECT_EQ(laidOut.count(), 1);
    EXPECT_EQ(hidden.Area().innerWidth, page.Area().innerWidth);
    EXPECT_EQ(hidden.Area().innerHeight, page.Area().innerHeight);

    hidden.show();
    QApplication::processEvents();
    EXPECT_EQ(laidOut.count(), 1);
    hidden.resize(803, 611);
    QApplication::processEvents();
    EXPECT_EQ(laidOut.count(), 2);
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
    EXPECT_NEAR(Grid().CellRect(Grid().Rows() - 1, 0).bottom(), Grid().height(), 1);
}

TEST_F(PageDisplay, RowsBeyondTheGridAreShownAndReported) {
    book.Add("flbrc01-02", "Red-Oxide", "MORE BRACES", {"GRID: brc", "17", "2 |FBRACE|FB9|1|1'|"},
             AfterLastPage);
    Show(book.PageCount());
    ASSERT_EQ(Grid().Rows(), 20);
    EXPECT_EQ(Cell(19, 1), "FB9");
    EXPECT_NEAR(Grid().CellRect(19, 0).bottom(), Grid().height(), 1);

    // Laid out again for another size, the grid keeps them.
    page.resize(1400, 1060);
    QApplication::processEvents();
    EXPECT_EQ(Grid().Rows(), 20);
}

TEST_F(PageDisplay, BlocksAreDrawnOrNamedWhenTheirDrawingIsMissing) {
    TempDir folder;
    std::filesystem::copy_file(WAYBILL_PROGRAM_DIR "/blocks/trim22.wmf", folder / "TRIM22.WMF");
    blocks.SetFolder(folder.Path());
    const auto pictureInk = [&](QSize size) {
        const QPoint origin = Grid().parentWidget()->mapTo(&page, QPoint(0, 0));
        return InkIn(page.grab().toImage(), QRect(origin, size));
    };
    book.Add("trim22-01", "Polar White", "GUTTER",
             {"ATTRIBLK: Trim22", "|4|6 1/2|5 1/4|4 1/4|1/2|6|90|7 1/2|2201|20 1/2|"},
             AfterLastPage);
    Show(book.PageCount());
    EXPECT_GT(pictureInk(QSize(page.width(), 400)), 2000);

    book.Add("odd-01", "", "ODD", {"BLOCK: nosuch"}, AfterLastPage);
    Show(book.PageCount());
    EXPECT_FALSE(Grid().isVisible());
    EXPECT_GT(pictureInk(QSize(200, 40)), 20); // the block's name instead of its drawing
}

// The rows of `region` that hold ink: the first and the last.
std::pair<int, int> InkRows(const QImage& image, const QRect& region) {
    int first = -1;
    int last = -1;
    for (int y = region.top(); y <= region.bottom(); ++y) {
        if (InkIn(image, QRect(region.left(), y, region.width(), 1)) > 0) {
            first = first < 0 ? y : first;
            last = y;
        }
    }
    return {first, last};
}

// The part box's "SF-" belongs to the drawing, the number after it to the page: on screen
// they read as one text, one size on one base line, at every window size.
TEST_F(PageDisplay, AnSfNumberStandsOnItsLabelsBaseLine) {
    book.Add("trim22-01", "Polar White", "GUTTER",
             {"ATTRIBLK: trim22", "|4|6 1/2|5 1/4|4 1/4|1/2|6|90|7 1/2|2210|20 1/2|"},
             AfterLastPage);
    for (const QSize size : {QSize(800, 605), QSize(1024, 775), QSize(1600, 1210)}) {
        page.resize(size);
        Show(book.PageCount());
        const QWidget* picture = page.findChild<QWidget*>(QStringLiteral("picBlocks"));
        ASSERT_NE(picture, nullptr);
        // The drawing (10.25 x 6.5 inches) over the picture; "SF-" ends and the number starts
        // at 8.33 inches, their base line 4.87 inches down.
        const double x = picture->width() / 10.25;
        const double y = picture->height() / 6.5;
        const QPoint origin = picture->mapTo(&page, QPoint(0, 0));
        const auto rows = [&](double left, double right) {
            return InkRows(
                page.grab().toImage(),
                QRect(origin +
                          QPoint(static_cast<int>(left * x), static_cast<int>((4.87 - 0.2) * y)),
                      QSize(static_cast<int>((right - left) * x), static_cast<int>(0.25 * y))));
        };
        const auto label = rows(8.12, 8.32);
        const auto number = rows(8.34, 8.8);
        ASSERT_GE(label.first, 0) << size.width();
        ASSERT_GE(number.first, 0) << size.width();
        EXPECT_NEAR(label.first, number.first, 1) << size.width();   // one size
        EXPECT_NEAR(label.second, number.second, 1) << size.width(); // one base line
    }
}

// The pixels of the change outline's colour in `region`.
int OutlineIn(const QImage& image, const QRect& region) {
    int count = 0;
    const QRect r = region.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            count += image.pixel(x, y) == ChangeOutline().rgb() ? 1 : 0;
        }
    }
    return count;
}

// A changed cell or title-block box keeps its text as legible as any other: the tint goes
// behind the text, the outline around the cell or box, never across the text; the marks taken
// away leave the box drawn as it was.
TEST_F(PageDisplay, ChangeMarksGoAroundTheTextAndLeaveNothingBehind) {
    for (const QSize size : {QSize(700, 540), QSize(1600, 1230)}) {
        page.resize(size);
        ShowKind("pre_rel");
        view.titleBlock[TblkCustomer] = "ZENITH STEEL BUILDINGS";
        page.RefreshFromView(false);
        QLineEdit* box = page.TitleBlockBox(TblkCustomer);
        const QImage plain = box->grab().toImage();
        PageChangeMarks marks;
        marks.fields = {TblkCustomer};
        marks.cells = {{1, 1}};
        marks.rows = {1};
        page.SetChangeMarks(marks);
        QApplication::processEvents();

        const QImage marked = box->grab().toImage();
        EXPECT_EQ(OutlineIn(marked, marked.rect()), 0) << size.width();
        EXPECT_NEAR(InkIn(marked, marked.rect()), InkIn(plain, plain.rect()),
                    InkIn(plain, plain.rect()) / 5)
            << size.width(); // its text whole, where it was
        EXPECT_GT(OutlineIn(box->parentWidget()->grab().toImage(),
                            box->geometry().adjusted(-3, -3, 3, 3)),
                  0)
            << size.width();
        const QImage grid = Grid().grab().toImage();
        const QRect cell = Grid().CellRect(1, 1).toAlignedRect();
        EXPECT_EQ(OutlineIn(grid, cell.adjusted(1, 1, -1, -1)), 0) << size.width();
        EXPECT_GT(OutlineIn(grid, cell.adjusted(-1, -1, 1, 1)), 0) << size.width();

        page.SetChangeMarks({});
        EXPECT_EQ(box->grab().toImage(), plain) << size.width();
    }
}

// The core layout of every sheet a window can show, from the smallest (a window maximised on
// an 800 x 600 screen) up, measured in the page font: the revision table's date column holds
// a ten-character date within the grid's text margins (3 pixels a side), the others their
// header and three initials between their lines.
TEST_F(PageDisplay, TheRevisionTableHoldsATenCharacterDateAtEverySize) {
    constexpr double kMargins = 2 * 3;
    constexpr double kLines = 2;
    for (int width = 640; width <= 2560; ++width) {
        const SheetGeometry sheet = FitSheet(width, std::ceil(width * kSheetHeight / kSheetWidth));
        const TitleBlockBoxes boxes = LayoutTitleBlockBoxes(
            sheet.horizontalScale, sheet.verticalScale, sheet.titleBlockHeight);
        QFont font(QStringLiteral("ArialDT"));
        font.setPixelSize(static_cast<int>(sheet.fontPixels));
        const QFontMetricsF metrics(font);
        const auto fits = [&](const char* text, std::size_t column, double room) {
            return metrics.horizontalAdvance(QString::fromLatin1(text)) + room <=
                   boxes.revisionColumns[column];
        };
        EXPECT_TRUE(fits("00.00.0000", 1, kMargins) && fits("12.07.2025", 1, kMargins)) << width;
        EXPECT_TRUE(fits("Rev.", 0, kLines)) << width;
        EXPECT_TRUE(fits("ABC", 2, kLines) && fits("JMS", 2, kLines)) << width;
    }
    // The grid takes these widths and the page font.
    page.resize(800, 605);
    ShowKind("pre_rel");
    const CellGrid& revision = *page.RevisionGrid();
    EXPECT_GE(revision.CellRect(1, 1).width(),
              QFontMetricsF(revision.font()).horizontalAdvance(QStringLiteral("12.07.2025")) +
                  kMargins);
}

} // namespace
} // namespace waybill::test
