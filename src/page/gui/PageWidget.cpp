#include "page/gui/PageWidget.h"

#include "model/FwbFile.h"
#include "model/Page.h"
#include "page/BlockLibrary.h"
#include "page/gui/ChangeShading.h"
#include "page/gui/PageWidgetImpl.h"
#include "platform/Cp1252.h"
#include "platform/gui/DialogService.h"
#include "units/Text.h"

#include <map>
#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

namespace waybill {
namespace {

// The keys that drop a list down, so the finish can be chosen without the mouse.
bool OpensFinishList(const QKeyEvent& key) {
    switch (key.key()) {
    case Qt::Key_F4:
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return true;
    case Qt::Key_Down:
        return (key.modifiers() & Qt::AltModifier) != 0;
    default:
        return false;
    }
}

const PageView kNoPage;

} // namespace

void SheetPart::SetOutlined(std::vector<const QWidget*> controls) {
    if (controls != outlined_) {
        outlined_ = std::move(controls);
        update();
    }
}

void SheetPart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(QPen(Qt::black, 0));
    painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    // Just outside the control, whose own frame and text stay as they are.
    for (const QWidget* control : outlined_) {
        if (control->isVisible()) {
            PaintChangeOutline(painter, QRectF(control->geometry()).adjusted(-2, -2, 2, 2));
        }
    }
}

PageWidget::Impl::Impl(PageWidget& owner, DialogService& dialogService)
    : self(owner), dialogs(dialogService), view(&kNoPage) {
    // The drawing font, as on paper: cells and boxes hold its fraction and symbol characters
    // (cable sizes, cut lengths), which another face would show as accented letters.
    pageFont = QFont(QStringLiteral("ArialDT"));
    pageFont.setStyleHint(QFont::SansSerif);

    pageArea = new SheetPart(&self);
    picture = new BlockPicture(pageArea);
    QObject::connect(picture, &BlockPicture::DoubleClicked, &self,
                     [this] { emit self.BlockPictureDoubleClicked(); });
    grid = new CellGrid(pageArea);
    grid->SetTextSource(
        [this](int r, int c) -> const std::string& { return CellText(LineItems, r, c); });
    grid->SetChangeSource([this](int r, int c) { return marks.Cell(r, c) || marks.RowAdded(r); });

    titleBlock = new SheetPart(&self);
    revision = new CellGrid(titleBlock);
    revision->SetTextSource(
        [this](int r, int c) -> const std::string& { return CellText(Revisions, r, c); });
    revision->SetChangeSource([this](int r, int c) { return marks.RevisionCell(r, c); });
    for (int i = 0; i < kTitleBlockFields; ++i) {
        const auto index = static_cast<std::size_t>(i);
        labels[index] = new QLabel(QString::fromLatin1(kTitleBlockSlots[index].label.data(),
                                                       kTitleBlockSlots[index].label.size()),
                                   titleBlock);
        // "of" sits between the two page-number boxes with no room to spare.
        labels[index]->setAlignment(i == TblkSheetTotal ? Qt::AlignCenter
                                                        : Qt::AlignLeft | Qt::AlignVCenter);
        QLineEdit* edit = new QLineEdit(titleBlock);
        edit->setObjectName(QStringLiteral("txtTblk%1").arg(i));
        boxes[index] = edit;
        if (i == TblkSheetNumber || i == TblkSheetTotal) {
            edit->setReadOnly(true); // shown only
            edit->setFocusPolicy(Qt::NoFocus);
        } else if (i == TblkFinish) {
            edit->setReadOnly(true); // chosen from the finish list, never typed
        }
        // The box shows what the page can keep: one line, and no comma in the fields that
        // share the page's definition line.
        QObject::connect(edit, &QLineEdit::textChanged, &self,
                         [this, i, edit](const QString& text) {
                             if (settingTitle) {
                                 return;
                             }
                             std::string kept = SingleLineText(ToCp1252(text));
                             if (i == TblkFinish || i == TblkCadNumber) {
                                 kept = DefinitionField(kept);
                             }
                             if (FromCp1252(kept) != text) {
                                 edit->setText(FromCp1252(kept));
                             }
                             emit self.EditStateChanged();
                         });
        QObject::connect(edit, &QLineEdit::selectionChanged, &self, &PageWidget::EditStateChanged);
    }

    box = new CellBox(&self);
    // After a commit the box is closed, so the loss of focus its hiding causes commits
    // nothing a second time.
    QObject::connect(box, &CellBox::FocusLost, &self, [this] { CommitCellBox(); });
    QObject::connect(box, &CellBox::ExitKey, &self,
                     [this](waybill::CellBoxExit how) { CellBoxExit(how); });
    QObject::connect(box, &QLineEdit::selectionChanged, &self, &PageWidget::EditStateChanged);

    QObject::connect(grid, &CellGrid::CellDoubleClicked, &self,
                     [this](int r, int c) { self.BeginCellEdit(r, c, {}); });
    QObject::connect(grid, &CellGrid::EditKeyTyped, &self, [this](const std::string& start) {
        self.BeginCellEdit(grid->Row(), grid->Column(), start);
    });
    QObject::connect(revision, &CellGrid::CellDoubleClicked, &self,
                     [this](int, int) { OpenCellBox(Revisions, {}); });
    QObject::connect(revision, &CellGrid::EditKeyTyped, &self,
                     [this](const std::string& start) { OpenCellBox(Revisions, start); });
    QObject::connect(grid, &CellGrid::DeleteKey, &self, [this] { self.Delete(); });
    QObject::connect(revision, &CellGrid::DeleteKey, &self, [this] { self.Delete(); });
    QObject::connect(grid, &CellGrid::CurrentChanged, &self, &PageWidget::EditStateChanged);
    QObject::connect(revision, &CellGrid::CurrentChanged, &self, &PageWidget::EditStateChanged);
    // Paste follows what the clipboard holds.
    const auto readClipboard = [this] {
        clipboardHasText = !QGuiApplication::clipboard()->text().isEmpty();
        emit self.EditStateChanged();
    };
    QObject::connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, &self, readClipboard);
    QTimer::singleShot(0, &self, readClipboard);

    pageArea->hide();
    titleBlock->hide();
}

PageWidget::PageWidget(DialogService& dialogs, QWidget* parent)
    : QWidget(parent), impl_(std::make_unique<Impl>(*this, dialogs)) {
    // Round the sheet: the desk the sheet lies on.
    setAutoFillBackground(true);
    QPalette desk = palette();
    desk.setColor(QPalette::Window, QColor(128, 128, 128));
    setPalette(desk);
    for (QLineEdit* box : impl_->boxes) {
        box->installEventFilter(this);
    }
}

PageWidget::~PageWidget() {
    // The controls go first, while the state their signals reach is still there.
    delete impl_->box;
    delete impl_->titleBlock;
    delete impl_->pageArea;
}

void PageWidget::SetEnvironment(const ReferenceDatabase* database, BlockAttribDefs* attribDefs,
                                BlockLibrary* blocks, TypingTarget* typing) {
    impl_->database = database;
    impl_->attribDefs = attribDefs;
    impl_->blocks = blocks;
    impl_->typing = typing;
}

const PageAreaMetrics& PageWidget::Area() const {
    return impl_->area;
}

void PageWidget::ShowView(const PageView& view) {
    Impl& d = *impl_;
    d.CloseCellBoxUnchanged();
    d.view = &view;
    ++d.showings;
    d.cadBase = waybill::CadBase(view.titleBlock[TblkCadNumber]);
    // The session rendered the page for the area the widget reported last.
    d.renderedArea = d.area;
    d.renderedPictureHeight = view.blockPictureHeight;
    d.renderedGrid.reset();
    if (view.grid) {
        d.renderedGrid = view.grid->layout;
    }
    d.layers.clear();
    for (const PageBlock& block : view.blocks) {
        BlockLayer layer;
        layer.name = block.name;
        layer.drawing = d.blocks != nullptr ? d.blocks->Find(block.name) : nullptr;
        d.layers.push_back(std::move(layer));
    }
    d.pageVisible = true;
    d.titleVisible = true;
    d.grid->SetCurrent(1, 0);
    d.revision->SetCurrent(1, 0);
    d.UpdateControls();
    d.LayoutPageArea();
    d.FocusLineItems();
}

// After a page change the keys go to the line items (or, on a page without a grid, the
// revision grid), never to a title-block box left focused by the page before.
void PageWidget::Impl::FocusLineItems() {
    if (grid->isVisibleTo(&self)) {
        grid->setFocus();
    } else if (titleBlock->isVisibleTo(&self)) {
        revision->setFocus();
    }
}

void PageWidget::ClearPage() {
    Impl& d = *impl_;
    d.CloseCellBoxUnchanged();
    d.view = &kNoPage;
    ++d.showings;
    d.cadBase.clear();
    d.renderedGrid.reset();
    d.layers.clear();
    d.pageVisible = false;
    d.titleVisible = false;
    d.UpdateControls();
    d.LayoutPageArea();
}

const PageView& PageWidget::View() const {
    return *impl_->view;
}

void PageWidget::SetPageNumbering(bool numberPages, bool showTotal) {
    impl_->numberPages = numberPages;
    impl_->showTotal = showTotal;
    impl_->UpdateControls();
}

void PageWidget::RefreshFromView(bool drawing) {
    impl_->UpdateControls();
    if (drawing) {
        impl_->LayoutPageArea();
    }
    impl_->grid->update();
    impl_->revision->update();
}

QRect PageWidget::CellRect(int row, int column) const {
    const CellGrid* grid = impl_->grid;
    const QRect cell = grid->CellRect(row, column).toAlignedRect();
    return {grid->mapTo(this, cell.topLeft()), cell.size()};
}

QRect PageWidget::ScreenCellRect(int row, int column) const {
    const QRect cell = CellRect(row, column);
    return {mapToGlobal(cell.topLeft()), cell.size()};
}

QRect PageWidget::FinishBoxRect() const {
    const QLineEdit* box = impl_->boxes[TblkFinish];
    return {box->mapTo(this, QPoint(0, 0)), box->size()};
}

CellGrid* PageWidget::LineItemGrid() const {
    return impl_->grid;
}
CellGrid* PageWidget::RevisionGrid() const {
    return impl_->revision;
}
QLineEdit* PageWidget::CellBoxEditor() const {
    return impl_->box;
}

QLineEdit* PageWidget::TitleBlockBox(int index) const {
    return index >= 0 && index < kTitleBlockFields ? impl_->boxes[static_cast<std::size_t>(index)]
                                                   : nullptr;
}

void PageWidget::FitToSize() {
    impl_->Layout();
    emit AreaChanged();
}

void PageWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // A hidden widget's resize reaches it when it is shown, after FitToSize may have laid the
    // sheet out for that very size.
    if (event->size() != impl_->laidOutSize) {
        FitToSize();
    }
}

bool PageWidget::eventFilter(QObject* watched, QEvent* event) {
    Impl& d = *impl_;
    for (int i = 0; i < kTitleBlockFields; ++i) {
        if (watched != d.boxes[static_cast<std::size_t>(i)]) {
            continue;
        }
        if (event->type() == QEvent::FocusIn) {
            emit EditStateChanged();
        } else if (event->type() == QEvent::FocusOut) {
            // Off to a menu or another window and back, the box keeps its typing.
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
                d.CommitTitleBox(i);
            }
            emit EditStateChanged();
        } else if (d.readOnly && i == TblkFinish) {
            // A read-only page offers no finish list.
        } else if (event->type() == QEvent::MouseButtonRelease && i == TblkFinish &&
                   static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            emit FinishBoxClicked();
        } else if (event->type() == QEvent::KeyPress && i == TblkFinish &&
                   OpensFinishList(*static_cast<QKeyEvent*>(event))) {
            emit FinishBoxClicked();
            return true;
        }
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void PageWidget::Impl::SetTitleText(int index, const std::string& text) {
    QLineEdit* edit = boxes[static_cast<std::size_t>(index)];
    const QString shown = FromCp1252(text);
    if (edit->text() != shown) {
        settingTitle = true;
        edit->setText(shown);
        edit->setCursorPosition(0);
        settingTitle = false;
    }
}

void PageWidget::Impl::UpdateControls() {
    for (int i = 0; i < kTitleBlockFields; ++i) {
        SetTitleText(i, view->titleBlock[static_cast<std::size_t>(i)]);
    }
    const bool showNumber = numberPages;
    const bool showCount = numberPages && showTotal;
    labels[TblkSheetNumber]->setVisible(showNumber);
    boxes[TblkSheetNumber]->setVisible(showNumber);
    labels[TblkSheetTotal]->setVisible(showCount);
    boxes[TblkSheetTotal]->setVisible(showCount);
    pageArea->setVisible(pageVisible);
    titleBlock->setVisible(titleVisible);
}

void PageWidget::Impl::Layout() {
    laidOutSize = self.size();
    sheet = FitSheet(self.width(), self.height());
    const double dpr = self.devicePixelRatioF() > 0 ? self.devicePixelRatioF() : 1;
    area = sheet.PageArea(1 / dpr);
    pageFont.setPixelSize(static_cast<int>(sheet.fontPixels));

    pageArea->setGeometry(static_cast<int>(sheet.left), static_cast<int>(sheet.top),
                          static_cast<int>(sheet.width), static_cast<int>(sheet.pageAreaHeight));
    titleBlock->setGeometry(
        static_cast<int>(sheet.left), static_cast<int>(sheet.top + sheet.pageAreaHeight),
        static_cast<int>(sheet.width), static_cast<int>(sheet.titleBlockHeight));
    LayoutTitleBlock();
    LayoutPageArea();
}

void PageWidget::Impl::LayoutTitleBlock() {
    const TitleBlockBoxes placed =
        LayoutTitleBlockBoxes(sheet.horizontalScale, sheet.verticalScale, sheet.titleBlockHeight);
    auto toQRect = [](const UnitRect& r) { return QRect(r.left, r.top, r.width, r.height); };
    for (std::size_t i = 0; i < placed.labels.size(); ++i) {
        labels[i]->setFont(pageFont);
        labels[i]->setGeometry(toQRect(placed.labels[i]));
        boxes[i]->setFont(pageFont);
        boxes[i]->setGeometry(toQRect(placed.boxes[i]));
    }

    revision->SetCellFont(pageFont);
    revision->SetShape({placed.revisionColumns.begin(), placed.revisionColumns.end()},
                       ResizeRows(sheet.titleBlockHeight, kRevisionRows + 1, area.unitsPerPixel),
                       {4, 4, 4}, -1);
    revision->move(0, 0);
    titleBlock->update(); // the outlines follow their boxes
}

void PageWidget::Impl::LayoutPageArea() {
    if (renderedGrid && view->grid) {
        // Laid out afresh from its definition for this size, so a page looks the same
        // however it came to this size.
        GridLayout layout = *renderedGrid;
        if (database) {
            auto fresh = SetupGrid(*database, renderedGrid->name, area);
            if (auto* laidOut = std::get_if<GridLayout>(&fresh)) {
                layout = std::move(*laidOut);
                GrowGridRows(layout, renderedGrid->rows, area.unitsPerPixel);
            } else {
                RescaleGrid(layout, renderedArea, area);
            }
        } else {
            RescaleGrid(layout, renderedArea, area);
        }
        grid->SetCellFont(pageFont);
        grid->SetShape(layout.columnWidths, layout.rowHeights, layout.alignments,
                       layout.compIdShaded ? layout.columns - 1 : -1);
        grid->move(static_cast<int>(std::round(layout.left)),
                   static_cast<int>(std::round(layout.top)));
        grid->show();
        grid->raise();
    } else {
        grid->SetShape({}, {}, {}, -1);
        grid->hide();
    }

    if (view->blocksSeen) {
        // The picture reaches down to the grid's top or over the whole page area.
        const bool wholeArea = renderedPictureHeight >= renderedArea.innerHeight;
        const double scale =
            renderedArea.verticalScale > 0 ? area.verticalScale / renderedArea.verticalScale : 1;
        const double height =
            wholeArea ? area.innerHeight : std::round(renderedPictureHeight * scale);
        const QSize size(static_cast<int>(area.innerWidth),
                         static_cast<int>(std::max(0.0, height)));
        picture->setGeometry(QRect(QPoint(0, 0), size));
        for (std::size_t i = 0; i < layers.size() && i < view->blocks.size(); ++i) {
            layers[i].texts.clear();
            if (layers[i].drawing && view->blocks[i].valueLine) {
                layers[i].texts =
                    PictureTexts(view->blocks[i], attribDefs, *layers[i].drawing, QSizeF(size));
            }
        }
        ShowChangeMarks();
        picture->show();
    } else {
        picture->SetLayers({});
        picture->hide();
    }

    if (boxGrid >= 0) {
        PlaceCellBox(); // the open box follows its cell
    }
}

void PageWidget::SetChangeMarks(PageChangeMarks marks) {
    impl_->marks = std::move(marks);
    impl_->ShowChangeMarks();
}

const PageChangeMarks& PageWidget::ChangeMarks() const {
    return impl_->marks;
}

void PageWidget::Impl::ShowChangeMarks() {
    std::vector<const QWidget*> outlined;
    for (int i = 0; i < kTitleBlockFields; ++i) {
        QLineEdit* box = boxes[static_cast<std::size_t>(i)];
        const bool marked = marks.Field(i);
        box->setPalette(marked ? ChangedBoxPalette() : QPalette());
        if (marked) {
            outlined.push_back(box);
        }
    }
    titleBlock->SetOutlined(std::move(outlined));
    // Values are told apart by their block's name and its occurrence among blocks so named.
    std::map<std::string, int> seen;
    for (BlockLayer& layer : layers) {
        const int occurrence = seen[layer.name]++;
        for (std::size_t k = 0; k < layer.texts.size(); ++k) {
            layer.texts[k].changed = marks.Value(layer.name, occurrence, static_cast<int>(k));
        }
    }
    if (view->blocksSeen) {
        picture->SetLayers(layers);
    }
    grid->update();
    revision->update();
}

} // namespace waybill
