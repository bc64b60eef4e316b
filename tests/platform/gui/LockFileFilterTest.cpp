#include "platform/gui/LockFileFilter.h"

#include <gtest/gtest.h>
#include <QStandardItemModel>

namespace waybill {
namespace {

// The file dialogs list no lock files: only names that start with "~$" are left out.
TEST(LockFileFilter, LeavesOutTheLockFilesOnly) {
    QStandardItemModel folder;
    for (const char* name : {"~$job1.fwb", "job1.fwb", "a~$b.fwb", "~job.fwb", "$job.fwb",
                             "~$J\xC3\xB6"
                             "b.wbl"}) {
        folder.appendRow(new QStandardItem(QString::fromUtf8(name)));
    }
    LockFileFilter filter;
    filter.setSourceModel(&folder);
    QStringList shown;
    for (int row = 0; row < filter.rowCount(); ++row) {
        shown << filter.index(row, 0).data().toString();
    }
    EXPECT_EQ(shown, (QStringList{"job1.fwb", "a~$b.fwb", "~job.fwb", "$job.fwb"}));
}

} // namespace
} // namespace waybill
