#include "print/gui/PrintPreview.h"

#include "support/RecordingDialogService.h"

#include <cmath>
#include <gtest/gtest.h>
#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QScreen>
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

// Letter landscape at 96 dots per inch, the page at zoom 1.
const QSizeF kLetterAtOne(11 * 96, 8.5 * 96);

TEST(PreviewOpening, TakesThePapersShapeAtTheZoomThatFitsTheAvailableArea) {
    struct Case {
        QSize available;
        QSize window;
        double zoom;
    };
    const Case cases[] = {
        // Height-bound: the page is 816 * zoom high under a 30 pixel toolbar.
        {{1920, 1050}, {1320, 1050}, 1020.0 / 816},
        {{1366, 738}, {916, 738}, 708.0 / 816},
        // Width-bound on a tall area.
        {{800, 1200}, {800, 648}, 800.0 / 1056},
        // A large screen stops at the largest zoom step.
        {{3840, 2130}, {1584, 1254}, 1.5},
        // A small one goes below the smallest step, so the whole page still shows.
        {{640, 450}, {543, 450}, 420.0 / 816},
    };
    for (const Case& c : cases) {
        const PreviewOpening opening = OpeningLayout(kLetterAtOne, c.available, 30);
        EXPECT_EQ(opening.windowSize, c.window) << c.available.width();
        EXPECT_DOUBLE_EQ(opening.zoom, c.zoom) << c.available.width();
        EXPECT_GT(opening.windowSize.width(), opening.windowSize.height());
    }
    EXPECT_DOUBLE_EQ(FitZoom(kLetterAtOne, {20, 20}), 0.125); // not below an eighth
}

TEST_F(PreviewWindow, OpensOnTheWholePageSizedForTheScreen) {
    const auto preview = Open(1, 1);
    const QSize available = preview->screen()->availableGeometry().size();
    const int toolbar = preview->Viewport()->y();
    const PreviewOpening expected = OpeningLayout(kLetterAtOne, available, toolbar);
    EXPECT_EQ(preview->size(), expected.windowSize);
    EXPECT_DOUBLE_EQ(preview->Zoom(), expected.zoom);
    EXPECT_GT(preview->width(), preview->height());
    EXPECT_FALSE(preview->HScroll()->isVisibleTo(preview.get()));
    EXPECT_FALSE(preview->VScroll()->isVisibleTo(preview.get()));
    EXPECT_EQ(preview->ScrollArea()->size(), preview->Viewport()->size());
}

TEST_F(PreviewWindow, ZoomStepsStayOnEighthsBetweenHalfAndOneAndAHalfAndFitIsNoStep) {
    const auto preview = Open(3, 2);
    preview->resize(1000, 700);
    Click(*preview, "Fit");
    const double fit = preview->Zoom();
    EXPECT_DOUBLE_EQ(fit, FitZoom(kLetterAtOne, preview->Viewport()->size()));
    EXPECT_NE(fit * 8, std::floor(fit * 8)); // between two steps at this size

    Click(*preview, "ZoomIn");
    EXPECT_DOUBLE_EQ(preview->Zoom(), std::ceil(fit * 8) / 8);
    while (Enabled(*preview, "ZoomIn")) {
        Click(*preview, "ZoomIn");
    }
    EXPECT_DOUBLE_EQ(preview->Zoom(), 1.5);
    EXPECT_EQ(preview->ScrollArea()->size(), QSize(1584, 1224));

    Click(*preview, "Fit");
    EXPECT_DOUBLE_EQ(preview->Zoom(), fit);
    Click(*preview, "ZoomOut");
    EXPECT_DOUBLE_EQ(preview->Zoom(), std::floor(fit * 8) / 8);
    int steps = 0;
    for (; Enabled(*preview, "ZoomOut"); ++steps) {
        Click(*preview, "ZoomOut");
    }
    EXPECT_DOUBLE_EQ(preview->Zoom(), 0.5);
    EXPECT_EQ(steps, static_cast<int>(std::floor(fit * 8)) - 4);
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

    const auto single = Open(1, 1); // a one-page document offers no page steps
    EXPECT_FALSE(Enabled(*single, "PrevPg") || Enabled(*single, "NextPg"));
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
