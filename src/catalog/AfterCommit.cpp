#include "catalog/AfterCommit.h"

#include "catalog/CableParts.h"
#include "catalog/ShortLength.h"
#include "model/Page.h"
#include "model/PageKind.h"
#include "model/StandardColumns.h"

namespace waybill {

CommitFollowUp AfterCellCommit(const PageView& view, int row, int column) {
    if (!view.grid) {
        return {};
    }
    const std::string cadBase = CadBase(view.titleBlock[TblkCadNumber]);
    if (PageKindOf(cadBase) == PageKind::Cable) {
        return column == CableColumn::kShipLength ? SetCablePartNumber(view, row)
                                                  : CommitFollowUp{};
    }
    if (ShortLengthColumn(cadBase) == column) {
        return {SetShortLengthSuffix(*view.grid, row, column), std::nullopt};
    }
    return {};
}

} // namespace waybill
