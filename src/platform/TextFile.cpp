#include "platform/TextFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace waybill {

namespace {

namespace fs = std::filesystem;

// What `path` names when that is no regular file, as a message words it; nothing for a
// regular file, for nothing at all, and when the system does not say (the open tells why).
std::optional<std::string_view> OtherKind(const fs::path& path) {
    std::error_code error;
    switch (fs::status(path, error).type()) {
    case fs::file_type::regular:
    case fs::file_type::not_found:
    case fs::file_type::none:
        return std::nullopt;
    case fs::file_type::directory:
        return "a folder";
    case fs::file_type::fifo:
        return "a pipe";
    case fs::file_type::block:
    case fs::file_type::character:
        return "a device";
    case fs::file_type::socket:
        return "a socket";
    default:
        return "a special file";
    }
}

class OpenFile {
  public:
    explicit OpenFile(int handle) : handle_(handle) {}
    ~OpenFile() {
        if (handle_ >= 0) {
#ifdef _WIN32
            ::_close(handle_);
#else
            ::close(handle_);
#endif
        }
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;

    bool IsOpen() const {
        return handle_ >= 0;
    }

    // The size of a regular file; nothing for anything else.
    std::optional<std::uint64_t> RegularSize() const {
#ifdef _WIN32
        struct _stat64 info {};
        if (::_fstat64(handle_, &info) != 0 || (info.st_mode & _S_IFMT) != _S_IFREG) {
            return std::nullopt;
        }
#else
        struct stat info {};
        if (::fstat(handle_, &info) != 0 || !S_ISREG(info.st_mode)) {
            return std::nullopt;
        }
        // Opened without blocking, in case a pipe took the file's place since it was looked
        // at; a regular file is read as usual.
        ::fcntl(handle_, F_SETFL, ::fcntl(handle_, F_GETFL) & ~O_NONBLOCK);
#endif
        return static_cast<std::uint64_t>(info.st_size);
    }

    // Fills `into` up to the end of the file; how much it read, nothing on an error.
    std::optional<std::size_t> Read(char* into, std::size_t size) const {
        std::size_t done = 0;
        while (done < size) {
#ifdef _WIN32
            const auto chunk = static_cast<unsigned>(std::min<std::size_t>(size - done, 1u << 30));
            const auto got = ::_read(handle_, into + done, chunk);
#else
            const auto got = ::read(handle_, into + done, size - done);
#endif
            if (got < 0 && errno == EINTR) {
                continue;
            }
            if (got < 0) {
                return std::nullopt;
            }
            if (got == 0) {
                break;
            }
            done += static_cast<std::size_t>(got);
        }
        return done;
    }

  private:
    int handle_;
};

int OpenForReading(const fs::path& path) {
#ifdef _WIN32
    return ::_wopen(path.c_str(), _O_RDONLY | _O_BINARY | _O_NOINHERIT);
#else
    return ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
#endif
}

} // namespace

// The buffer is sized once from the file's size: growing it while reading would touch and
// copy about twice the file's bytes, which shows on opening a large document.
std::optional<std::string> ReadWholeFile(const fs::path& path, std::size_t limit) {
    if (OtherKind(path)) {
        return std::nullopt; // never opened
    }
    const OpenFile file(OpenForReading(path));
    const auto expected = file.IsOpen() ? file.RegularSize() : std::nullopt;
    if (!expected) {
        return std::nullopt;
    }
    std::string content(static_cast<std::size_t>(std::min<std::uint64_t>(*expected, limit)), '\0');
    auto size = file.Read(content.data(), content.size());
    // The file may have grown since, or have no size to tell (/proc): read on to its end.
    while (size && *size == content.size() && content.size() < limit) {
        const std::size_t before = content.size();
        content.resize(before + std::min<std::size_t>(1 << 16, limit - before));
        const auto more = file.Read(content.data() + before, content.size() - before);
        size = more ? std::optional(before + *more) : std::nullopt;
    }
    if (!size) {
        return std::nullopt;
    }
    content.resize(*size);
    return content;
}

std::string NotAFileNote(const fs::path& path) {
    const auto kind = OtherKind(path);
    return kind ? " It is " + std::string(*kind) + ", not a file." : std::string();
}

std::string_view LineReader::Next() {
    const std::size_t start = pos_;
    const std::size_t size = text_.size();
    const char* base = text_.data() + start;
    const std::size_t rest = size - start;
    const void* lf = std::memchr(base, '\n', rest);
    std::size_t end =
        lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - text_.data()) : size;
    // A lone CR also ends a line; look for one only before the LF found.
    const void* cr = std::memchr(base, '\r', end - start);
    if (cr != nullptr) {
        const auto crPos = static_cast<std::size_t>(static_cast<const char*>(cr) - text_.data());
        pos_ = (crPos + 1 < size && text_[crPos + 1] == '\n') ? crPos + 2 : crPos + 1;
        return text_.substr(start, crPos - start);
    }
    pos_ = end < size ? end + 1 : size;
    return text_.substr(start, end - start);
}

std::string_view LineReader::NextField() {
    std::size_t p = pos_;
    const std::size_t size = text_.size();
    while (p < size && text_[p] == ' ') {
        ++p;
    }
    std::string_view field;
    if (p < size && text_[p] == '"') {
        const std::size_t open = p + 1;
        std::size_t close = open;
        while (close < size && text_[close] != '"' && text_[close] != '\r' &&
               text_[close] != '\n') {
            ++close;
        }
        field = text_.substr(open, close - open);
        p = close < size && text_[close] == '"' ? close + 1 : close;
        // Whatever follows the closing quote up to the delimiter is dropped.
        while (p < size && text_[p] != ',' && text_[p] != '\r' && text_[p] != '\n') {
            ++p;
        }
    } else {
        const std::size_t start = p;
        while (p < size && text_[p] != ',' && text_[p] != '\r' && text_[p] != '\n') {
            ++p;
        }
        std::size_t end = p;
        while (end > start && text_[end - 1] == ' ') {
            --end;
        }
        field = text_.substr(start, end - start);
    }
    if (p < size && text_[p] == ',') {
        pos_ = p + 1;
    } else {
        pos_ = p;
        if (pos_ < size) {
            Next(); // consume the line end
        }
    }
    return field;
}

} // namespace waybill
