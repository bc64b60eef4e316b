#pragma once

#include "page/AttribDefs.h"
#include "page/PageChanges.h"
#include "page/PageView.h"

#include <string>
#include <vector>

namespace waybill {

// The state of the "Edit Attributes" dialog: the attribute blocks of the shown page, the
// value texts as being edited, and the rows of the block on show (one per attribute
// definition: its prompt and the value). Opening selects the first block.
class AttribEditState {
  public:
    struct Row {
        std::string prompt;
        std::string value;
    };

    // One block per entry of `values`, in order. Definitions are looked up in `defs`; a
    // block whose definitions cannot be read shows no rows.
    AttribEditState(const AttribValueList& values, BlockAttribDefs& defs);

    const std::vector<std::string>& BlockNames() const { return blocks_; }
    const std::string& ValueText(std::size_t index) const { return valueTexts_.at(index); }
    // The block on show, -1 when there is none.
    int CurrentBlock() const { return current_; }
    const std::vector<Row>& Rows() const { return rows_; }

    // A click in the block list: keeps the edits of the block on show, then shows the chosen
    // one. Choosing the block on show again changes nothing.
    void ChooseBlock(int index);
    // The rows of block `index` from its value text.
    void ShowAttribs(int index);
    // The value text of the block on show from its rows: one value per definition, so extra
    // stored values are dropped and missing ones become empty. A block without definitions
    // keeps its value text, since it has no rows to take it from.
    void GetAttribs();

    // An in-place edit of a row's value. A value is kept on one line and without "|", which
    // would split it in the page data.
    void SetValue(std::size_t row, std::string_view value);

    // OK: the value lines of the entries that now differ from those the dialog opened with
    // (compared exactly). Empty when nothing changed.
    PageChanges Ok();

  private:
    std::vector<std::string> blocks_;
    std::vector<std::string> openedWith_;
    std::vector<std::string> valueTexts_;
    std::vector<const AttribDefList*> definitions_;
    std::vector<Row> rows_;
    int current_ = -1;
};

} // namespace waybill
