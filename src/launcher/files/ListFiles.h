#pragma once

#include <optional>
#include <string>
#include <vector>

// The two text files the launcher reads from the source folder.
namespace waybill::launcher {

// Reads a text file in the system's 8-bit code page as fields separated by line ends or
// commas, each trimmed and given as UTF-8; empty fields are skipped. Nothing when the file
// cannot be read.
std::optional<std::vector<std::string>> ReadFields(const std::string& path);

// "Waybill.cfg": two fields of the form key=folder, the install folder then the export
// folder. The keys are not checked; each value is the text after the first "=", trimmed.
struct LauncherConfig {
    std::string installFolder;
    std::string exportFolder;

    bool operator==(const LauncherConfig&) const = default;
};

// Nothing when the file cannot be read, has fewer than two fields, a field without "=", or
// an empty install folder.
std::optional<LauncherConfig> ReadConfig(const std::string& path);

} // namespace waybill::launcher
