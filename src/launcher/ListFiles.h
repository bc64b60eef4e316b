#pragma once

#include <optional>
#include <QString>
#include <QStringList>

// The two text files the launcher reads from the source folder.
namespace waybill::launcher {

// Reads a text file in the system's 8-bit code page as fields separated by line ends or
// commas, each trimmed; empty fields are skipped. Nothing when the file cannot be read.
std::optional<QStringList> ReadFields(const QString& path);

// "Waybill.cfg": two fields of the form key=folder, the install folder then the export
// folder. The keys are not checked; each value is the text after the first "=", trimmed.
struct LauncherConfig {
    QString installFolder;
    QString exportFolder;
};

// Nothing when the file cannot be read, has fewer than two fields, a field without "=", or
// an empty install folder.
std::optional<LauncherConfig> ReadConfig(const QString& path);

} // namespace waybill::launcher
