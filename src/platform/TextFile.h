#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace waybill {

// The whole file as bytes; nothing when it cannot be opened or read (or is a folder).
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path);

// Walks the lines of a text held in memory. Lines end with CR LF, LF or CR, so files
// touched by editors of any platform read the same; the line ends are not returned.
class LineReader {
public:
    explicit LineReader(std::string_view text) : text_(text) {}

    bool AtEnd() const { return pos_ >= text_.size(); }

    // The next line; call only when !AtEnd().
    std::string_view Next();

    // Like a comma-separated field read: up to the next comma or the end of the line,
    // with surrounding blanks removed and surrounding double quotes taken off. After a
    // comma the rest of the line is what the next read sees.
    std::string_view NextField();

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

} // namespace waybill
