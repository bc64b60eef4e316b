// Sheets painted into pictures and PDFs through the one painter: lines where the sheet puts
// them on every surface, in their pen weights, and texts on their drawings. Where the sheet
// puts things is the sheet description's to test.

#include "model/Book.h"
#include "print/gui/PdfExport.h"
#include "print/gui/SheetPainter.h"
#include "support/TempDir.h"
#include "support/TestDatabase.h"
#include "support/WmfWriter.h"

#include <gtest/gtest.h>
#include <QImage>
#include <QRegularExpression>

namespace waybill {
namespace {

using test::TempDir;
using test::TestDatabase;

constexpr double kDpi = 100;

// A 10 x 2 inch drawing with a red square from (4.0, 1.0) to (4.6, 1.4).
std::string RedSquareDrawing() {
    test::WmfWriter w;
    w.Placeable(0, 0, 1000, 200, 100);
    w.SetWindowOrg(0, 0);
    w.SetWindowExt(1000, 200);
    w.Select(w.CreatePen(5, 0, 0));
    w.Select(w.CreateBrush(0, test::Rgb(255, 0, 0)));
    w.Rectangle(400, 100, 460, 140);
    return w.Bytes();
}

bool Dark(const QImage& image, int x, int y) {
    const QColor c = image.pixelColor(x, y);
    return c.red() < 110 && c.green() < 110 && c.blue() < 110;
}

bool Red(const QImage& image, int x, int y) {
    const QColor c = image.pixelColor(x, y);
    return c.red() > 200 && c.green() < 90 && c.blue() < 90;
}

struct Run {
    double centre;
    int length;
};

// The runs of dark pixels along a row (`horizontal`) or a column, from `from` to `to`.
std::vector<Run> DarkRuns(const QImage& image, bool horizontal, int fixed, int from, int to) {
    std::vector<Run> runs;
    int start = -1;
    for (int i = from; i <= to + 1; ++i) {
        const bool dark = i <= to && (horizontal ? Dark(image, i, fixed) : Dark(image, fixed, i));
        if (dark && start < 0) {
            start = i;
        } else if (!dark && start >= 0) {
            runs.push_back({(start + i - 1) / 2.0, i - start});
            start = -1;
        }
    }
    return runs;
}

std::vector<double> Centres(const std::vector<Run>& runs) {
    std::vector<double> centres;
    for (const Run& run : runs) {
        centres.push_back(run.centre);
    }
    return centres;
}

void ExpectNear(const std::vector<double>& actual, const std::vector<double>& expected) {
    ASSERT_EQ(actual.size(), expected.size()) << ::testing::PrintToString(actual);
    for (std::size_t i = 0; i < actual.size(); ++i) {
        EXPECT_NEAR(actual[i], expected[i], 1.5) << "line " << i;
    }
}

// The sheet's lines alone, so that no text crosses a scan.
PrintedSheet WithoutTexts(PrintedSheet sheet) {
    std::erase_if(sheet.items,
                  [](const SheetItem& item) { return std::holds_alternative<SheetText>(item); });
    return sheet;
}

class PaintedSheet : public ::testing::Test {
  protected:
    PaintedSheet() {
        EXPECT_TRUE(LoadDrawingFont(QStringLiteral(WAYBILL_PROGRAM_DIR)));
        std::filesystem::create_directories(dir / "blocks");
        dir.Write("blocks/square.wmf", RedSquareDrawing());
        blocks.SetFolder(dir / "blocks");
        // "XX" centred on (4.3, 1.3), the middle of the square's lower half.
        database.AddTable("square",
                          {"PtX1", "PtY1", "TXT_HGT", "TXT_ROT", "HorJust", "PtX2", "PtY2"},
                          {{0.0, 0.0, 0.15, 0.0, std::int64_t{1}, 4.3, 1.3}});
    }

    PrintedSheet Sheet(PageLines lines) {
        book.Add("x-01", "", "", std::move(lines), AfterLastPage);
        SheetSources sources{database, attribDefs, blocks, DrawingFontMeasurer()};
        return DescribeSheet(book, book.PageCount(), sources);
    }

    // The sheet on paper with the printable area `printable` (inches) and `margin` round it.
    static QImage Paint(const PrintedSheet& sheet, QSizeF printable, double margin) {
        const PaperLayout paper{printable + QSizeF(2 * margin, 2 * margin),
                                QRectF(QPointF(margin, margin), printable)};
        return PaperPicture(sheet, paper, kDpi);
    }

    TempDir dir;
    TestDatabase database;
    BlockAttribDefs attribDefs{database};
    BlockLibrary blocks;
    Book book;
};

TEST_F(PaintedSheet, FrameAndTitleBlockLinesLieAtTheirInchPositions) {
    const QImage image = Paint(WithoutTexts(Sheet({})), QSizeF(10.25, 7.75), 0);
    // Across the last title-block row: the border, the revision columns, the field divider.
    ExpectNear(Centres(DarkRuns(image, true, 762, 0, image.width() - 1)),
               {0.5, 50, 100, 150, 737.5, 1023.5});
    // Down the field column at x 3.9: the thick title-block top, the rows, the border.
    const auto rows = DarkRuns(image, false, 390, 300, image.height() - 1);
    ExpectNear(Centres(rows), {650, 675, 700, 725, 750, 773.5});
    EXPECT_EQ(rows[0].length, 3); // thick
    EXPECT_EQ(rows[1].length, 1); // thin
    // The logo box in the medium pen, from (6.5, 6.5) to the right edge, down to 7.25.
    const auto logoBox = DarkRuns(image, false, 1000, 600, 760);
    ExpectNear(Centres(logoBox), {650, 725, 750});
    EXPECT_EQ(logoBox[1].length, 2);
}

TEST_F(PaintedSheet, NarrowSurfaceShowsTheMiddleWideSurfaceStretches) {
    const PrintedSheet sheet = WithoutTexts(Sheet({}));
    // 10.0 x 7.5 printable inside half-inch margins: the sheet's middle at full size, its
    // borders cut away and nothing drawn outside the printable area.
    QImage image = Paint(sheet, QSizeF(10.0, 7.5), 0.5);
    auto x = [](double sheetX) { return 50 + (sheetX - 0.125) * kDpi; };
    ExpectNear(
        Centres(DarkRuns(image, true, static_cast<int>(50 + 7.25 * kDpi), 0, image.width() - 1)),
        {x(0.5), x(1.0), x(1.5), x(7.375)});

    // 10.5 x 8.0: stretched over the whole printable area in both directions.
    image = Paint(sheet, QSizeF(10.5, 8.0), 0.25);
    const double sx = 10.5 / 10.25;
    const double sy = 8.0 / 7.75;
    auto stretched = [&](double sheetX) { return 25 + sheetX * kDpi * sx; };
    const int row = static_cast<int>(25 + 7.625 * kDpi * sy);
    ExpectNear(Centres(DarkRuns(image, true, row, 0, image.width() - 1)),
               {stretched(0) + 1, stretched(0.5), stretched(1.0), stretched(1.5), stretched(7.375),
                stretched(10.25) - 1});
    ExpectNear(
        Centres(DarkRuns(image, false, static_cast<int>(stretched(3.9)), 300, image.height() - 1)),
        {25 + 6.5 * kDpi * sy, 25 + 6.75 * kDpi * sy, 25 + 7.0 * kDpi * sy, 25 + 7.25 * kDpi * sy,
         25 + 7.5 * kDpi * sy, 25 + 7.75 * kDpi * sy - 1});
}

TEST_F(PaintedSheet, AttributeTextsLandOnTheirDrawingAtEveryPrintableWidth) {
    const PrintedSheet sheet = Sheet({"ATTRIBLK: square", "|XX|"});
    for (const double width : {10.0, 10.25, 10.5}) {
        SCOPED_TRACE(width);
        const QImage image = Paint(sheet, QSizeF(width, 7.75), 0.25);
        QRect red, text;
        for (int y = 0; y < 300; ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (Red(image, x, y)) {
                    red |= QRect(x, y, 1, 1);
                }
            }
        }
        ASSERT_FALSE(red.isEmpty());
        const QRect around = red.adjusted(-60, -60, 60, 60);
        for (int y = around.top(); y <= around.bottom(); ++y) {
            for (int x = around.left(); x <= around.right(); ++x) {
                if (Dark(image, x, y)) {
                    text |= QRect(x, y, 1, 1);
                }
            }
        }
        ASSERT_FALSE(text.isEmpty());
        // On the square, centred across it, in its lower half.
        EXPECT_TRUE(red.contains(text));
        EXPECT_NEAR(text.center().x(), red.center().x(), 0.02 * kDpi);
        EXPECT_GT(text.center().y(), red.top() + red.height() / 3);
    }
}

TEST_F(PaintedSheet, PdfHoldsOneLandscapeLetterPagePerPageOfTheRange) {
    for (int p = 0; p < 3; ++p) {
        book.Add("x-0" + std::to_string(p + 1), "", "PAGE" + std::to_string(p + 1), {},
                 AfterLastPage);
    }
    SheetSources sources{database, attribDefs, blocks, DrawingFontMeasurer()};
    const PdfDocument pdf = MakePdf(book, {2, 3}, sources, QStringLiteral("test"));
    const QString text = QString::fromLatin1(pdf.bytes);
    EXPECT_TRUE(text.startsWith(QStringLiteral("%PDF-")));
    EXPECT_EQ(text.count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b"))), 2);
    EXPECT_EQ(text.count(QRegularExpression(
                  QStringLiteral("/MediaBox\\s*\\[0 0 792(\\.0+)? 612(\\.0+)?\\]"))),
              2);
    // The drawing font travels with the file.
    EXPECT_TRUE(text.contains(QStringLiteral("/FontFile2")));
}

} // namespace
} // namespace waybill
