#include "catalog/FinishRules.h"

#include "catalog/Finishes.h"
#include "catalog/ShortLength.h"
#include "model/Page.h"
#include "units/Text.h"

#include <string>

namespace waybill {
namespace {

bool Between(std::string_view s, std::string_view low, std::string_view high) {
    return CompareNoCase(s, low) >= 0 && CompareNoCase(s, high) <= 0;
}

bool TakesEndFinish(std::string_view cadBase) {
    for (const char* block : {"clp02_1", "clp02_2", "cee00", "zee00", "eav00", "angl05"}) {
        if (EqualsNoCase(cadBase, block)) {
            return true;
        }
    }
    return Between(cadBase, "ten", "tenzzzzz");
}

// The position of the last `letter` in the text, ignoring case.
std::size_t FindLastNoCase(std::string_view text, char letter) {
    const std::string upper = ToUpper(text);
    return upper.rfind(ToUpperAscii(letter));
}

std::string WithoutFinishSuffix(std::string_view partNumber) {
    for (const char letter : {'G', 'P', 'B'}) {
        if (const auto cut = FindLastNoCase(partNumber, letter); cut != std::string::npos) {
            return std::string(partNumber.substr(0, cut));
        }
    }
    return std::string(partNumber);
}

void RodFinishRule(GridEdits& grid, std::string_view finishText) {
    const bool galvanized = ContainsNoCase(finishText, "alv");
    if (!galvanized && !ContainsNoCase(finishText, "ide")) {
        return;
    }
    constexpr int kPartColumn = 5;
    for (int row = 1; row < grid.Rows(); ++row) {
        const std::string& partNumber = grid.Cell(row, kPartColumn);
        const std::string upper = ToUpper(partNumber);
        if (upper.size() >= 5 && upper.starts_with("55BR") &&
            std::string_view("_GP").find(upper[4]) != std::string_view::npos) {
            grid.Set(row, kPartColumn,
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
        if (grid.Cell(row, 8).empty()) {
            continue;
        }
        grid.Set(row, 7, zinc ? "ZINC" : "GALV.");
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
        grid.Set(row, partColumn, WithoutFinishSuffix(partNumber) + code);
    }
    if (const auto lengthColumn = ShortLengthColumnForFinish(cadBase)) {
        for (int row = 1; row < grid.Rows(); ++row) {
            SetShortLengthSuffix(grid, row, *lengthColumn);
        }
    }
}

void SetCableFinishCode(GridEdits& grid, int row) {
    const std::string& word = grid.Cell(row, 7);
    if (word.empty()) {
        return;
    }
    const std::string marker = EqualsNoCase(word, "ZINC") ? "" : "G";
    const std::string partNumber = grid.Cell(row, 8);
    const auto underscore = partNumber.find('_');
    if (underscore == std::string::npos) {
        return;
    }
    std::size_t keep = underscore;
    if (keep > 0 && ToUpperAscii(partNumber[keep - 1]) == 'G') {
        --keep;
    }
    grid.Set(row, 8, partNumber.substr(0, keep) + marker + partNumber.substr(underscore));
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

PageChanges PickFinish(const PageView& view, const SheetPartTable& sheetParts,
                       std::string_view longName) {
    PageChanges changes;
    if (view.titleBlock[TblkFinish] != longName) {
        changes.titleBlock.push_back({TblkFinish, std::string(longName)});
    }
    if (!view.grid) {
        return changes;
    }
    const std::string cadBase = CadBase(view.titleBlock[TblkCadNumber]);
    const GridView& grid = *view.grid;
    if (EqualsNoCase(cadBase, "rods01")) {
        changes.cells = RodFinishRule(grid, longName).cells;
    } else if (Between(cadBase, "cable01", "cable04")) {
        changes.cells = CableFinishRule(grid, longName).cells;
    } else if (TakesEndFinish(cadBase)) {
        changes.cells = AddEndFinish(grid, cadBase, longName).cells;
    } else if (Between(cadBase, "sht", "shtzzzzz")) {
        changes.cells = SetSheetPartNumbers(grid, cadBase, sheetParts, longName).cells;
    }
    return changes;
}

} // namespace waybill
