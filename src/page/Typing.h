#pragma once

#include "page/PageChanges.h"

#include <optional>
#include <string>

namespace waybill {

// One action of typing on the shown page: a committed cell box or title-block box, a paste,
// a cut or a delete in a grid. `step` names it in the Edit menu ("Cell Edit", "Title Block
// Edit", "Paste", "Cut", "Delete").
struct TypedEdit {
    std::string step;
    PageChanges changes;

    bool operator==(const TypedEdit&) const = default;
};

// A line-item cell (rows from 1, columns from 0).
struct CellPosition {
    int row = 0;
    int column = 0;

    bool operator==(const CellPosition&) const = default;
};

// What became of typing: how many non-empty values fell on cells the page's rules keep the
// user out of (left out), and the cell whose committed text its cell cannot take, to be typed
// again.
struct TypingOutcome {
    int skipped = 0;
    std::optional<CellPosition> retype;
};

// Where typing is recorded: the edit session.
class TypingTarget {
  public:
    virtual ~TypingTarget() = default;
    virtual TypingOutcome CommitTyping(const TypedEdit& edit) = 0;
};

// Where typing waits until it is committed: the page on screen, with its cell box and
// title-block boxes. The session takes what waits before any command reads the page.
class PendingTyping {
  public:
    virtual ~PendingTyping() = default;
    // What is typed and not yet committed (the boxes close as when they lose the focus);
    // nothing when nothing is.
    virtual std::optional<TypedEdit> TakeTyping() = 0;
    // Opens the cell for typing again, once the command under way is over.
    virtual void Retype(CellPosition cell) = 0;
    // Sends the user to a title-block field to type there.
    virtual void FocusTitleField(TitleBlockField field) = 0;
};

} // namespace waybill
