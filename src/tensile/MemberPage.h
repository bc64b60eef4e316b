#pragma once

#include "catalog/PageChanges.h"
#include "page/AttribEditor.h"
#include "page/PageView.h"
#include "tensile/MemberConfig.h"

#include <functional>
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

// The page changes of an accepted member edit, before the finish rules run.
struct MemberEdit {
    std::vector<AttribValueChange> attributes; // the configuration's value line, if it changed
    std::string finish;                        // title-block field 0
    std::string description;                   // title-block field 8
    std::string partNumber;                    // without a finish code
    std::vector<CellChange> partNumberCells;   // every data row's part-number (last) column
};

// Nothing when the encoding carries no valid part code.
std::optional<MemberEdit> PlanMemberEdit(const MemberTarget& target, const PageView& view,
                                         const MemberEncoding& encoding);

// The finish rules of the page, run by ApplyMemberEdit at their place in the order.
// `setPageFinishes` binds the page's finish catalogue from the finish field just written;
// `addEndFinish` appends the finish code to the part numbers just written (and refreshes the
// short-length suffixes). Either may be empty, which skips it.
struct MemberFinishSteps {
    std::function<void(PageView&)> setPageFinishes;
    std::function<void(PageView&)> addEndFinish;
};

// The catalogue's finish rules: the new part numbers take the finish code of the page's
// finish, and every row its short-length mark. The page's finish catalogue is looked up from
// its CAD base and finish field whenever a rule needs it, so there is nothing to bind first.
MemberFinishSteps CatalogFinishSteps();

// In order: the value line, the finish field, setPageFinishes, the description, the part
// numbers, addEndFinish.
void ApplyMemberEdit(PageView& view, const MemberEdit& edit, const MemberFinishSteps& steps);

} // namespace waybill
