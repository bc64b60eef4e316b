#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace waybill::launcher {

// The launcher keeps names as UTF-8; they reach the system as paths made from UTF-8, whatever
// code page the system would read a narrow string in.
std::filesystem::path PathFromUtf8(std::string_view utf8);
std::string Utf8FromPath(const std::filesystem::path& path);

} // namespace waybill::launcher
