#include "print/gui/PrintPreview.h"

#include "support/RecordingDialogService.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QScrollBar>

namespace waybill {
namespace {

class PreviewWindow : public ::testing::Test {
  protected:
    std::unique_ptr<PrintPreview> Open(int pages, int current) {
        auto preview = std::make_unique<PrintPreview>(
            pages, current,
            [this](int page) {
                drawn.push_back(page);
                PrintedSheet sheet;
                sheet.pageNumber = page;
                sheet.items.push_back(SheetLine{0, 6.5, 10.25, 6.5, PenWeight::Thick});
                if (page == 2) {
                    sheet.messages.push_back({"Grid x not found in Grid Definition Table.",
                                              "Waybill", MessageIcon::Exclamation});
                }
                return sheet;
            },
            LetterLandscape(), dialogs);
        return preview;
    }

    static void Click(PrintPreview& preview, const char* key) {
        preview.findChild<QAction*>(QString::fromLatin1(key))->trigger();
    }
    static bool Enabled(PrintPreview& preview, const char* key) {
        return preview.findChild<QAction*>(QString::fromLatin1(key))->isEnabled();
    }
    static void Key(PrintPreview& preview, int key, Qt::KeyboardModifiers modifiers = {}) {
        QKeyEvent press(QEvent::KeyPress, key, modifiers);
        QCoreApplication::sendEvent(&preview, &press);
    }

    test::RecordingDialogService dialogs;
    std::vector<int> drawn;
};

TEST_F(PreviewWindow, OnePageDocumentOffersNoPageSteps) {
    const auto preview = Open(1, 1);
    EXPECT_EQ(preview->windowTitle(), QStringLiteral("Print Preview"));
    EXPECT_FALSE(Enabled(*preview, "PrevPg"));
    EXPECT_FALSE(Enabled(*preview, "NextPg"));
    EXPECT_TRUE(Enabled(*preview, "ZoomIn"));
    EXPECT_TRUE(Enabled(*preview, "ZoomOut"));
    EXPECT_EQ(drawn, std::vector<int>{1});
}

TEST_F(PreviewWindow, ZoomMovesInEighthsBetweenHalfAndOneAndAHalfWithoutRedrawing) {
    const auto preview = Open(3, 2);
    const QSize atOne = preview->ScrollArea()->size();
    EXPECT_EQ(atOne, QSize(11 * 96, static_cast<int>(8.5 * 96)));
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(Enabled(*preview, "ZoomIn"));
        Click(*preview, "ZoomIn");
    }
    EXPECT_DOUBLE_EQ(preview->Zoom(), 1.5);
    EXPECT_FALSE(Enabled(*preview, "ZoomIn"));
    EXPECT_EQ(preview->ScrollArea()->width(), 1584);
    for (int i = 0; i < 8; ++i) {
        Click(*preview, "ZoomOut");
    }
    EXPECT_DOUBLE_EQ(preview->Zoom(), 0.5);
    EXPECT_FALSE(Enabled(*preview, "ZoomOut"));
    EXPECT_TRUE(Enabled(*preview, "ZoomIn"));
    // Zooming rescales the hidden picture; only page steps draw the page again.
    EXPECT_EQ(drawn, std::vector<int>{2});
}

TEST_F(PreviewWindow, PageStepsRedrawAndTellAPageMessageOnce) {
    const auto preview = Open(3, 1);
    EXPECT_FALSE(Enabled(*preview, "PrevPg"));
    Click(*preview, "NextPg");
    Click(*preview, "NextPg");
    EXPECT_EQ(preview->PageNumber(), 3);
    EXPECT_FALSE(Enabled(*preview, "NextPg"));
    EXPECT_TRUE(Enabled(*preview, "PrevPg"));
    Click(*preview, "PrevPg");
    EXPECT_EQ(drawn, (std::vector<int>{1, 2, 3, 2}));
    EXPECT_EQ(dialogs.Texts(),
              std::vector<std::string>{"Grid x not found in Grid Definition Table."});
}

TEST_F(PreviewWindow, ScrollBarsOnlyWhenNeededWithTheirStepsAndKeys) {
    const auto preview = Open(1, 1);
    preview->resize(1400, 1100);
    Click(*preview, "ZoomOut");
    Click(*preview, "ZoomOut");
    Click(*preview, "ZoomOut");
    Click(*preview, "ZoomOut");
    EXPECT_FALSE(preview->HScroll()->isVisibleTo(preview.get()));
    EXPECT_FALSE(preview->VScroll()->isVisibleTo(preview.get()));

    preview->resize(600, 500);
    for (int i = 0; i < 4; ++i) {
        Click(*preview, "ZoomIn");
    }
    QScrollBar* h = preview->HScroll();
    QScrollBar* v = preview->VScroll();
    ASSERT_TRUE(h->isVisibleTo(preview.get()));
    ASSERT_TRUE(v->isVisibleTo(preview.get()));
    const int visibleWidth = preview->Viewport()->width();
    const int visibleHeight = preview->Viewport()->height();
    EXPECT_EQ(h->maximum(), preview->ScrollArea()->width() - visibleWidth);
    EXPECT_EQ(v->maximum(), preview->ScrollArea()->height() - visibleHeight);
    EXPECT_EQ(h->pageStep(), qRound(visibleWidth * 0.9));
    EXPECT_EQ(h->singleStep(), qRound(visibleWidth * 0.1));

    Key(*preview, Qt::Key_Right);
    EXPECT_EQ(h->value(), h->singleStep());
    EXPECT_EQ(preview->ScrollArea()->x(), -h->value());
    Key(*preview, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(h->value(), std::min(h->maximum(), h->singleStep() + h->pageStep()));
    Key(*preview, Qt::Key_PageDown);
    Key(*preview, Qt::Key_PageDown);
    Key(*preview, Qt::Key_PageDown);
    EXPECT_EQ(v->value(), v->maximum());
    EXPECT_EQ(preview->ScrollArea()->y(), -v->maximum());
    Key(*preview, Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_EQ(v->value(), std::max(0, v->maximum() - v->pageStep()));
}

} // namespace
} // namespace waybill
