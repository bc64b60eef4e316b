#pragma once

#include "page/PageChanges.h"

#include <string>
#include <string_view>
#include <vector>

namespace waybill {

// A fabricated steel member class: its code goes into the part number column (5), its
// description into column 4.
struct MemberType {
    std::string_view code;
    std::string_view description;
};

const std::vector<MemberType>& MemberTypeTable();

// The description of a member type code (letter case ignored); empty for an unknown code.
std::string MemberTypeDescription(std::string_view code);

// The codes a steel page offers: built-up members on "bu_steel", hot-rolled ones elsewhere.
std::vector<std::string> MemberTypeList(std::string_view cadBase);

// A member type picked for a row: the code into column 5, its description into column 4.
PageChanges PickMemberType(const GridView& grid, int row, std::string_view code);

} // namespace waybill
