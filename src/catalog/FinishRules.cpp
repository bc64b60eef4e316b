#include "catalog/FinishRules.h"

#include "catalog/Finishes.h"
#include "catalog/ShortLength.h"
#include "model/Page.h"
#include "model/PageKind.h"
#include "model/StandardColumns.h"
#include "units/Text.h"

#include <algorithm>
#include <string>

namespace waybill {
namespace {

bool TakesEndFinish(PageKind kind) {
    return IsClip(kind) || IsHiTensile(kind) || kind == PageKind::FormedAngles;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// A letter one of the clip finishes writes (Black's blank is trimmed off with the text).
bool IsClipFinishLetter(char c) {
    const auto& finishes = ClipFinishes().Entries();
    return std::any_of(finishes.begin(), finishes.end(), [c](const clsFinish& finish) {
        return finish.Code.size() == 1 && finish.Code[0] != '.' &&
               finish.Code[0] == ToUpperAscii(c);
    });
}

// A clip part number is "59A", the size letter, the clip's number and the finish code in the
// 8th character. The size and finish dialog appends the code to a shorter number, so there a
// final finish letter after the size letter is the code. A text without a size letter is no
// clip part number yet and keeps what it holds.
std::string ClipWithFinish(std::string partNumber, std::string_view code) {
    constexpr std::size_t kFinishAt = 7;
    constexpr std::size_t kSizeEnd = 4;
    if (partNumber.size() < kSizeEnd) {
        return partNumber;
    }
    if (partNumber.size() > kFinishAt) {
        return partNumber.replace(kFinishAt, 1, code);
    }
    if (partNumber.size() > kSizeEnd && IsClipFinishLetter(partNumber.back())) {
        partNumber.pop_back();
    }
    return partNumber + std::string(code);
}

// Members and formed angles end in a number (a gauge, a size), and their finish code follows
// it, before a member's short-length mark, which stays at the end. Letters before the last
// digit (the member type, the angle's kind) are never taken for a finish.
std::string EndWithFinish(std::string_view partNumber, std::string_view code) {
    std::string_view base = partNumber;
    bool shortLength = false;
    while (EndsWithNoCase(base, "SL")) {
        base.remove_suffix(2);
        shortLength = true;
    }
    for (const std::string_view old : {"GP", "G", "P", "B"}) {
        if (base.size() > old.size() && EndsWithNoCase(base, old) &&
            IsDigit(base[base.size() - old.size() - 1])) {
            base.remove_suffix(old.size());
            break;
        }
    }
    return std::string(base) + std::string(code) + (shortLength ? "SL" : "");
}

std::string WithFinishCode(std::string_view cadBase, const std::string& partNumber,
                           std::string_view code) {
    return IsClip(PageKindOf(cadBase)) ? ClipWithFinish(partNumber, code)
                                       : EndWithFinish(partNumber, code);
}

void RodFinishRule(GridEdits& grid, std::string_view finishText) {
    const bool galvanized = ContainsNoCase(finishText, "alv");
    if (!galvanized && !ContainsNoCase(finishText, "ide")) {
        return;
    }
    for (int row = 1; row < grid.Rows(); ++row) {
        const std::string& partNumber = grid.Cell(row, RodColumn::kPartNumber);
        const std::string upper = ToUpper(partNumber);
        if (upper.size() >= 5 && upper.starts_with("55BR") &&
            std::string_view("_GP").find(upper[4]) != std::string_view::npos) {
            grid.Set(row, RodColumn::kPartNumber,
                     std::string("55BR") + (galvanized ? "G" : "P") + partNumber.substr(5));
        }
    }
}

void CableFinishRule(GridEdits& grid, std::string_view finishText) {
    const bool zinc = ContainsNoCase(finishText, "inc");
    if (!zinc && !ContainsNoCase(finishText, "alv")) {
        return;
    }
    for (int row = 1; row < grid.Rows(); ++row) {
        if (grid.Cell(row, CableColumn::kPartNumber).empty()) {
            continue;
        }
        grid.Set(row, CableColumn::kFinishWord, std::string(zinc ? kCableZinc : kCableGalvanized));
        SetCableFinishCode(grid, row);
    }
}

} // namespace

void AddEndFinish(GridEdits& grid, std::string_view cadBase, std::string_view finishText) {
    const std::string code = PageFinishCode(cadBase, finishText);
    if (code == ".") {
        return;
    }
    const int partColumn = grid.LastColumn();
    for (int row = 1; row < grid.Rows(); ++row) {
        const std::string partNumber = Trim(grid.Cell(row, partColumn));
        if (partNumber.empty() || ContainsNoCase(partNumber, "misc")) {
            continue;
        }
        grid.Set(row, partColumn, WithFinishCode(cadBase, partNumber, code));
    }
    if (const auto lengthColumn = ShortLengthColumn(cadBase)) {
        for (int row = 1; row < grid.Rows(); ++row) {
            SetShortLengthSuffix(grid, row, *lengthColumn);
        }
    }
}

void SetCableFinishCode(GridEdits& grid, int row) {
    const std::string& word = grid.Cell(row, CableColumn::kFinishWord);
    if (word.empty()) {
        return;
    }
    const std::string marker = EqualsNoCase(word, kCableZinc) ? "" : "G";
    const std::string partNumber = grid.Cell(row, CableColumn::kPartNumber);
    const auto underscore = partNumber.find('_');
    if (underscore == std::string::npos) {
        return;
    }
    std::size_t keep = underscore;
    if (keep > 0 && ToUpperAscii(partNumber[keep - 1]) == 'G') {
        --keep;
    }
    grid.Set(row, CableColumn::kPartNumber,
             partNumber.substr(0, keep) + marker + partNumber.substr(underscore));
}

PageChanges SetCableFinishCode(const GridView& grid, int row) {
    GridEdits edits(grid);
    SetCableFinishCode(edits, row);
    return {{}, edits.Changes()};
}

PageChanges AddEndFinish(const GridView& grid, std::string_view cadBase,
                         std::string_view finishText) {
    GridEdits edits(grid);
    AddEndFinish(edits, cadBase, finishText);
    return {{}, edits.Changes()};
}

PageChanges RodFinishRule(const GridView& grid, std::string_view finishText) {
    GridEdits edits(grid);
    RodFinishRule(edits, finishText);
    return {{}, edits.Changes()};
}

PageChanges CableFinishRule(const GridView& grid, std::string_view finishText) {
    GridEdits edits(grid);
    CableFinishRule(edits, finishText);
    return {{}, edits.Changes()};
}

std::variant<PageChanges, UserMessage> PickFinish(const PageView& view,
                                                  const std::optional<SheetPartTable>& sheetParts,
                                                  std::string_view longName) {
    PageChanges changes;
    if (view.titleBlock[TblkFinish] != longName) {
        changes.titleBlock.push_back({TblkFinish, std::string(longName)});
    }
    if (!view.grid) {
        return changes;
    }
    const std::string cadBase = CadBase(view.titleBlock[TblkCadNumber]);
    const PageKind kind = PageKindOf(cadBase);
    const GridView& grid = *view.grid;
    if (kind == PageKind::Rods) {
        changes.cells = RodFinishRule(grid, longName).cells;
    } else if (kind == PageKind::Cable) {
        changes.cells = CableFinishRule(grid, longName).cells;
    } else if (TakesEndFinish(kind)) {
        changes.cells = AddEndFinish(grid, cadBase, longName).cells;
    } else if (kind == PageKind::Sheet) {
        if (!sheetParts) {
            return SheetPartsMissingMessage();
        }
        changes.cells = SetSheetPartNumbers(grid, cadBase, *sheetParts, longName).cells;
    }
    return changes;
}

} // namespace waybill
