#include "platform/AtomicFile.h"

#include <algorithm>
#include <cerrno>
#include <random>

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
namespace fs = std::filesystem;

namespace {

std::error_code LastError() {
    return {errno, std::generic_category()};
}

class OperatingSystemCalls final : public FileSystemCalls {
  public:
    std::error_code Create(const fs::path& path, int& handle) override {
#ifdef _WIN32
        handle = ::_wopen(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY,
                          _S_IREAD | _S_IWRITE);
#else
        handle = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
#endif
        return handle < 0 ? LastError() : std::error_code{};
    }

    std::error_code Write(int handle, std::string_view bytes) override {
        while (!bytes.empty()) {
#ifdef _WIN32
            const int chunk = static_cast<int>(std::min<std::size_t>(bytes.size(), 1u << 30));
            const auto written = ::_write(handle, bytes.data(), static_cast<unsigned>(chunk));
#else
            const auto written = ::write(handle, bytes.data(), bytes.size());
#endif
            if (written < 0) {
                if (errno == EINTR) {
                    continue;
                }
                return LastError();
            }
            bytes.remove_prefix(static_cast<std::size_t>(written));
        }
        return {};
    }

    std::error_code Flush(int handle) override {
#if defined(_WIN32)
        return ::_commit(handle) == 0 ? std::error_code{} : LastError();
#elif defined(__APPLE__)
        return ::fsync(handle) == 0 ? std::error_code{} : LastError();
#else
        // The data and the size needed to read it back; the rename then publishes the file.
        return ::fdatasync(handle) == 0 ? std::error_code{} : LastError();
#endif
    }

    std::error_code Close(int handle) override {
#ifdef _WIN32
        return ::_close(handle) == 0 ? std::error_code{} : LastError();
#else
        return ::close(handle) == 0 ? std::error_code{} : LastError();
#endif
    }

    std::error_code CopyPermissions(const fs::path& like, const fs::path& path) override {
        std::error_code error;
        const fs::file_status status = fs::status(like, error);
        if (!fs::exists(status)) {
            return {};
        }
        fs::permissions(path, status.permissions(), fs::perm_options::replace, error);
        return error;
    }

    std::error_code Rename(const fs::path& from, const fs::path& to) override {
        std::error_code error;
        fs::rename(from, to, error);
        return error;
    }

    void Remove(const fs::path& path) override {
        std::error_code ignored;
        fs::remove(path, ignored);
    }
};

std::string RandomSuffix() {
    static std::mt19937_64 engine{std::random_device{}()};
    static constexpr char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    std::string s = ".tmp";
    for (int i = 0; i < 8; ++i) {
        s += kDigits[engine() % 36];
    }
    return s;
}

// A symbolic link is kept: the file it points to is replaced.
fs::path ResolveTarget(const fs::path& target) {
    std::error_code ec;
    if (fs::is_symlink(target, ec)) {
        fs::path resolved = fs::weakly_canonical(target, ec);
        if (!ec) {
            return resolved;
        }
    }
    return target;
}

} // namespace

FileSystemCalls& SystemFileCalls() {
    static OperatingSystemCalls calls;
    return calls;
}

std::string WriteFileAtomically(const fs::path& target, std::string_view content) {
    return WriteFileAtomically(target, content, SystemFileCalls());
}

std::string WriteFileAtomically(const fs::path& requested, std::string_view content,
                                FileSystemCalls& calls) {
    const fs::path target = ResolveTarget(requested);
    std::error_code ec;
    if (fs::is_directory(target, ec)) {
        return "is a folder";
    }

    fs::path temp;
    int handle = -1;
    std::error_code error;
    for (int attempt = 0; attempt < 16 && handle < 0; ++attempt) {
        temp = target;
        temp += RandomSuffix();
        // Fail rather than reuse a name that appeared in the meantime.
        error = calls.Create(temp, handle);
        if (error && error != std::errc::file_exists) {
            return error.message();
        }
    }
    if (handle < 0) {
        return "no temporary file name is free";
    }

    error = calls.Write(handle, content);
    if (!error) {
        error = calls.Flush(handle);
    }
    const std::error_code closeError = calls.Close(handle);
    if (!error) {
        error = closeError;
    }
    if (!error) {
        error = calls.CopyPermissions(target, temp);
    }
    if (!error) {
        error = calls.Rename(temp, target);
    }
    if (error) {
        calls.Remove(temp);
        return error.message();
    }
    return {};
}

} // namespace waybill
