#pragma once

#include "catalog/Finishes.h"
#include "page/GridEdits.h"
#include "page/PageChanges.h"
#include "platform/UserMessage.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace waybill {

// A clip part number starts "59A", has the clip's size letter at position 4 and its finish
// code at position 8; the line's mark (column 1) carries the size letter at position 2.

// Every part number in column 5 that is not empty and does not start "59A" gets "59" put
// in front, so a number typed from its "A" on becomes a whole one.
PageChanges FixClipPrefixes(const GridView& grid);
void FixClipPrefixes(GridEdits& grid);

struct ClipTexts {
    std::string partNo;   // column 5
    std::string markText; // column 1

    bool operator==(const ClipTexts&) const = default;
};

// The texts the size and finish dialog opens on for a row: its part number gets the "59"
// prefix first when it lacks "59A" (the other rows' part numbers with it).
ClipTexts ClipTextsForEdit(const GridView& grid, int row);

// Why the dialog cannot open on a row's texts: a part number shorter than "59A" and its size
// letter, or a mark without room for the size letter. Nothing when it can.
std::optional<UserMessage> ClipEditRefusal(const ClipTexts& texts);

// The size list of the dialog (sizes with their letters, as the members' sizes have them).
constexpr std::array<std::string_view, 5> kClipSizeItems{" 6   (A)", " 8   (B)", "10  (C)",
                                                         "12  (D)", "14  (E)"};
// The finish list: each clip finish as its long name, two blanks and its code in parentheses.
std::vector<std::string> ClipFinishItems();

// How the dialog opens for a part number.
struct ClipDialogStart {
    std::string sizeLetter;                 // position 4, empty when the part number is shorter
    std::string finishCode;                 // position 8, empty when the part number is shorter
    bool sizeEnabled = true;                // not for "K" clips, which have no size
    std::optional<std::size_t> sizeIndex;   // the size item of the letter (upper case only)
    std::optional<std::size_t> finishIndex; // the last finish with that code
};
ClipDialogStart StartClipSelection(std::string_view partNo);

// OK needs a finish, and a size unless the size list is disabled.
bool ClipChoiceComplete(bool sizeEnabled, bool sizeChosen, bool finishChosen);

// What the user took in the dialog.
struct ClipChoice {
    std::string sizeLetter;
    std::string finishCode;

    bool operator==(const ClipChoice&) const = default;
};
// The choice from the dialog's lists: the size letter follows the "(" of the size item
// (the part number's own letter while the size list is disabled); the finish code is what
// the finish item holds in parentheses.
ClipChoice ClipChoiceFromItems(const ClipDialogStart& start, std::optional<std::size_t> sizeIndex,
                               std::size_t finishIndex);

// The texts with the choice written in: the size letter at position 4 of the part number
// and 2 of the mark, the finish code at position 8 (appended when the part number is not 8
// long). A part number shorter than 4 or a mark shorter than 2 has no place for the size
// letter: both texts are then left unchanged, so they never disagree.
ClipTexts ApplyClipChoice(const ClipTexts& texts, const ClipChoice& choice);

// The whole clip edit of a row once the dialog was accepted: prefix fixes, then the mark
// and part number with the choice written in.
PageChanges EditClipCell(const GridView& grid, int row, const ClipChoice& choice);

} // namespace waybill
