#include "platform/gui/LockFileFilter.h"

#include "platform/DocumentLock.h"
#include "platform/gui/QtText.h"

namespace waybill {

bool LockFileFilter::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const {
    const QModelIndex name = sourceModel()->index(sourceRow, 0, sourceParent);
    return !IsLockFileName(FsPath(name.data().toString()));
}

} // namespace waybill
