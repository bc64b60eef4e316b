// The edit session's rules on the shown page (EditSession.h): the finish list, the member
// editor, the attribute editor, and the lists and dialogs line-item cells hand over to. Each
// rule describes its change; the session records it as one named step.
#include "app/AppMessages.h"
#include "app/EditSession.h"
#include "catalog/CellLists.h"
#include "catalog/ClipParts.h"
#include "catalog/Finishes.h"
#include "catalog/FinishRules.h"
#include "catalog/SheetParts.h"
#include "tensile/MemberPage.h"
#include "units/Text.h"

#include <variant>

namespace waybill {

const FinishCatalogue& EditSession::PageFinishes() const {
    return SetPageFinishes(cadBase_, view_.titleBlock[TblkFinish]);
}

bool EditSession::PickFinish(std::string_view name) {
    StoreTyping();
    if (!shown_) {
        return false;
    }
    const clsFinish* offered = nullptr;
    for (const clsFinish& entry : PageFinishes().Entries()) {
        if (offered == nullptr && EqualsNoCase(entry.LongName, name)) {
            offered = &entry;
        }
    }
    if (offered == nullptr) {
        ShowMessage(FinishNotOfferedMessage(name, document_.GetBook().CurPage()));
        return false;
    }
    const auto sheetParts = setup_.database ? SheetPartTable::Read(*setup_.database) : std::nullopt;
    const auto picked = waybill::PickFinish(view_, sheetParts, offered->LongName);
    if (const auto* refusal = std::get_if<UserMessage>(&picked)) {
        ShowMessage(*refusal);
        return false;
    }
    RecordPageChanges("Finish Change", std::get<PageChanges>(picked));
    return true;
}

std::optional<MemberTarget> EditSession::MemberToConfigure() const {
    return shown_ ? FindMemberTarget(cadBase_, view_) : std::nullopt;
}

bool EditSession::ConfigureMember(const MemberEncoding& encoding) {
    StoreTyping();
    const auto target = MemberToConfigure();
    const auto changes = target ? PlanMemberEdit(*target, view_, encoding) : std::nullopt;
    if (changes) {
        RecordPageChanges("Member Configuration", *changes);
    }
    return changes.has_value();
}

bool EditSession::IsMemberBlock(std::string_view block) const {
    const auto member = MemberToConfigure();
    return member && EqualsNoCase(member->block, block);
}

bool EditSession::PickFromCellList(CellListKind kind, int row, int column, std::string_view item) {
    StoreTyping();
    return view_.grid &&
           RecordPageChanges("Cell Edit", PickCellListItem(*view_.grid, kind, row, column, item));
}

std::optional<ClipTexts> EditSession::ClipToEdit(int row) {
    StoreTyping();
    if (!shown_ || !view_.grid) {
        return std::nullopt;
    }
    ClipTexts texts = ClipTextsForEdit(*view_.grid, row);
    if (const auto refusal = ClipEditRefusal(texts)) {
        ShowMessage(*refusal);
        return std::nullopt;
    }
    return texts;
}

bool EditSession::EditClip(int row, const ClipChoice& choice) {
    StoreTyping();
    return view_.grid &&
           RecordPageChanges("Size and Finish", EditClipCell(*view_.grid, row, choice));
}

bool EditSession::SelectPunch(int row, int column, std::string pattern) {
    StoreTyping();
    return view_.grid &&
           RecordPageChanges("Punch Selection",
                             CellTextChange(*view_.grid, row, column, std::move(pattern)));
}

bool EditSession::EditAttributes(const std::vector<AttribValueChange>& values) {
    StoreTyping();
    for (const AttribValueChange& value : values) {
        if (IsMemberBlock(value.block)) {
            return false;
        }
    }
    return RecordPageChanges("Edit Attributes", {{}, {}, {}, values});
}

} // namespace waybill
