#pragma once

#include "print/gui/SheetPainter.h"

#include <functional>
#include <QDialog>
#include <QImage>
#include <set>

class QAction;
class QScrollBar;
class QToolBar;

namespace waybill {

class DialogService;

// The "Print Preview" window: one page at a time as it prints on the paper, drawn once per
// page into a hidden picture and shown scaled by the zoom (0.5 to 1.5 in eighths) inside a
// viewport with scroll bars.
class PrintPreview : public QDialog {
    Q_OBJECT

  public:
    using SheetSource = std::function<PrintedSheet(int pageNumber)>;

    static constexpr double kMinZoom = 0.5;
    static constexpr double kMaxZoom = 1.5;
    static constexpr double kZoomStep = 0.125;

    // Opens on `currentPage` of `pageCount` (at least one page).
    PrintPreview(int pageCount, int currentPage, SheetSource describe, PaperLayout paper,
                 DialogService& dialogs, QWidget* parent = nullptr);

    // Draws the current page into the hidden picture (and tells the page's messages, the
    // first time the page is drawn).
    void MakePreview();
    // Shows the hidden picture scaled to the zoom.
    void DrawPreview();
    void SetButtons();
    void SetScale(double delta);
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
    QSize PageSize(double zoom) const; // in screen pixels

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
