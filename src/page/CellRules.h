#pragma once

#include "model/PageKind.h"
#include "page/PageView.h"
#include "platform/UserMessage.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace waybill {

// The first four characters of a column header, in lower case ("PART MARK" gives "part").
std::string ColumnHeaderPrefix(std::string_view header);

// What a cell edit on the line-item grid hands over to a list or dialog of the part-number,
// punch and member rules.
enum class CellHandOver { MemberTypes, CableFinishWords, ClipCell, PunchCodes, PunchPattern };

enum class CellAction {
    Edit,          // open the cell box
    Refuse,        // message, then the focus goes back to the grid
    FinishMessage, // message, then the focus goes to the finish box
    Redirect,      // message, then edit column `redirectColumn` of the same row instead
    HandOver,      // `handOver` takes the cell
    Nothing,       // the request is ignored without a word
};

struct CellDecision {
    CellAction action = CellAction::Edit;
    std::optional<UserMessage> message;
    std::optional<CellHandOver> handOver;
    int redirectColumn = -1;

    bool operator==(const CellDecision&) const = default;
};

// The cell a request is about, with what the rules read of the grid.
struct CellRequest {
    int row = 0;
    int column = 0;
    std::string_view header;         // the column's header text (row 0)
    std::string_view shipLengthText; // column 3 of the same row (the shipping length on cables)
};

// The request for a cell of the grid (its header and its row's shipping length).
CellRequest CellRequestAt(const GridView& grid, int row, int column);

// The page-kind rules of a request to edit a line-item cell.
CellDecision DecideCellEdit(std::string_view cadBase, const CellRequest& request);

// The messages of the rules; all are captioned "Note" and carry no icon.
UserMessage ShipLengthOnlyMessage();
UserMessage ShipLengthFirstMessage();
UserMessage CellRefusedMessage();
UserMessage FinishBoxOnlyMessage();
// A committed length its cell cannot take; `shortest`, when not empty, is the shortest it can.
UserMessage InvalidLengthMessage(std::string_view shortest);

// A committed cell box changes its cell only when the texts differ other than in letter case.
bool CellTextChanged(std::string_view cellText, std::string_view boxText);

// The clip text of a block of cells: TAB between the cells of a row, CR between rows.
std::string JoinClipText(const std::vector<std::vector<std::string>>& rows);

// One cell a paste writes.
struct PastedCell {
    int row = 0;
    int column = 0;
    std::string text; // ready for storage
};

// A paste from the current cell: the clip text split into lines at line ends and each line
// into fields at TAB. The pasted block is as many rows as lines and as many columns as the
// first line has fields, stretched from (row, column) but cut at `lastRow` and `lastColumn`.
// Lines with fewer fields leave the rest of their row alone.
struct PastePlan {
    int top = 0;
    int left = 0;
    int bottom = -1; // the selection after the paste; bottom < top when nothing is pasted
    int right = -1;
    std::vector<PastedCell> cells;
};

PastePlan PlanPaste(std::string_view clipText, int row, int column, int lastRow, int lastColumn);

} // namespace waybill
