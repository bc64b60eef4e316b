#include "FileCopy.h"

#include <filesystem>
#include <QRandomGenerator>
#include <system_error>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace waybill::launcher {

namespace {

std::filesystem::path FsPath(const QString& path) {
    return std::filesystem::path(path.toStdU16String());
}

class OperatingSystemCalls final : public CopyCalls {
  public:
    bool Create(QFile& file) override {
        return file.open(QIODevice::WriteOnly | QIODevice::NewOnly);
    }

    bool Write(QFile& file, const QByteArray& bytes) override {
        return file.write(bytes) == bytes.size();
    }

    bool Flush(QFile& file) override {
        if (!file.flush())
            return false;
#ifdef Q_OS_UNIX
        // The rename must not reach the disk before the bytes do.
        return ::fsync(file.handle()) == 0;
#else
        return true;
#endif
    }

    bool SetPermissions(const QString& path, QFileDevice::Permissions permissions) override {
        return QFile::setPermissions(path, permissions);
    }

    bool Rename(const QString& from, const QString& to) override {
        std::error_code error;
        std::filesystem::rename(FsPath(from), FsPath(to), error);
        return !error;
    }
};

QString TemporaryName(const QString& target) {
    static constexpr char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    QString name = target + QStringLiteral(".");
    for (int i = 0; i < 6; ++i)
        name += QLatin1Char(kDigits[QRandomGenerator::global()->bounded(36)]);
    return name;
}

bool CopyBytes(QFile& from, QFile& to, CopyCalls& calls) {
    constexpr qint64 chunkSize = 1 << 16;
    while (!from.atEnd()) {
        const QByteArray chunk = from.read(chunkSize);
        if (chunk.isEmpty() && from.error() != QFileDevice::NoError)
            return false;
        if (!calls.Write(to, chunk))
            return false;
    }
    return from.error() == QFileDevice::NoError && calls.Flush(to);
}

} // namespace

CopyCalls& SystemCopyCalls() {
    static OperatingSystemCalls calls;
    return calls;
}

bool CopyFileOver(const QString& source, const QString& target) {
    return CopyFileOver(source, target, SystemCopyCalls());
}

bool CopyFileOver(const QString& source, const QString& target, CopyCalls& calls) {
    QFile from(source);
    if (!from.open(QIODevice::ReadOnly))
        return false;

    // Beside the target, so that the rename stays on one file system and is atomic.
    QFile temporary;
    bool created = false;
    for (int attempt = 0; attempt < 16 && !created; ++attempt) {
        temporary.setFileName(TemporaryName(target));
        created = calls.Create(temporary);
        // Another name is tried only when this one was taken.
        if (!created && !QFile::exists(temporary.fileName()))
            break;
    }
    if (!created)
        return false;

    const bool copied = CopyBytes(from, temporary, calls);
    temporary.close();
    if (!copied || !calls.SetPermissions(temporary.fileName(), from.permissions()) ||
        !calls.Rename(temporary.fileName(), target)) {
        QFile::remove(temporary.fileName());
        return false;
    }
    return true;
}

} // namespace waybill::launcher
