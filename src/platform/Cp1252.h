#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace waybill {

// Windows-1252 <-> UTF-8 at the program's edges (file names, the window, the terminal).
// The five codes Windows-1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the
// C1 control characters of the same number, so every byte survives a round trip.
std::string Cp1252ToUtf8(std::string_view cp1252);

// Characters without a Windows-1252 code, and malformed UTF-8, become "?".
std::string Utf8ToCp1252(std::string_view utf8);

// The first character of UTF-8 text that Windows-1252 has no code for: its bytes as they stand
// in the text and its code point; malformed UTF-8 gives its first byte and no code point.
struct UnmappedCharacter {
    std::string utf8;
    std::optional<char32_t> codePoint;

    bool operator==(const UnmappedCharacter&) const = default;
};
std::optional<UnmappedCharacter> FirstUnmappedCharacter(std::string_view utf8);

// A path as it appears in a message or is compared with a name from the documents.
std::string PathText(const std::filesystem::path& path);

// A path kept as UTF-8 text (settings, the recent files, the document's path) on the file
// system.
std::filesystem::path PathFromUtf8(std::string_view utf8);

#ifdef _WIN32
// Text Windows gives as UTF-16 (the command line, user and host names) as UTF-8.
std::string WideToUtf8(std::wstring_view wide);
#endif

} // namespace waybill
