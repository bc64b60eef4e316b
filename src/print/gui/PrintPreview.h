#pragma once

#include "print/gui/SheetPainter.h"

#include <functional>
#include <QDialog>
#include <QImage>
#include <QSizeF>
#include <set>

class QAction;
class QScrollBar;
class QToolBar;

namespace waybill {

class DialogService;

// The zoom that shows a whole page of `pageAtOne` screen pixels (its size at zoom 1) in a
// viewport of `viewport` pixels: never above the largest zoom step, and below the smallest
// when the viewport is that small (down to an eighth).
double FitZoom(QSizeF pageAtOne, QSize viewport);

// The preview's opening size: the page at the zoom that fits it into the screen's available
// area (less the window frame), with the toolbar above it, so the window takes the paper's
// shape.
struct PreviewOpening {
    QSize windowSize;
    double zoom = 1;
};
PreviewOpening OpeningLayout(QSizeF pageAtOne, QSize available, int toolbarHeight);

// The "Print Preview" window: one page at a time as it prints on the paper, drawn once per
// page into a hidden picture and shown scaled by the zoom inside a viewport with scroll bars.
// It opens at the zoom that shows the whole page; the zoom steps move on eighths between 0.5
// and 1.5, and "Fit" returns to the whole page without being one of them.
class PrintPreview : public QDialog {
    Q_OBJECT

  public:
    using SheetSource = std::function<PrintedSheet(int pageNumber)>;

    static constexpr double kMinZoom = 0.5;
    static constexpr double kMaxZoom = 1.5;
    static constexpr double kZoomStep = 0.125;

    // Opens on `currentPage` of `pageCount` (at least one page), sized for the screen's
    // available area (that of the parent's screen).
    PrintPreview(int pageCount, int currentPage, SheetSource describe, PaperLayout paper,
                 DialogService& dialogs, QWidget* parent = nullptr);

    // Draws the current page into the hidden picture (and tells the page's messages, the
    // first time the page is drawn).
    void MakePreview();
    // Shows the hidden picture scaled to the zoom.
    void DrawPreview();
    void SetButtons();
    // A zoom step: from a zoom between steps (after Fit) the first step goes to the
    // neighbouring eighth.
    void SetScale(double delta);
    // The whole page in the viewport as it is now.
    void FitPage();
    void ArrangeControls();

    int PageNumber() const { return page_; }
    double Zoom() const { return zoom_; }
    const QImage& HiddenPicture() const { return hidden_; }
    QScrollBar* HScroll() const { return hScroll_; }
    QScrollBar* VScroll() const { return vScroll_; }
    QWidget* ScrollArea() const { return scrollArea_; }
    QWidget* Viewport() const { return viewport_; }

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void StepPage(int delta);
    void ShowZoom(double zoom);
    QSizeF PageAtOne() const;          // the paper at zoom 1, in screen pixels
    QSize PageSize(double zoom) const; // in whole screen pixels

    int pageCount_;
    int page_;
    double zoom_ = 1.0;
    SheetSource describe_;
    PaperLayout paper_;
    DialogService& dialogs_;
    double dotsPerInch_ = 96;
    double pixelRatio_ = 1;
    std::set<int> reported_;
    QImage hidden_;
    QImage shown_;

    QToolBar* toolbar_ = nullptr;
    QAction* zoomIn_ = nullptr;
    QAction* zoomOut_ = nullptr;
    QAction* prevPg_ = nullptr;
    QAction* nextPg_ = nullptr;
    QWidget* viewport_ = nullptr;
    QWidget* scrollArea_ = nullptr;
    QScrollBar* hScroll_ = nullptr;
    QScrollBar* vScroll_ = nullptr;
};

} // namespace waybill
