#pragma once

#include "find/TextSearch.h"

#include <array>
#include <optional>
#include <QToolBar>
#include <vector>

class QCheckBox;
class QDockWidget;
class QLabel;
class QLineEdit;
class QMainWindow;
class QToolButton;
class QTreeWidget;

namespace waybill {

class EditSession;
class PageWidget;

// Find and replace in the window: a bar under the toolbar that searches as the user types,
// goes from hit to hit and replaces through the session, and a dock listing hits (Find All)
// or the places Replace All skipped. The search and every change are the session's and the
// find core's; the bar only keeps the current hit and shows where it is.
class FindBar : public QToolBar {
    Q_OBJECT

  public:
    FindBar(EditSession& session, PageWidget& page, QMainWindow& window,
            const ReferenceDatabase* database);

    // Ctrl+F and Ctrl+H: shows the bar (with the replace boxes for Ctrl+H) and puts the
    // caret in the find box, its text selected.
    void Open(bool replace);
    void Close();
    // F3 and Shift+F3: the next or previous hit, going round past the end of the document.
    void Next();
    void Previous();
    void FindAll();
    void ReplaceCurrent();
    void ReplaceAll();
    // The document changed: the hits are counted again when next needed.
    void DocumentChanged();

    QLineEdit* FindBox() const { return findText_; }
    QLineEdit* ReplaceBox() const { return replaceText_; }
    QCheckBox* MatchCaseBox() const { return matchCase_; }
    QCheckBox* WholeCellBox() const { return wholeCell_; }
    QCheckBox* ThisPageBox() const { return thisPage_; }
    QLabel* CountLabel() const { return count_; }
    QDockWidget* ResultsDock() const { return results_; }
    QTreeWidget* ResultsList() const { return resultsList_; }
    const std::optional<FindHit>& Current() const { return current_; }

  private:
    FindOptions Options() const;
    // As the user types or changes an option: the first hit from the top of the shown page.
    void Search();
    void Step(FindDirection direction, bool fromCurrent);
    // Shows the hit's page and selects its cell or title-block box; `focus` moves the caret
    // there (from the results list).
    void GoTo(const FindHit& hit, bool focus);
    const std::vector<FindHit>& Hits();
    void ShowCount();
    void ListInResults(const QString& title, const std::vector<FindHit>& hits);
    void ShowSkipped();

    EditSession& session_;
    PageWidget& page_;
    QMainWindow& window_;
    PlaceNames names_;
    QLineEdit* findText_;
    QLineEdit* replaceText_;
    QCheckBox* matchCase_;
    QCheckBox* wholeCell_;
    QCheckBox* thisPage_;
    QLabel* count_;
    std::array<QWidget*, 4> replaceRow_{}; // shown for Ctrl+H
    QDockWidget* results_;
    QTreeWidget* resultsList_;
    std::vector<FindHit> listed_; // the hits in the results list, in its order
    bool listingSkipped_ = false; // the list is what Replace All skipped

    std::optional<FindHit> current_;
    std::optional<std::vector<FindHit>> hits_; // all hits of the options, while known
};

} // namespace waybill
