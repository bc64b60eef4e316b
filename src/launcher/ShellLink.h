#pragma once

#include <string>

namespace waybill::launcher {

// Writes a Windows shortcut file through the shell's link object. False on any failure.
bool WriteShellLink(const std::wstring& linkPath, const std::wstring& target,
                    const std::wstring& icon, int showCommand);

} // namespace waybill::launcher
