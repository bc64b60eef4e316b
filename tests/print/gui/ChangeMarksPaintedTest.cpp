// Changes since a comparison base marked on the printed sheet through the one painter: a bar
// beside each changed row, a delta with the newest revision beside each changed field.

#include "model/Book.h"
#include "page/ChangeMarks.h"
#include "support/TestDatabase.h"
#include "print/gui/SheetPainter.h"

#include <gtest/gtest.h>
#include <QImage>

namespace waybill {
namespace {

constexpr double kDpi = 100;

bool Dark(const QImage& image, int x, int y) {
    const QColor c = image.pixelColor(x, y);
    return c.red() < 110 && c.green() < 110 && c.blue() < 110;
}

// Whether any pixel of the box (inches) is dark.
bool AnyDark(const QImage& image, QRectF inches) {
    const QRect box(
        QPoint(static_cast<int>(inches.left() * kDpi), static_cast<int>(inches.top() * kDpi)),
        QPoint(static_cast<int>(inches.right() * kDpi), static_cast<int>(inches.bottom() * kDpi)));
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
            if (Dark(image, x, y)) {
                return true;
            }
        }
    }
    return false;
}

class ChangeMarksPainted : public ::testing::Test {
  protected:
    ChangeMarksPainted() {
        EXPECT_TRUE(LoadDrawingFont(QStringLiteral(WAYBILL_PROGRAM_DIR)));
        database.AddDefinition({"g", 3, 17, 0, 2.0f, 0.25f});
        database.AddTable("g", {"Width", "Align", "Label", "BoldLine"},
                          {{1.0, std::int64_t{1}, "", std::int64_t{0}},
                           {1.5, std::int64_t{4}, "", std::int64_t{0}},
                           {2.0, std::int64_t{1}, "", std::int64_t{0}}});
        book.Customer = "ACME";
        book.Add("x-01", "", "",
                 {"REVGRID:", "|1|1/2/26|AB|3|2/2/26|CD|||||||", "GRID: g", "|a|b|c|", "|d|e|f|",
                  "|g|h|i|"},
                 AfterLastPage);
    }

    QImage Paint(const PageChangeMarks* marks) {
        SheetSources sources{database, attribDefs, blocks, DrawingFontMeasurer()};
        const PaperLayout paper{QSizeF(10.25, 7.75), QRectF(0, 0, 10.25, 7.75)};
        return PaperPicture(DescribeSheet(book, 1, sources, marks), paper, kDpi);
    }

    test::TestDatabase database;
    BlockAttribDefs attribDefs{database};
    BlockLibrary blocks;
    Book book;
};

TEST_F(ChangeMarksPainted, ABarBesideAChangedRowAndADeltaBesideAChangedField) {
    PageChangeMarks marks;
    marks.rows = {2};
    marks.fields = {TblkCustomer};
    const QImage marked = Paint(&marks);
    const QImage plain = Paint(nullptr);

    // Row 2 lies from 2.5 to 2.75 inches; the bar between the frame and the cell texts.
    const QRectF barOfRow2(0.035, 2.56, 0.01, 0.13);
    EXPECT_TRUE(AnyDark(marked, barOfRow2));
    EXPECT_FALSE(AnyDark(plain, barOfRow2));
    EXPECT_FALSE(AnyDark(marked, QRectF(0.035, 2.31, 0.01, 0.13))); // row 1 unchanged
    EXPECT_FALSE(AnyDark(marked, QRectF(0.035, 2.81, 0.01, 0.13))); // row 3 unchanged

    // The Customer slot ends at 7.375 on the row from 7.25 to 7.5: the delta's base and, inside
    // it, the newest revision.
    const QRectF deltaBase(7.16, 7.44, 0.15, 0.02);
    EXPECT_TRUE(AnyDark(marked, deltaBase));
    EXPECT_FALSE(AnyDark(plain, deltaBase));
    EXPECT_TRUE(AnyDark(marked, QRectF(7.21, 7.35, 0.05, 0.07)));
    // The Job Number beside it is unchanged.
    EXPECT_FALSE(AnyDark(marked, QRectF(10.0, 7.44, 0.2, 0.02)));
}

TEST_F(ChangeMarksPainted, NoMarksDrawNothingMore) {
    const PageChangeMarks none;
    EXPECT_EQ(Paint(&none), Paint(nullptr));
}

} // namespace
} // namespace waybill
