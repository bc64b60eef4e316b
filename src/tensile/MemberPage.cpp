#include "tensile/MemberPage.h"

#include "catalog/FinishRules.h"
#include "model/Page.h"
#include "units/Parsers.h"
#include "units/Text.h"

namespace waybill {

std::optional<MemberTarget> FindMemberTarget(std::string_view cadBase, const PageView& view) {
    const auto pageSection = MemberSectionOf(cadBase);
    if (!pageSection || view.BlockAttribValues.Empty()) {
        return std::nullopt;
    }
    const auto& first = view.BlockAttribValues.Entries().front();
    // The caption follows the block; a page of a member kind drawn with another block is
    // still configured as its kind.
    const auto blockSection = MemberSectionOf(first.block);
    return MemberTarget{blockSection.value_or(*pageSection), first.block, first.valueLine};
}

MemberChoices CurrentMemberChoices(const MemberTarget& target, const PageView& view,
                                   const std::vector<std::string>& finishNames) {
    return DecodeMemberConfig(target.valueLine, view.titleBlock[TblkFinish], finishNames);
}

std::string MemberDescription(std::string_view description, std::string_view partCode) {
    const std::string_view base = ContainsNoCase(description, "hi-tensile")
                                      ? std::string_view("HI-TENSILE ( )")
                                      : description;
    return SetParenText(base, partCode, 1);
}

std::optional<PageChanges> PlanMemberEdit(const MemberTarget& target, const PageView& view,
                                          const MemberEncoding& encoding) {
    const auto partNumber = MemberPartNumber(encoding.partCode);
    if (!partNumber) {
        return std::nullopt;
    }
    PageChanges changes;
    if (encoding.valueLine != target.valueLine) {
        changes.attributes.push_back({target.block, 0, encoding.valueLine});
    }
    const std::string description =
        MemberDescription(view.titleBlock[TblkDescription], encoding.partCode);
    for (const auto& [field, text] :
         {std::pair{TblkFinish, encoding.finish}, std::pair{TblkDescription, description}}) {
        if (view.titleBlock[field] != text) {
            changes.titleBlock.push_back({field, text});
        }
    }
    if (view.grid && view.grid->Columns() > 0) {
        GridEdits grid(*view.grid);
        for (int row = 1; row < grid.Rows(); ++row) {
            grid.Set(row, grid.LastColumn(), *partNumber);
        }
        AddEndFinish(grid, CadBase(view.titleBlock[TblkCadNumber]), encoding.finish);
        changes.cells = grid.Changes();
    }
    return changes;
}

} // namespace waybill
