#include "PlatformNames.h"

#include <QDir>

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

QString ListedPath(const QString& folder, const QString& name) {
    QString mapped = name;
    mapped.replace(QLatin1Char('\\'), FolderSeparator());
    mapped.replace(QLatin1Char('/'), FolderSeparator());
    return folder + mapped;
}

} // namespace waybill::launcher
