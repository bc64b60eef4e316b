#pragma once

#include <cstddef>
#include <filesystem>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace waybill {

// Every file the programs read goes through here. Documents, templates and lock files sit on
// shared folders, where anyone may leave a pipe or a device under a document's name, and
// opening or reading one of those can wait for ever: only a regular file (links followed) is
// read, and it is opened in a way that cannot block.

// The whole file as bytes, or its first `limit` bytes; nothing when it cannot be opened or
// read, or is no regular file (a folder, a pipe, a device).
std::optional<std::string>
ReadWholeFile(const std::filesystem::path& path,
              std::size_t limit = std::numeric_limits<std::size_t>::max());

// The sentence a message about a file that cannot be read adds when `path` names something
// other than a regular file: " It is a pipe, not a file." (a folder, a device, a socket...);
// empty for a regular file or nothing at all.
std::string NotAFileNote(const std::filesystem::path& path);

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
