#include "app/gui/ChangesDock.h"

#include "compare/DifferenceText.h"
#include "page/gui/CellGrid.h"
#include "page/gui/PageWidget.h"
#include "platform/gui/QtText.h"

#include <algorithm>
#include <QLineEdit>
#include <QMainWindow>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>
#include <QTreeWidget>

namespace waybill {

ChangesDock::ChangesDock(EditSession& session, PageWidget& page, QMainWindow& window)
    : QDockWidget(tr("Changes"), &window), session_(session), page_(page), window_(window),
      list_(new QTreeWidget(this)) {
    setObjectName(QStringLiteral("dockChanges"));
    list_->setObjectName(QStringLiteral("lvChanges"));
    list_->setHeaderHidden(true);
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    setWidget(list_);
    connect(list_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        const int index = list_->indexOfTopLevelItem(item);
        if (index >= 0) {
            GoTo(static_cast<std::size_t>(index));
        }
    });
    window.addDockWidget(Qt::RightDockWidgetArea, this);
    hide();
}

void ChangesDock::Refresh(SessionChanges changes) {
    if (changes & SessionChange::Compared) {
        ShowList();
    }
    if (changes & (SessionChange::Compared | SessionChange::PageShown)) {
        const Comparison& comparison = session_.Compared();
        page_.SetChangeMarks(comparison.Active() && session_.IsPageShown()
                                 ? comparison.MarksFor(session_.Waybill().CurPage())
                                 : PageChangeMarks{});
    }
}

void ChangesDock::ShowList() {
    const Comparison& comparison = session_.Compared();
    const std::vector<Difference>& differences = comparison.Differences();
    list_->clear();
    QList<QTreeWidgetItem*> items;
    for (const Difference& difference : differences) {
        items.push_back(
            new QTreeWidgetItem(QStringList{FromDrawingText(DescribeDifference(difference))}));
    }
    list_->addTopLevelItems(items);
    // The user stays at the change they were at, found by its place, wherever the list put it;
    // when it is gone, at its position.
    if (at_) {
        const auto same =
            std::find_if(differences.begin(), differences.end(), [this](const Difference& c) {
                return c.kind == at_->kind && c.place == at_->place && c.oldPage == at_->oldPage &&
                       c.oldRow == at_->oldRow;
            });
        if (same != differences.end()) {
            current_ = static_cast<std::size_t>(same - differences.begin());
        }
    }
    if (current_ && *current_ >= differences.size()) {
        current_.reset();
    }
    if (current_) {
        list_->setCurrentItem(list_->topLevelItem(static_cast<int>(*current_)));
    }
    if (!comparison.Active()) {
        current_.reset();
        at_.reset();
        hide();
        return;
    }
    // The count first, so that a long base name never hides it.
    const QString base = FromUtf8(comparison.BaseName());
    setWindowTitle(differences.size() == 1
                       ? tr("1 change since %1").arg(base)
                       : tr("%1 changes since %2").arg(QString::number(differences.size()), base));
    if (isHidden()) {
        show();
        window_.resizeDocks({this}, {OpeningWidth()}, Qt::Horizontal);
    }
}

// Wide enough to read the widest line, and at least a typical one when there are none yet,
// within half the window, so that the page keeps room.
int ChangesDock::OpeningWidth() const {
    constexpr int kTypicalCharacters = 64;
    const QAbstractItemView& view = *list_;
    const int line = std::max(view.sizeHintForColumn(0),
                              list_->fontMetrics().averageCharWidth() * kTypicalCharacters);
    const int chrome = 2 * list_->frameWidth() + list_->verticalScrollBar()->sizeHint().width() +
                       style()->pixelMetric(QStyle::PM_DockWidgetFrameWidth, nullptr, this) * 2;
    return std::min(line + chrome, window_.width() / 2);
}

void ChangesDock::Next() {
    if (const auto next = session_.Compared().Step(current_, true)) {
        GoTo(*next);
    }
}

void ChangesDock::Previous() {
    if (const auto previous = session_.Compared().Step(current_, false)) {
        GoTo(*previous);
    }
}

void ChangesDock::GoTo(std::size_t index) {
    const std::vector<Difference>& differences = session_.Compared().Differences();
    if (index >= differences.size()) {
        return;
    }
    current_ = index;
    at_ = differences[index];
    list_->setCurrentItem(list_->topLevelItem(static_cast<int>(index)));
    // Copied: showing a page may compare again and replace the list.
    const Difference difference = differences[index];
    const Place& place = difference.place;
    if (place.page > 0 && session_.Waybill().CurPage() != place.page) {
        session_.ShowPage(place.page);
    }
    // Removed rows and pages, and pages as a whole, have no place to select (row 0).
    switch (place.kind) {
    case PlaceKind::Cell:
        if (CellGrid* grid = page_.LineItemGrid(); grid != nullptr && place.row > 0) {
            grid->SetCurrent(place.row, place.column);
            grid->MarkCurrentFound();
            grid->setFocus(Qt::OtherFocusReason);
        }
        break;
    case PlaceKind::TitleBlockField:
    case PlaceKind::PageDescription:
        if (QLineEdit* box = page_.TitleBlockBox(place.field)) {
            box->setFocus(Qt::OtherFocusReason);
            box->selectAll();
        }
        break;
    case PlaceKind::RevisionCell:
        if (CellGrid* grid = page_.RevisionGrid()) {
            grid->SetCurrent(place.row, place.column);
            grid->MarkCurrentFound();
            grid->setFocus(Qt::OtherFocusReason);
        }
        break;
    case PlaceKind::Attribute:
        break; // shaded on the block picture; the status bar says which value
    }
    window_.statusBar()->showMessage(FromDrawingText(DescribeDifference(difference)));
}

} // namespace waybill
