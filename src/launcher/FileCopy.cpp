#include "FileCopy.h"

#include <filesystem>
#include <QFile>
#include <QTemporaryFile>
#include <system_error>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace waybill::launcher {

namespace {

bool CopyBytes(QFile& from, QFile& to) {
    constexpr qint64 chunkSize = 1 << 16;
    while (!from.atEnd()) {
        const QByteArray chunk = from.read(chunkSize);
        if (chunk.isEmpty() && from.error() != QFileDevice::NoError)
            return false;
        if (to.write(chunk) != chunk.size())
            return false;
    }
    return from.error() == QFileDevice::NoError && to.flush();
}

std::filesystem::path FsPath(const QString& path) {
    return std::filesystem::path(path.toStdU16String());
}

} // namespace

bool CopyFileOver(const QString& source, const QString& target) {
    QFile from(source);
    if (!from.open(QIODevice::ReadOnly))
        return false;

    // Beside the target, so that the rename stays on one file system and is atomic.
    QTemporaryFile temporary(target + QStringLiteral(".XXXXXX"));
    if (!temporary.open() || !CopyBytes(from, temporary))
        return false;
#ifdef Q_OS_UNIX
    // The rename must not reach the disk before the bytes do.
    if (::fsync(temporary.handle()) != 0)
        return false;
#endif
    temporary.close();
    if (!temporary.setPermissions(from.permissions()))
        return false;

    std::error_code error;
    std::filesystem::rename(FsPath(temporary.fileName()), FsPath(target), error);
    if (error)
        return false;
    temporary.setAutoRemove(false);
    return true;
}

} // namespace waybill::launcher
