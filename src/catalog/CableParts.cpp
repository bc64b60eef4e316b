#include "catalog/CableParts.h"

#include "catalog/FinishRules.h"
#include "model/Page.h"
#include "model/StandardColumns.h"
#include "page/CellRules.h"
#include "page/GridEdits.h"
#include "units/Lengths.h"
#include "units/NumberText.h"
#include "units/Text.h"

#include <array>
#include <cmath>

namespace waybill {
namespace {

// Size texts: the fraction glyphs of the drawing font, '"' and the diameter symbol (0xE8).
constexpr std::array<CableSpec, 4> kCables{{
    {"cable01", "\xD0\"\xE8", "\xD0", "\xD8\"\xE8", 23.0, "014"},
    {"cable02", "\xD4\"\xE8", "\xD4", "\xE0\"\xE8", 30.5, "038"},
    {"cable03", "\xD8\"\xE8", "\xD8", "\xE4\"\xE8", 36.0, "012"},
    {"cable04", "\xD2\"\xE8", "\xD2", "\xDC\"\xE8", 28.25, "0516"},
}};

} // namespace

const CableSpec* FindCable(std::string_view block) {
    for (const CableSpec& cable : kCables) {
        if (EqualsNoCase(cable.block, block)) {
            return &cable;
        }
    }
    return nullptr;
}

std::string CableLengthCode(double inches) {
    struct Band {
        double below;
        const char* code;
    };
    static constexpr std::array<Band, 7> kBands{{{120, "010"},
                                                 {180, "1015"},
                                                 {240, "1520"},
                                                 {300, "2025"},
                                                 {360, "2530"},
                                                 {420, "3035"},
                                                 {480, "3540"}}};
    for (const Band& band : kBands) {
        if (inches < band.below) {
            return band.code;
        }
    }
    return "4045";
}

CommitFollowUp SetCablePartNumber(const PageView& view, int row) {
    if (!view.grid) {
        return {};
    }
    GridEdits grid(*view.grid);
    const double typed = ParseFtIn(grid.Cell(row, CableColumn::kShipLength));
    if (!(typed > 0)) {
        for (int column = CableColumn::kShipLength; column <= CableColumn::kPartNumber; ++column) {
            grid.Set(row, column, "");
        }
        return {{{}, grid.Changes()}, std::nullopt};
    }
    const CableSpec* cable = FindCable(CadBase(view.titleBlock[TblkCadNumber]));
    if (cable == nullptr) {
        return {};
    }
    const auto rounded = RoundToInt32(typed);
    if (!rounded || !(*rounded - cable->allowance > 0)) {
        grid.Set(row, CableColumn::kCutLength, "");
        grid.Set(row, CableColumn::kPartNumber, "");
        // The shortest length that leaves a cut length, in the whole inches lengths round to.
        const std::string shortest =
            rounded ? FormatFtIn(static_cast<float>(std::floor(cable->allowance) + 1), false) : "";
        return {{{}, grid.Changes()}, InvalidLengthMessage(shortest)};
    }
    const double length = *rounded;
    grid.Set(row, CableColumn::kShipLength, FormatFtIn(static_cast<float>(length), true));
    grid.Set(row, CableColumn::kCutLength,
             std::string(cable->sizeText1) + " x " +
                 FormatFtIn(static_cast<float>(length - cable->allowance), true));
    grid.Set(row, CableColumn::kDiameter, std::string(cable->sizeText2));
    grid.Set(row, CableColumn::kEyeBolt, std::string(cable->sizeText3));
    if (grid.Cell(row, CableColumn::kFinishWord).empty()) {
        grid.Set(row, CableColumn::kFinishWord,
                 std::string(ContainsNoCase(view.titleBlock[TblkFinish], "alv") ? kCableGalvanized
                                                                                : kCableZinc));
    }
    grid.Set(row, CableColumn::kPartNumber,
             "43BCA" + std::string(cable->diameterCode) + "_" + CableLengthCode(length));
    SetCableFinishCode(grid, row);
    return {{{}, grid.Changes()}, std::nullopt};
}

} // namespace waybill
