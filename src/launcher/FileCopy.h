#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace waybill::launcher {

// The file system steps of a copy, one call each, so tests can make any of them fail.
class CopyCalls {
  public:
    virtual ~CopyCalls() = default;
    // Creates the file named by `file` and opens it for writing; fails when it exists.
    virtual bool Create(QFile& file) = 0;
    virtual bool Write(QFile& file, const QByteArray& bytes) = 0;
    // Puts the written bytes on the disk.
    virtual bool Flush(QFile& file) = 0;
    virtual bool SetPermissions(const QString& path, QFileDevice::Permissions permissions) = 0;
    // Replaces `to` with `from` in one step.
    virtual bool Rename(const QString& from, const QString& to) = 0;
};

// The calls of the operating system.
CopyCalls& SystemCopyCalls();

// Copies `source` over `target` without ever leaving a half-written target: the bytes go to
// a temporary file beside the target and only a complete copy is renamed over it. The copy
// keeps the source's permissions (an installed program stays executable) and gets the time
// of the copy as its modification time. False when anything failed; the target is then as
// it was and no temporary file is left behind.
bool CopyFileOver(const QString& source, const QString& target);
bool CopyFileOver(const QString& source, const QString& target, CopyCalls& calls);

} // namespace waybill::launcher
