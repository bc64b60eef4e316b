#include "app/gui/FindBar.h"

#include "app/EditSession.h"
#include "page/gui/CellGrid.h"
#include "page/gui/PageWidget.h"
#include "platform/gui/QtText.h"

#include <algorithm>
#include <QApplication>
#include <QCheckBox>
#include <QDockWidget>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QShortcut>
#include <QStatusBar>
#include <QToolButton>
#include <QTreeWidget>

namespace waybill {

FindBar::FindBar(EditSession& session, PageWidget& page, QMainWindow& window,
                 const ReferenceDatabase* database)
    : QToolBar(tr("Find"), &window), session_(session), page_(page), window_(window),
      names_(database) {
    setObjectName(QStringLiteral("tbFind"));
    setMovable(false);
    setFloatable(false);
    toggleViewAction()->setEnabled(false);

    // Two rows in one panel, so nothing of the bar goes into the toolbar's overflow menu on
    // a narrow window: the search, and below it the replace row (Ctrl+H only).
    auto* panel = new QWidget(this);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(4, 2, 4, 2);
    grid->setVerticalSpacing(2);
    const auto button = [panel](const QString& text, const char* name) {
        auto* added = new QToolButton(panel);
        added->setText(text);
        added->setObjectName(QString::fromLatin1(name));
        added->setAutoRaise(true);
        return added;
    };
    findText_ = new QLineEdit(panel);
    findText_->setObjectName(QStringLiteral("txtFind"));
    findText_->setMinimumWidth(140);
    count_ = new QLabel(panel);
    count_->setObjectName(QStringLiteral("lblFindCount"));
    count_->setMinimumWidth(80);
    count_->setAlignment(Qt::AlignCenter);
    matchCase_ = new QCheckBox(tr("Match case"), panel);
    wholeCell_ = new QCheckBox(tr("Whole cell"), panel);
    thisPage_ = new QCheckBox(tr("This page"), panel);
    QToolButton* previous = button(tr("Previous"), "cmdFindPrev");
    QToolButton* next = button(tr("Next"), "cmdFindNext");
    QToolButton* findAll = button(tr("Find All"), "cmdFindAll");
    QToolButton* close = button(tr("Close"), "cmdFindClose");
    int column = 0;
    for (QWidget* widget : std::initializer_list<QWidget*>{
             new QLabel(tr("Find:"), panel), findText_, previous, next, count_, matchCase_,
             wholeCell_, thisPage_, findAll, close}) {
        grid->addWidget(widget, 0, column++);
    }
    replaceRow_ = {new QLabel(tr("Replace with:"), panel), new QLineEdit(panel),
                   button(tr("Replace"), "cmdReplace"), button(tr("Replace All"), "cmdReplaceAll")};
    replaceText_ = static_cast<QLineEdit*>(replaceRow_[1]);
    replaceText_->setObjectName(QStringLiteral("txtReplace"));
    grid->addWidget(replaceRow_[0], 1, 0);
    grid->addWidget(replaceText_, 1, 1);
    grid->addWidget(replaceRow_[2], 1, 2, 1, 2);
    grid->addWidget(replaceRow_[3], 1, 4);
    grid->setColumnStretch(column, 1);
    setTabOrder(findText_, replaceText_);
    addWidget(panel);

    connect(previous, &QToolButton::clicked, this, &FindBar::Previous);
    connect(next, &QToolButton::clicked, this, &FindBar::Next);
    connect(findAll, &QToolButton::clicked, this, &FindBar::FindAll);
    connect(close, &QToolButton::clicked, this, &FindBar::Close);
    connect(static_cast<QToolButton*>(replaceRow_[2]), &QToolButton::clicked, this,
            &FindBar::ReplaceCurrent);
    connect(static_cast<QToolButton*>(replaceRow_[3]), &QToolButton::clicked, this,
            &FindBar::ReplaceAll);
    for (QCheckBox* option : {matchCase_, wholeCell_, thisPage_}) {
        connect(option, &QCheckBox::toggled, this, &FindBar::Search);
    }
    connect(findText_, &QLineEdit::textChanged, this, &FindBar::Search);
    connect(findText_, &QLineEdit::returnPressed, this, &FindBar::Next);
    connect(replaceText_, &QLineEdit::returnPressed, this, &FindBar::ReplaceCurrent);
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &FindBar::Close,
                  Qt::WidgetWithChildrenShortcut);

    results_ = new QDockWidget(tr("Find Results"), &window);
    results_->setObjectName(QStringLiteral("dockFindResults"));
    resultsList_ = new QTreeWidget(results_);
    resultsList_->setObjectName(QStringLiteral("lvFindResults"));
    resultsList_->setHeaderLabels({tr("Page"), tr("CAD #"), tr("Place"), tr("Text")});
    resultsList_->setRootIsDecorated(false);
    resultsList_->setUniformRowHeights(true);
    resultsList_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    results_->setWidget(resultsList_);
    connect(resultsList_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        const int index = resultsList_->indexOfTopLevelItem(item);
        if (index >= 0 && index < static_cast<int>(listed_.size())) {
            current_ = listed_[static_cast<std::size_t>(index)];
            GoTo(*current_, true);
            ShowCount();
        }
    });
    window.addDockWidget(Qt::BottomDockWidgetArea, results_);
    results_->hide();

    window.addToolBarBreak(Qt::TopToolBarArea);
    window.addToolBar(Qt::TopToolBarArea, this);
    hide();
}

FindOptions FindBar::Options() const {
    return {ToCp1252(findText_->text()), matchCase_->isChecked(), wholeCell_->isChecked(),
            thisPage_->isChecked() ? session_.Waybill().CurPage() : 0};
}

void FindBar::Open(bool replace) {
    // Its icon is looked up in the icon theme: done when the bar is first wanted, not at start.
    findText_->setClearButtonEnabled(true);
    for (QWidget* widget : replaceRow_) {
        widget->setVisible(replace);
    }
    show();
    findText_->setFocus(Qt::ShortcutFocusReason);
    findText_->selectAll();
    ShowCount();
}

void FindBar::Close() {
    hide();
    page_.setFocus(Qt::OtherFocusReason);
}

void FindBar::Search() {
    current_.reset();
    hits_.reset();
    Step(FindDirection::Next, false);
}

// With nothing to look for, F3 opens the bar instead.
void FindBar::Next() {
    findText_->text().isEmpty() ? Open(false) : Step(FindDirection::Next, true);
}

void FindBar::Previous() {
    findText_->text().isEmpty() ? Open(false) : Step(FindDirection::Previous, true);
}

void FindBar::Step(FindDirection direction, bool fromCurrent) {
    const FindOptions options = Options();
    if (options.text.empty()) {
        current_.reset();
        ShowCount();
        return;
    }
    session_.StoreTyping();
    const Book& book = session_.Waybill();
    const std::optional<Place> from =
        fromCurrent && current_ ? std::optional(current_->place) : std::nullopt;
    current_ = waybill::FindNext(book, names_, options, book.CurPage(), from, direction);
    if (current_) {
        GoTo(*current_, false);
    }
    ShowCount();
}

void FindBar::GoTo(const FindHit& hit, bool focus) {
    const Place& place = hit.place;
    if (session_.Waybill().CurPage() != place.page) {
        // A page shown anew takes the keys; the user typing in the bar keeps them.
        QWidget* typing = QApplication::focusWidget();
        session_.ShowPage(place.page);
        if (!focus && typing != nullptr && isAncestorOf(typing)) {
            typing->setFocus(Qt::OtherFocusReason);
        }
    }
    switch (place.kind) {
    case PlaceKind::Cell:
        if (CellGrid* grid = page_.LineItemGrid()) {
            grid->SetCurrent(place.row, place.column);
            grid->MarkCurrentFound();
            if (focus) {
                grid->setFocus(Qt::OtherFocusReason);
            }
        }
        break;
    case PlaceKind::TitleBlockField:
    case PlaceKind::PageDescription:
        if (QLineEdit* box = page_.TitleBlockBox(place.field)) {
            if (focus) {
                box->setFocus(Qt::OtherFocusReason);
            }
            box->selectAll();
        }
        break;
    case PlaceKind::Attribute:
    case PlaceKind::RevisionCell:
        break; // the block picture shows the values; the status bar says which one
    }
    QString where = FromDrawingText(DescribeWhere(place));
    where[0] = where[0].toUpper();
    window_.statusBar()->showMessage(where);
}

const std::vector<FindHit>& FindBar::Hits() {
    if (!hits_) {
        hits_ = waybill::FindAll(session_.Waybill(), names_, Options());
    }
    return *hits_;
}

void FindBar::ShowCount() {
    if (findText_->text().isEmpty()) {
        count_->clear();
        return;
    }
    const std::vector<FindHit>& hits = Hits();
    if (hits.empty()) {
        count_->setText(tr("No matches"));
        return;
    }
    const auto at =
        current_ ? std::find_if(hits.begin(), hits.end(),
                                [this](const FindHit& hit) { return hit.place == current_->place; })
                 : hits.end();
    count_->setText(at == hits.end() ? tr("%1 found").arg(hits.size())
                                     : tr("%1 of %2").arg(at - hits.begin() + 1).arg(hits.size()));
}

void FindBar::DocumentChanged() {
    hits_.reset();
    ShowSkipped();
    if (isVisible()) {
        ShowCount();
    }
}

void FindBar::FindAll() {
    session_.StoreTyping();
    ListInResults(tr("Find Results"), Hits());
    listingSkipped_ = false;
}

void FindBar::ReplaceCurrent() {
    const FindOptions options = Options();
    if (options.text.empty()) {
        return;
    }
    if (!current_) {
        Step(FindDirection::Next, false); // the first press shows what it would replace
        return;
    }
    const auto outcome = session_.Replace(*current_, options, ToCp1252(replaceText_->text()));
    const QString note =
        FromCp1252(ReplaceAllNote(outcome.replaced, static_cast<int>(outcome.skipped.size())));
    if (outcome.replaced == 0 && !outcome.skipped.empty()) {
        // Nothing could change here: the user stays on the place and is told why.
        GoTo(*current_, false);
        ShowCount();
        window_.statusBar()->showMessage(note);
        return;
    }
    window_.statusBar()->showMessage(note);
    Step(FindDirection::Next, true);
}

void FindBar::ReplaceAll() {
    const FindOptions options = Options();
    if (options.text.empty()) {
        return;
    }
    const auto outcome = session_.ReplaceAll(options, ToCp1252(replaceText_->text()));
    window_.statusBar()->showMessage(
        FromCp1252(ReplaceAllNote(outcome.replaced, static_cast<int>(outcome.skipped.size()))));
    current_.reset();
    hits_.reset();
    ShowSkipped();
    ShowCount();
}

// The dock lists what the latest Replace All skipped, or closes when that list is gone; a
// Find All list is left as it is.
void FindBar::ShowSkipped() {
    const std::vector<FindHit>& skipped = session_.SkippedByReplaceAll();
    if (!skipped.empty()) {
        if (!listingSkipped_ || listed_ != skipped) {
            ListInResults(tr("Skipped by Replace All"), skipped);
            listingSkipped_ = true;
        }
    } else if (listingSkipped_) {
        listingSkipped_ = false;
        listed_.clear();
        resultsList_->clear();
        results_->hide();
    }
}

void FindBar::ListInResults(const QString& title, const std::vector<FindHit>& hits) {
    listed_ = hits;
    resultsList_->clear();
    QList<QTreeWidgetItem*> items;
    for (const FindHit& hit : listed_) {
        items.push_back(new QTreeWidgetItem(
            {QString::number(hit.place.page), FromDrawingText(hit.place.cadNumber),
             FromDrawingText(DescribePlace(hit.place)), FromDrawingText(hit.text)}));
    }
    resultsList_->addTopLevelItems(items);
    results_->setWindowTitle(tr("%1 (%2)").arg(title).arg(listed_.size()));
    results_->show();
}

} // namespace waybill
