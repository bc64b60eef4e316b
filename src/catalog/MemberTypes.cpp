#include "catalog/MemberTypes.h"

#include "model/PageKind.h"
#include "model/StandardColumns.h"
#include "page/GridEdits.h"
#include "units/Text.h"

namespace waybill {

const std::vector<MemberType>& MemberTypeTable() {
    static const std::vector<MemberType> kTable{
        {"54COL", "Built-Up Column"},
        {"54RAF", "Built-Up Rafter"},
        {"54MISC", "Miscellaneous Fabricated Member"},
        {"54CB", "Hot-Rolled Crane Beam"},
        {"54HRC", "Hot-Rolled Column"},
        {"54HRR", "Hot-Rolled Rafter"},
        {"54MZ", "Hot-Rolled Mezzanine Beam"},
        {"54PC", "Fabricated Pipe Column"},
        {"54PS", "Fabricated Pipe Strut"},
        {"54ST", "Fabricated Structural Member"},
        {"54TC", "Fabricated Tube Column"},
    };
    return kTable;
}

std::string MemberTypeDescription(std::string_view code) {
    for (const MemberType& type : MemberTypeTable()) {
        if (EqualsNoCase(type.code, code)) {
            return std::string(type.description);
        }
    }
    return {};
}

std::vector<std::string> MemberTypeList(std::string_view cadBase) {
    if (PageKindOf(cadBase) == PageKind::BuiltUpSteel) {
        return {"54COL", "54MISC", "54RAF"};
    }
    return {"54MISC", "54CB", "54HRC", "54HRR", "54MZ", "54PC", "54PS", "54ST", "54TC"};
}

PageChanges PickMemberType(const GridView& grid, int row, std::string_view code) {
    GridEdits edits(grid);
    edits.Set(row, SteelColumn::kMemberType, std::string(code));
    edits.Set(row, SteelColumn::kDescription, MemberTypeDescription(code));
    return {{}, edits.Changes()};
}

} // namespace waybill
