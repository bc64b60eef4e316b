#include "ListFiles.h"

#include <QFile>
#include <QRegularExpression>

namespace waybill::launcher {

std::optional<QStringList> ReadFields(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    // Lists saved by editors that mark UTF-8 would otherwise spoil the first name.
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);

    static const QRegularExpression separators(QStringLiteral("[\r\n,]"));
    QStringList fields;
    for (const QString& field : QString::fromLocal8Bit(bytes).split(separators)) {
        const QString trimmed = field.trimmed();
        if (!trimmed.isEmpty())
            fields.append(trimmed);
    }
    return fields;
}

namespace {

std::optional<QString> ValueOf(const QString& field) {
    const qsizetype equals = field.indexOf(QLatin1Char('='));
    if (equals < 0)
        return std::nullopt;
    return field.mid(equals + 1).trimmed();
}

} // namespace

std::optional<LauncherConfig> ReadConfig(const QString& path) {
    const std::optional<QStringList> fields = ReadFields(path);
    if (!fields || fields->size() < 2)
        return std::nullopt;
    const std::optional<QString> installFolder = ValueOf(fields->at(0));
    const std::optional<QString> exportFolder = ValueOf(fields->at(1));
    if (!installFolder || !exportFolder || installFolder->isEmpty())
        return std::nullopt;
    return LauncherConfig{*installFolder, *exportFolder};
}

} // namespace waybill::launcher
