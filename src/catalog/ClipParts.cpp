#include "catalog/ClipParts.h"

#include "model/StandardColumns.h"
#include "units/Text.h"

namespace waybill {
namespace {

bool HasClipPrefix(std::string_view partNo) {
    return StartsWithNoCase(partNo, "59A");
}

// The text inside the first parentheses of an item (to its end when unclosed).
std::string_view InParens(std::string_view item) {
    const auto open = item.find('(');
    if (open == std::string_view::npos) {
        return {};
    }
    const auto inside = item.substr(open + 1);
    return inside.substr(0, inside.find(')'));
}

ClipTexts ReadClipTexts(GridEdits& grid, int row) {
    if (!HasClipPrefix(grid.Cell(row, ClipColumn::kPartNumber))) {
        FixClipPrefixes(grid);
    }
    return {grid.Cell(row, ClipColumn::kPartNumber), grid.Cell(row, ClipColumn::kMark)};
}

} // namespace

void FixClipPrefixes(GridEdits& grid) {
    for (int row = 1; row < grid.Rows(); ++row) {
        const std::string& partNo = grid.Cell(row, ClipColumn::kPartNumber);
        if (!partNo.empty() && !HasClipPrefix(partNo)) {
            grid.Set(row, ClipColumn::kPartNumber, "59" + partNo);
        }
    }
}

PageChanges FixClipPrefixes(const GridView& grid) {
    GridEdits edits(grid);
    FixClipPrefixes(edits);
    return {{}, edits.Changes()};
}

ClipTexts ClipTextsForEdit(const GridView& grid, int row) {
    GridEdits edits(grid);
    return ReadClipTexts(edits, row);
}

std::optional<UserMessage> ClipEditRefusal(const ClipTexts& texts) {
    if (texts.partNo.size() < 4) {
        return UserMessage{
            "The part number is too short to hold the size letter (its 4th character).", "Note",
            MessageIcon::None};
    }
    if (texts.markText.size() < 2) {
        return UserMessage{
            "The part mark is too short to hold the size letter (its 2nd character).", "Note",
            MessageIcon::None};
    }
    return std::nullopt;
}

std::vector<std::string> ClipFinishItems() {
    std::vector<std::string> items;
    for (const clsFinish& finish : ClipFinishes().Entries()) {
        items.push_back(finish.LongName + "  (" + finish.Code + ")");
    }
    return items;
}

ClipDialogStart StartClipSelection(std::string_view partNo) {
    ClipDialogStart start;
    if (partNo.size() >= 4) {
        start.sizeLetter = std::string(1, partNo[3]);
    }
    if (partNo.size() >= 8) {
        start.finishCode = std::string(1, partNo[7]);
    }
    start.sizeEnabled = !EqualsNoCase(start.sizeLetter, "K");
    for (std::size_t i = 0; i < kClipSizeItems.size(); ++i) {
        if (InParens(kClipSizeItems[i]) == start.sizeLetter) {
            start.sizeIndex = i;
        }
    }
    const auto& finishes = ClipFinishes().Entries();
    for (std::size_t i = 0; i < finishes.size(); ++i) {
        if (finishes[i].Code == start.finishCode) {
            start.finishIndex = i;
        }
    }
    return start;
}

bool ClipChoiceComplete(bool sizeEnabled, bool sizeChosen, bool finishChosen) {
    return finishChosen && (!sizeEnabled || sizeChosen);
}

ClipChoice ClipChoiceFromItems(const ClipDialogStart& start, std::optional<std::size_t> sizeIndex,
                               std::size_t finishIndex) {
    ClipChoice choice{start.sizeLetter, {}};
    if (start.sizeEnabled && sizeIndex && *sizeIndex < kClipSizeItems.size()) {
        choice.sizeLetter = std::string(InParens(kClipSizeItems[*sizeIndex]).substr(0, 1));
    }
    const auto items = ClipFinishItems();
    if (finishIndex < items.size()) {
        choice.finishCode = std::string(InParens(items[finishIndex]));
    }
    return choice;
}

ClipTexts ApplyClipChoice(const ClipTexts& texts, const ClipChoice& choice) {
    if (texts.partNo.size() < 4 || texts.markText.size() < 2 || choice.sizeLetter.size() != 1) {
        return texts;
    }
    ClipTexts result = texts;
    result.partNo[3] = choice.sizeLetter[0];
    if (result.partNo.size() == 8) {
        result.partNo.replace(7, 1, choice.finishCode);
    } else {
        result.partNo += choice.finishCode;
    }
    result.markText[1] = choice.sizeLetter[0];
    return result;
}

PageChanges EditClipCell(const GridView& grid, int row, const ClipChoice& choice) {
    GridEdits edits(grid);
    const ClipTexts texts = ApplyClipChoice(ReadClipTexts(edits, row), choice);
    edits.Set(row, ClipColumn::kMark, texts.markText);
    edits.Set(row, ClipColumn::kPartNumber, texts.partNo);
    return {{}, edits.Changes()};
}

} // namespace waybill
