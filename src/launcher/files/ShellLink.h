#pragma once

#include <filesystem>

namespace waybill::launcher {

// Writes a Windows shortcut file through the shell's link object. False on any failure.
bool WriteShellLink(const std::filesystem::path& linkPath, const std::filesystem::path& target,
                    const std::filesystem::path& icon, int showCommand);

} // namespace waybill::launcher
