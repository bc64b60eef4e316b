#include "PlatformNames.h"

#include <QDir>
#include <QFileInfo>

namespace waybill::launcher {

QChar FolderSeparator() {
#ifdef Q_OS_WIN
    return QLatin1Char('\\');
#else
    return QLatin1Char('/');
#endif
}

QString ExecutableName(const QString& baseName) {
#ifdef Q_OS_WIN
    return baseName + QStringLiteral(".exe");
#else
    return baseName;
#endif
}

namespace {

bool IsSeparator(QChar c) {
    return c == FolderSeparator() || c == QLatin1Char('/');
}

QString ExpandHome(const QString& folder) {
    if (folder == QLatin1String("~"))
        return QDir::homePath();
    if (folder.size() > 1 && folder.front() == QLatin1Char('~') && IsSeparator(folder.at(1)))
        return QDir::homePath() + folder.mid(1);
    return folder;
}

} // namespace

QString NormaliseFolder(const QString& text) {
    QString folder = QDir::toNativeSeparators(ExpandHome(text.trimmed()));
    if (!folder.isEmpty() && !IsSeparator(folder.back()))
        folder += FolderSeparator();
    return folder;
}

QString ExistingFolderName(const QString& parent, const QString& name) {
    const QDir dir(parent);
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..") ||
        QFileInfo(dir.filePath(name)).isDir())
        return name;
    const QStringList folders =
        dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
    for (const QString& folder : folders) {
        if (folder.compare(name, Qt::CaseInsensitive) == 0)
            return folder;
    }
    return name;
}

QString ListedPath(const QString& folder, const QString& name) {
    QString mapped = name;
    mapped.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QStringList parts = mapped.split(QLatin1Char('/'));
    QString path = folder;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const bool subFolder = i + 1 < parts.size();
        path += subFolder ? ExistingFolderName(path, parts[i]) : parts[i];
        if (subFolder)
            path += FolderSeparator();
    }
    return path;
}

} // namespace waybill::launcher
