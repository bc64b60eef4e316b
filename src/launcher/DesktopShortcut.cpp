#include "DesktopShortcut.h"

#include "PlatformNames.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#ifdef Q_OS_WIN
#include "ShellLink.h"
#endif

namespace waybill::launcher {

namespace {

#ifdef Q_OS_WIN
const QString shortcutExtension = QStringLiteral(".lnk");
const QString iconName = QStringLiteral("Waybill.ico");
#else
const QString shortcutExtension = QStringLiteral(".desktop");
const QString iconName = QStringLiteral("Waybill.png");
#endif

// Escapes for a string value of a desktop entry.
QString EscapeValue(const QString& text) {
    QString escaped;
    for (const QChar c : text) {
        if (c == QLatin1Char('\\'))
            escaped += QStringLiteral("\\\\");
        else if (c == QLatin1Char('\n'))
            escaped += QStringLiteral("\\n");
        else if (c == QLatin1Char('\r'))
            escaped += QStringLiteral("\\r");
        else if (c == QLatin1Char('\t'))
            escaped += QStringLiteral("\\t");
        else
            escaped += c;
    }
    return escaped;
}

// The program of an Exec key, always quoted so that folders with spaces or reserved
// characters survive; "%" would otherwise start a field code.
QString QuoteExecProgram(const QString& program) {
    QString quoted = QStringLiteral("\"");
    for (const QChar c : program) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') ||
            c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        if (c == QLatin1Char('%'))
            quoted += QLatin1Char('%');
        quoted += c;
    }
    return quoted + QLatin1Char('"');
}

bool WriteShortcut(const ShortcutPlan& plan) {
#ifdef Q_OS_WIN
    constexpr int showNoActivate = 4;
    return WriteShellLink(plan.path.toStdWString(), plan.target.toStdWString(),
                          plan.icon.toStdWString(), showNoActivate);
#else
    QSaveFile file(plan.path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray text = DesktopEntryText(plan.target, plan.icon).toUtf8();
    if (file.write(text) != text.size() || !file.commit())
        return false;
    // File managers start only desktop entries that are marked executable.
    return QFile::setPermissions(plan.path, QFile::permissions(plan.path) | QFile::ExeOwner |
                                                QFile::ExeUser | QFile::ExeGroup | QFile::ExeOther);
#endif
}

} // namespace

ShortcutPlan PlanShortcut(const QString& desktopFolder, const QString& sourceFolder) {
    return {desktopFolder + QStringLiteral("Waybill") + shortcutExtension,
            sourceFolder + ExecutableName(QStringLiteral("WaybillStart")), sourceFolder + iconName};
}

bool CreateDesktopShortcut(const QString& desktopFolder, const ShortcutPlan& plan) {
    QDir desktop(desktopFolder);
    if (!desktop.exists() && !desktop.mkpath(QStringLiteral(".")))
        return false;

    // QDir matches name filters without regard to case unless told otherwise.
    const QFileInfoList earlier = desktop.entryInfoList(
        {QStringLiteral("*waybill*") + shortcutExtension},
        QDir::Files | QDir::Hidden | QDir::System, QDir::Name | QDir::IgnoreCase);
    if (!earlier.isEmpty())
        QFile::remove(earlier.front().absoluteFilePath());

    return WriteShortcut(plan);
}

QString DesktopEntryText(const QString& target, const QString& icon) {
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Version=1.0\n"
                          "Name=Waybill\n"
                          "Exec=%1\n"
                          "Icon=%2\n"
                          "Terminal=false\n")
        .arg(EscapeValue(QuoteExecProgram(target)), EscapeValue(icon));
}

} // namespace waybill::launcher
