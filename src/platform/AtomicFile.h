#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace waybill {

// Replaces the file at `target` with `content` so that a failure at any point leaves the
// old file as it was: the bytes go to a temporary file beside the target, are flushed to
// disk, and only then is the temporary renamed over the target. Returns an empty text on
// success, otherwise what went wrong (in the system's words, for the terminal or a log).
std::string WriteFileAtomically(const std::filesystem::path& target, std::string_view content);

} // namespace waybill
