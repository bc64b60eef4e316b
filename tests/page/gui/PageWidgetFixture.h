#pragma once

#include "model/Book.h"
#include "model/FwbFile.h"
#include "page/BlockLibrary.h"
#include "page/gui/CellGrid.h"
#include "page/gui/PageWidget.h"
#include "page/PageData.h"
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

// The page widget on the shipped reference database, drawing font and blocks, showing pages
// of the shipped default document at the size of the editor's default window. The test stands
// in for the edit session: it renders the pages, and applies what is typed to the shown page,
// counting the commits that changed it; `skipped` is what it answers a paste left out.
class PageWidgetTest : public ::testing::Test, public TypingTarget {
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
        blocks.SetFolder(WAYBILL_PROGRAM_DIR "/blocks");
        page.SetEnvironment(opened->database.get(), &defs, &blocks, this);
        page.resize(1024, 775);
        page.show();
        page.activateWindow();
        QApplication::processEvents();
    }

    TypingOutcome CommitTyping(const TypedEdit& edit) override {
        edits.push_back(edit);
        if (ApplyPageChanges(view, edit.changes)) {
            ++changes;
            page.RefreshFromView(!edit.changes.attributes.empty());
        }
        return {skipped, {}};
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

    // Renders page `pageNumber` for the widget's page area and shows it.
    void Show(int pageNumber) {
        book.GotoPage(pageNumber);
        SetTblkInfo(view, book);
        RenderPageData(view, book, pageNumber, {*opened->database, page.Area(), &defs});
        page.ShowView(view);
        QApplication::processEvents();
    }

    // Commits what the boxes still hold, as the session does before a command.
    void StoreTyping() {
        if (const auto typed = page.TakeTyping()) {
            CommitTyping(*typed);
        }
    }

    CellGrid& Grid() { return *page.LineItemGrid(); }
    QLineEdit& Box() { return *page.CellBoxEditor(); }
    const std::string& Cell(int row, int column) { return view.grid->Cell(row, column); }

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

    static inline std::unique_ptr<OpenedReferenceDatabase> opened;
    BlockAttribDefs defs;
    BlockLibrary blocks;
    RecordingDialogService dialogs;
    Book book;
    PageView view;
    std::vector<TypedEdit> edits;
    int changes = 0;
    int skipped = 0;
    PageWidget page; // last, so it goes first: its boxes commit while it is taken down
};

} // namespace waybill::test
