#pragma once

#include "page/PageChanges.h"
#include "page/PageView.h"
#include "tensile/MemberConfig.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace waybill {

// What "Edit Attributes" on the shown page works on with the member editor: the section and
// the attribute entry holding the configuration. Nothing when the page kind is not "zee00"
// or "cee00", or the page has no attribute values to configure (the general attribute
// editor takes such pages).
struct MemberTarget {
    MemberSection section;
    std::string block;     // the first attribute entry's block
    std::string valueLine; // and its value line
};
std::optional<MemberTarget> FindMemberTarget(std::string_view cadBase, const PageView& view);

// The choices the editor opens with on the shown page.
MemberChoices CurrentMemberChoices(const MemberTarget& target, const PageView& view,
                                   const std::vector<std::string>& finishNames);

// The page description after a member edit: a description about hi-tensile members is reset
// to "HI-TENSILE ( )" first; the part code goes into its first parentheses.
std::string MemberDescription(std::string_view description, std::string_view partCode);

// The changes of an accepted member edit: the configuration's value line, the finish and
// description fields, and every data row's part number (the last column) with the finish code
// of the new finish and its short-length mark. Nothing when the encoding carries no valid
// part code.
std::optional<PageChanges> PlanMemberEdit(const MemberTarget& target, const PageView& view,
                                          const MemberEncoding& encoding);

} // namespace waybill
