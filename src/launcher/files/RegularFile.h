#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace waybill::launcher {

// The bytes of a regular file. Nothing when `path` names no regular file or it cannot be read;
// a pipe or a device in a shared folder is never waited on.
std::optional<std::string> ReadRegularFile(const std::filesystem::path& path);

} // namespace waybill::launcher
