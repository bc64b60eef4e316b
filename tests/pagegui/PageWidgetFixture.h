#pragma once

#include "model/Book.h"
#include "model/FwbFile.h"
#include "page/gui/CellGrid.h"
#include "page/gui/PageWidget.h"
#include "support/RecordingDialogService.h"
#include "units/Text.h"

#include <gtest/gtest.h>
#include <memory>
#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QImage>
#include <QLineEdit>
#include <QTest>

namespace waybill::test {

// The page widget on the shipped reference database, drawing font and blocks, showing the
// shipped default document at the size of the editor's default window.
class PageWidgetTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        QFontDatabase::addApplicationFont(QStringLiteral(WAYBILL_PROGRAM_DIR "/fonts/ArialDT.ttf"));
        opened =
            std::make_unique<OpenedReferenceDatabase>(OpenReferenceDatabase(WAYBILL_REFERENCE_DB));
        ASSERT_TRUE(opened->database) << opened->error;
    }
    static void TearDownTestSuite() { opened.reset(); }

    PageWidgetTest() : defs(*opened->database), page(dialogs) {
        EXPECT_FALSE(ReadFWB(WAYBILL_PROGRAM_DIR "/Default.fwb", book));
        page.SetEnvironment(opened->database.get(), &defs, WAYBILL_PROGRAM_DIR "/blocks");
        page.resize(1024, 775);
        page.SetTblkInfo(book);
        page.show();
        page.activateWindow();
        QApplication::processEvents();
        QObject::connect(&page, &PageWidget::Changed, [this] { ++changes; });
    }

    // Shows the page of the default document whose CAD base is `cadBase`.
    void ShowKind(std::string_view cadBase) {
        for (int n = 1; n <= book.PageCount(); ++n) {
            if (CadBase(book.GetPage(n).CadNumber) == cadBase) {
                Show(n);
                return;
            }
        }
        FAIL() << "no page " << cadBase;
    }

    void Show(int pageNumber) {
        book.GotoPage(pageNumber);
        page.ShowPage(book, pageNumber);
        QApplication::processEvents();
    }

    CellGrid& Grid() { return *page.LineItemGrid(); }
    QLineEdit& Box() { return *page.CellBoxEditor(); }
    const std::string& Cell(int row, int column) { return page.View().grid->Cell(row, column); }

    // Puts the focus on the line-item grid's cell (row, column).
    void Select(int row, int column) {
        Grid().setFocus();
        Grid().SetCurrent(row, column);
    }

    void DoubleClick(int row, int column) {
        const QPoint at = Grid().CellRect(row, column).center().toPoint();
        QTest::mouseClick(&Grid(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(&Grid(), Qt::LeftButton, {}, at);
    }

    static std::unique_ptr<OpenedReferenceDatabase> opened;
    BlockAttribDefs defs;
    RecordingDialogService dialogs;
    Book book;
    PageWidget page;
    int changes = 0;
};

inline std::unique_ptr<OpenedReferenceDatabase> PageWidgetTest::opened;

} // namespace waybill::test
