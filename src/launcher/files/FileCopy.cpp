#include "files/FileCopy.h"

#include "files/RegularFile.h"

#include <algorithm>
#include <cerrno>
#include <random>
#include <string>
#include <system_error>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace waybill::launcher {

namespace fs = std::filesystem;

namespace {

class OperatingSystemCalls final : public CopyCalls {
  public:
    std::optional<int> Create(const fs::path& path) override {
#ifdef _WIN32
        const int handle = ::_wopen(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY,
                                    _S_IREAD | _S_IWRITE);
#else
        const int handle = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
#endif
        return handle < 0 ? std::nullopt : std::optional<int>(handle);
    }

    bool Write(int handle, std::string_view bytes) override {
        while (!bytes.empty()) {
#ifdef _WIN32
            const int written =
                ::_write(handle, bytes.data(),
                         static_cast<unsigned>(std::min<std::size_t>(bytes.size(), 1u << 30)));
#else
            const auto written = ::write(handle, bytes.data(), bytes.size());
#endif
            if (written < 0 && errno != EINTR)
                return false;
            if (written > 0)
                bytes.remove_prefix(static_cast<std::size_t>(written));
        }
        return true;
    }

    bool Flush(int handle) override {
#ifdef _WIN32
        return FlushFileBuffers(reinterpret_cast<HANDLE>(::_get_osfhandle(handle)));
#else
        // The rename must not reach the disk before the bytes do.
        return ::fsync(handle) == 0;
#endif
    }

    bool Close(int handle) override {
#ifdef _WIN32
        return ::_close(handle) == 0;
#else
        return ::close(handle) == 0;
#endif
    }

    bool SetPermissions(const fs::path& path, fs::perms permissions) override {
#ifdef _WIN32
        // Windows keeps only a read-only mark, and a read-only copy would refuse the next
        // release; programs need no mark to run.
        (void)path;
        (void)permissions;
        return true;
#else
        std::error_code error;
        fs::permissions(path, permissions, fs::perm_options::replace, error);
        return !error;
#endif
    }

    bool Rename(const fs::path& from, const fs::path& to) override {
#ifdef _WIN32
        return MoveFileExW(from.c_str(), to.c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
#else
        std::error_code error;
        fs::rename(from, to, error);
        return !error;
#endif
    }
};

fs::path TemporaryName(const fs::path& target) {
    static std::mt19937 engine{std::random_device{}()};
    static constexpr char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    std::string suffix = ".";
    for (int i = 0; i < 6; ++i)
        suffix += kDigits[engine() % 36];
    fs::path name = target;
    name += suffix;
    return name;
}

bool WriteAll(int handle, std::string_view content, CopyCalls& calls) {
    constexpr std::size_t chunkSize = 1 << 16;
    for (std::size_t at = 0; at < content.size(); at += chunkSize) {
        if (!calls.Write(handle, content.substr(at, chunkSize)))
            return false;
    }
    return calls.Flush(handle);
}

bool ReplaceFile(const fs::path& target, std::string_view content,
                 std::optional<fs::perms> permissions, CopyCalls& calls) {
    // Beside the target, so that the rename stays on one file system and is atomic.
    fs::path temporary;
    std::optional<int> handle;
    for (int attempt = 0; attempt < 16 && !handle; ++attempt) {
        temporary = TemporaryName(target);
        handle = calls.Create(temporary);
        // Another name is tried only when this one was taken.
        std::error_code error;
        if (!handle && !fs::exists(fs::symlink_status(temporary, error)))
            return false;
    }
    if (!handle)
        return false;

    const bool written = WriteAll(*handle, content, calls);
    const bool closed = calls.Close(*handle);
    if (!written || !closed || (permissions && !calls.SetPermissions(temporary, *permissions)) ||
        !calls.Rename(temporary, target)) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return false;
    }
    return true;
}

} // namespace

CopyCalls& SystemCopyCalls() {
    static OperatingSystemCalls calls;
    return calls;
}

bool CopyFileOver(const fs::path& source, const fs::path& target, CopyCalls& calls) {
    const std::optional<std::string> bytes = ReadRegularFile(source);
    std::error_code error;
    const fs::perms permissions = fs::status(source, error).permissions();
    return bytes && !error && ReplaceFile(target, *bytes, permissions, calls);
}

bool WriteFileOver(const fs::path& target, std::string_view content, CopyCalls& calls) {
    return ReplaceFile(target, content, std::nullopt, calls);
}

} // namespace waybill::launcher
