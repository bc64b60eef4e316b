#pragma once

#include <QSortFilterProxyModel>

namespace waybill {

// A file dialog's list without the lock files of open documents ("~$..."): they are no
// documents, and a user who picks one only gets a message.
class LockFileFilter : public QSortFilterProxyModel {
  public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

  protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
};

} // namespace waybill
