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

std::optional<MemberEdit> PlanMemberEdit(const MemberTarget& target, const PageView& view,
                                         const MemberEncoding& encoding) {
    const auto partNumber = MemberPartNumber(encoding.partCode);
    if (!partNumber) {
        return std::nullopt;
    }
    MemberEdit edit;
    if (encoding.valueLine != target.valueLine) {
        edit.attributes.push_back({target.block, 0, encoding.valueLine});
    }
    edit.finish = encoding.finish;
    edit.description = MemberDescription(view.titleBlock[TblkDescription], encoding.partCode);
    edit.partNumber = *partNumber;
    if (view.grid && view.grid->Columns() > 0) {
        const int column = view.grid->Columns() - 1;
        for (int row = 1; row < view.grid->Rows(); ++row) {
            edit.partNumberCells.push_back({row, column, *partNumber});
        }
    }
    return edit;
}

MemberFinishSteps CatalogFinishSteps() {
    return {{}, [](PageView& view) {
                if (view.grid) {
                    ApplyPageChanges(view, AddEndFinish(*view.grid,
                                                        CadBase(view.titleBlock[TblkCadNumber]),
                                                        view.titleBlock[TblkFinish]));
                }
            }};
}

void ApplyMemberEdit(PageView& view, const MemberEdit& edit, const MemberFinishSteps& steps) {
    ApplyAttribChanges(view, edit.attributes);
    view.titleBlock[TblkFinish] = edit.finish;
    if (steps.setPageFinishes) {
        steps.setPageFinishes(view);
    }
    view.titleBlock[TblkDescription] = edit.description;
    if (view.grid) {
        for (const auto& cell : edit.partNumberCells) {
            if (cell.row < view.grid->Rows() && cell.column < view.grid->Columns()) {
                view.grid->SetCell(cell.row, cell.column, cell.text);
            }
        }
    }
    if (steps.addEndFinish) {
        steps.addEndFinish(view);
    }
}

} // namespace waybill
