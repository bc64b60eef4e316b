#include "print/gui/PrintPreview.h"

#include "platform/gui/DialogService.h"

#include <algorithm>
#include <cmath>
#include <QAction>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QToolBar>

namespace waybill {
namespace {

// The scroll area: the page's scaled copy.
class PageCopy : public QWidget {
  public:
    PageCopy(const QImage& image, QWidget* parent) : QWidget(parent), image_(image) {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        painter.drawImage(QPointF(0, 0), image_);
    }

  private:
    const QImage& image_;
};

constexpr double kEpsilon = 1e-9;

// A page's size in whole pixels at a zoom: never larger than the zoom gives, so a page fitted
// to a viewport never needs a scroll bar.
QSize ScaledPage(QSizeF pageAtOne, double zoom) {
    return {static_cast<int>(std::floor(pageAtOne.width() * zoom + 1e-6)),
            static_cast<int>(std::floor(pageAtOne.height() * zoom + 1e-6))};
}

} // namespace

double FitZoom(QSizeF pageAtOne, QSize viewport) {
    if (pageAtOne.isEmpty()) {
        return 1;
    }
    const double zoom =
        std::min(viewport.width() / pageAtOne.width(), viewport.height() / pageAtOne.height());
    // A page below an eighth of its size shows nothing worth a look.
    return std::clamp(zoom, PrintPreview::kZoomStep, PrintPreview::kMaxZoom);
}

PreviewOpening OpeningLayout(QSizeF pageAtOne, QSize available, int toolbarHeight) {
    const double zoom =
        FitZoom(pageAtOne, QSize(available.width(), available.height() - toolbarHeight));
    const QSize page = ScaledPage(pageAtOne, zoom);
    return {QSize(page.width(), page.height() + toolbarHeight), zoom};
}

PrintPreview::PrintPreview(int pageCount, int currentPage, SheetSource describe, PaperLayout paper,
                           DialogService& dialogs, QWidget* parent)
    : QDialog(parent), pageCount_(std::max(1, pageCount)),
      page_(std::clamp(currentPage, 1, std::max(1, pageCount))), describe_(std::move(describe)),
      paper_(paper), dialogs_(dialogs) {
    setObjectName(QStringLiteral("PrintPreview"));
    setWindowTitle(QStringLiteral("Print Preview"));
    setModal(true);
    dotsPerInch_ = logicalDpiX() > 0 ? logicalDpiX() : 96;
    pixelRatio_ = devicePixelRatioF() > 0 ? devicePixelRatioF() : 1;

    toolbar_ = new QToolBar(this);
    toolbar_->setObjectName(QStringLiteral("tbPreview"));
    toolbar_->setToolButtonStyle(Qt::ToolButtonTextOnly);
    auto addKey = [this](const char* key, const QString& text, auto handler) {
        QAction* action = toolbar_->addAction(text);
        action->setObjectName(QString::fromLatin1(key));
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    zoomIn_ = addKey("ZoomIn", QStringLiteral("Zoom In"), [this] { SetScale(kZoomStep); });
    zoomIn_->setShortcut(QKeySequence::ZoomIn);
    zoomOut_ = addKey("ZoomOut", QStringLiteral("Zoom Out"), [this] { SetScale(-kZoomStep); });
    zoomOut_->setShortcut(QKeySequence::ZoomOut);
    addKey("Fit", QStringLiteral("Fit"), [this] {
        FitPage();
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    toolbar_->addSeparator();
    prevPg_ = addKey("PrevPg", QStringLiteral("Previous Page"), [this] { StepPage(-1); });
    nextPg_ = addKey("NextPg", QStringLiteral("Next Page"), [this] { StepPage(1); });

    viewport_ = new QWidget(this);
    viewport_->setObjectName(QStringLiteral("Viewport"));
    viewport_->setAutoFillBackground(true);
    QPalette desk = viewport_->palette();
    desk.setColor(QPalette::Window, QColor(128, 128, 128));
    viewport_->setPalette(desk);
    scrollArea_ = new PageCopy(shown_, viewport_);
    scrollArea_->setObjectName(QStringLiteral("ScrollArea"));
    hScroll_ = new QScrollBar(Qt::Horizontal, this);
    hScroll_->setObjectName(QStringLiteral("HScroll"));
    vScroll_ = new QScrollBar(Qt::Vertical, this);
    vScroll_->setObjectName(QStringLiteral("VScroll"));
    connect(hScroll_, &QScrollBar::valueChanged, this,
            [this](int value) { scrollArea_->move(-value, scrollArea_->y()); });
    connect(vScroll_, &QScrollBar::valueChanged, this,
            [this](int value) { scrollArea_->move(scrollArea_->x(), -value); });

    // The window takes the paper's shape at the zoom that fits it into the screen's available
    // area, less the frame the window manager puts around it (as it does around the parent).
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    QSize frame(0, 0);
    if (parent && parent->window()->isVisible()) {
        const QWidget* main = parent->window();
        frame = main->frameGeometry().size() - main->geometry().size();
    }
    const PreviewOpening opening =
        OpeningLayout(PageAtOne(), available.size() - frame, toolbar_->sizeHint().height());
    resize(opening.windowSize);
    const QSize outer = opening.windowSize + frame;
    move(available.x() + (available.width() - outer.width()) / 2,
         available.y() + (available.height() - outer.height()) / 2);

    MakePreview();
    ShowZoom(opening.zoom);
}

QSizeF PrintPreview::PageAtOne() const {
    return paper_.size * dotsPerInch_;
}

QSize PrintPreview::PageSize(double zoom) const {
    return ScaledPage(PageAtOne(), zoom);
}

void PrintPreview::MakePreview() {
    const PrintedSheet sheet = describe_(page_);
    // Drawn at the largest zoom and the screen's pixel ratio: every zoom is a reduction, sharp.
    const double scale = kMaxZoom * pixelRatio_;
    hidden_ = PaperPicture(sheet, paper_, dotsPerInch_ * scale, scale);
    if (reported_.insert(page_).second) {
        for (const UserMessage& message : sheet.messages) {
            dialogs_.ShowMessage(message);
        }
    }
}

void PrintPreview::DrawPreview() {
    const QSize logical = PageSize(zoom_);
    shown_ = hidden_.scaled(logical * pixelRatio_, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    shown_.setDevicePixelRatio(pixelRatio_);
    scrollArea_->update();
}

void PrintPreview::SetButtons() {
    zoomIn_->setEnabled(zoom_ < kMaxZoom - kEpsilon);
    zoomOut_->setEnabled(zoom_ > kMinZoom + kEpsilon);
    prevPg_->setEnabled(page_ > 1);
    nextPg_->setEnabled(page_ < pageCount_);
}

void PrintPreview::SetScale(double delta) {
    double zoom = zoom_;
    // Steps land on eighths, so a fitted zoom between two of them goes to the next one.
    if (delta > 0 && zoom_ < kMaxZoom - kEpsilon) {
        zoom = std::floor((zoom_ + delta) / kZoomStep + kEpsilon) * kZoomStep;
    } else if (delta < 0 && zoom_ > kMinZoom + kEpsilon) {
        zoom = std::ceil((zoom_ + delta) / kZoomStep - kEpsilon) * kZoomStep;
    }
    if (zoom != zoom_) {
        zoom = std::clamp(zoom, kMinZoom, kMaxZoom);
    }
    ShowZoom(zoom);
}

void PrintPreview::FitPage() {
    const int top = toolbar_->sizeHint().height();
    ShowZoom(FitZoom(PageAtOne(), QSize(width(), height() - top)));
}

void PrintPreview::ShowZoom(double zoom) {
    zoom_ = zoom;
    scrollArea_->setGeometry(QRect(QPoint(0, 0), PageSize(zoom_)));
    hScroll_->setValue(0);
    vScroll_->setValue(0);
    ArrangeControls();
    SetButtons();
    DrawPreview();
}

void PrintPreview::ArrangeControls() {
    const int top = toolbar_->sizeHint().height();
    toolbar_->setGeometry(0, 0, width(), top);
    const int barWidth = vScroll_->sizeHint().width();
    const int barHeight = hScroll_->sizeHint().height();
    const QSize page = scrollArea_->size();
    int visibleWidth = width();
    int visibleHeight = height() - top;
    bool needH = page.width() > visibleWidth;
    bool needV = page.height() > visibleHeight;
    // Each bar takes room from the other direction, which may then need its bar too.
    for (int pass = 0; pass < 2; ++pass) {
        visibleWidth = width() - (needV ? barWidth : 0);
        visibleHeight = height() - top - (needH ? barHeight : 0);
        needH = page.width() > visibleWidth;
        needV = page.height() > visibleHeight;
    }
    visibleWidth = std::max(0, width() - (needV ? barWidth : 0));
    visibleHeight = std::max(0, height() - top - (needH ? barHeight : 0));
    viewport_->setGeometry(0, top, visibleWidth, visibleHeight);

    auto arrange = [](QScrollBar* bar, bool needed, int extent, int visible) {
        bar->setVisible(needed);
        bar->setRange(0, needed ? std::max(0, extent - visible) : 0);
        bar->setPageStep(std::max(1, static_cast<int>(std::lround(visible * 0.9))));
        bar->setSingleStep(std::max(1, static_cast<int>(std::lround(visible * 0.1))));
    };
    arrange(hScroll_, needH, page.width(), visibleWidth);
    arrange(vScroll_, needV, page.height(), visibleHeight);
    hScroll_->setGeometry(0, top + visibleHeight, visibleWidth, barHeight);
    vScroll_->setGeometry(visibleWidth, top, barWidth, visibleHeight);
    // A page smaller than the viewport sits in its middle.
    scrollArea_->move(needH ? -hScroll_->value() : (visibleWidth - page.width()) / 2,
                      needV ? -vScroll_->value() : (visibleHeight - page.height()) / 2);
}

void PrintPreview::StepPage(int delta) {
    page_ = std::clamp(page_ + delta, 1, pageCount_);
    MakePreview();
    SetButtons();
    DrawPreview();
}

void PrintPreview::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    ArrangeControls();
}

void PrintPreview::keyPressEvent(QKeyEvent* event) {
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    auto move = [](QScrollBar* bar, int direction, bool large) {
        // setValue keeps the value within the bar's range.
        bar->setValue(bar->value() + direction * (large ? bar->pageStep() : bar->singleStep()));
    };
    switch (event->key()) {
    case Qt::Key_Left:
        move(hScroll_, -1, shift);
        break;
    case Qt::Key_Right:
        move(hScroll_, 1, shift);
        break;
    case Qt::Key_Up:
        move(vScroll_, -1, shift);
        break;
    case Qt::Key_Down:
        move(vScroll_, 1, shift);
        break;
    case Qt::Key_PageUp:
        move(vScroll_, -1, true);
        break;
    case Qt::Key_PageDown:
        move(vScroll_, 1, true);
        break;
    default:
        QDialog::keyPressEvent(event);
    }
}

} // namespace waybill
