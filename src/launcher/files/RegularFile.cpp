#include "files/RegularFile.h"

#include <cerrno>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace waybill::launcher {

namespace {

class InputHandle {
  public:
    explicit InputHandle(const std::filesystem::path& path)
#ifdef _WIN32
        : handle_(::_wopen(path.c_str(), _O_RDONLY | _O_BINARY)) {
    }
#else
        // Opened without blocking, in case a pipe has the name; a regular file reads as usual.
        : handle_(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)) {
    }
#endif
    ~InputHandle() {
        if (handle_ >= 0)
#ifdef _WIN32
            ::_close(handle_);
#else
            ::close(handle_);
#endif
    }
    InputHandle(const InputHandle&) = delete;
    InputHandle& operator=(const InputHandle&) = delete;

    bool IsRegularFile() const {
#ifdef _WIN32
        struct _stat64 info {};
        return handle_ >= 0 && ::_fstat64(handle_, &info) == 0 &&
               (info.st_mode & _S_IFMT) == _S_IFREG;
#else
        struct stat info {};
        return handle_ >= 0 && ::fstat(handle_, &info) == 0 && S_ISREG(info.st_mode) &&
               ::fcntl(handle_, F_SETFL, ::fcntl(handle_, F_GETFL) & ~O_NONBLOCK) == 0;
#endif
    }

    // The bytes read, 0 at the end, -1 on an error.
    int Read(char* buffer, unsigned size) const {
#ifdef _WIN32
        return ::_read(handle_, buffer, size);
#else
        return static_cast<int>(::read(handle_, buffer, size));
#endif
    }

  private:
    int handle_;
};

} // namespace

std::optional<std::string> ReadRegularFile(const std::filesystem::path& path) {
    const InputHandle file(path);
    if (!file.IsRegularFile())
        return std::nullopt;
    std::string bytes;
    char buffer[1 << 16];
    for (;;) {
        const int count = file.Read(buffer, sizeof buffer);
        if (count == 0)
            return bytes;
        if (count < 0 && errno != EINTR)
            return std::nullopt;
        if (count > 0)
            bytes.append(buffer, static_cast<std::size_t>(count));
    }
}

} // namespace waybill::launcher
