#pragma once

#include "app/EditSession.h"

#include <cstddef>
#include <optional>
#include <QDockWidget>

class QMainWindow;
class QTreeWidget;

namespace waybill {

class PageWidget;

// The changes since the comparison base: a dock listing every change in the session's words,
// removed rows and pages included, and the shading of the shown page's changed places. A
// double-click, F8 and Shift+F8 go to a change. The changes are the session's; the dock only
// keeps which one the user is at.
class ChangesDock : public QDockWidget {
    Q_OBJECT

  public:
    ChangesDock(EditSession& session, PageWidget& page, QMainWindow& window);

    // Follows the session's notice: the list when the changes changed, the shading when they
    // or the shown page did.
    void Refresh(SessionChanges changes);
    // F8 and Shift+F8: the next or previous change, going round past the end of the list.
    void Next();
    void Previous();
    // Shows the change's page and selects its cell, field or revision cell.
    void GoTo(std::size_t index);

    QTreeWidget* List() const { return list_; }
    const std::optional<std::size_t>& Current() const { return current_; }

  private:
    void ShowList();
    int OpeningWidth() const;

    EditSession& session_;
    PageWidget& page_;
    QMainWindow& window_;
    QTreeWidget* list_;
    std::optional<std::size_t> current_;
    std::optional<Difference> at_; // the change at current_ when the user went there
};

} // namespace waybill
