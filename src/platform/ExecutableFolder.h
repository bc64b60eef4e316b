#pragma once

#include <filesystem>

namespace waybill {

// The folder that holds the running executable (the current folder when the platform will
// not tell).
std::filesystem::path ExecutableFolder();

} // namespace waybill
