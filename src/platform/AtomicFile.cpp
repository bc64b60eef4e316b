#include "platform/AtomicFile.h"

#include <algorithm>
#include <cerrno>
#include <optional>
#include <random>
#include <variant>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>
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

class RefusalCategory final : public std::error_category {
  public:
    const char* name() const noexcept override { return "replace"; }
    std::string message(int code) const override {
        switch (static_cast<ReplaceRefusal>(code)) {
        case ReplaceRefusal::ReadOnly:
            return "The file is read-only";
        case ReplaceRefusal::InUse:
            return "The file is open in another program";
        }
        return "The file cannot be replaced";
    }
};

#ifdef _WIN32
// Windows refuses to replace a file that is open without delete sharing, as "access denied"
// (or a sharing violation); asking for the right to delete it tells that case from a file
// the user may not change.
bool HeldOpen(const fs::path& path) {
    const HANDLE probe =
        CreateFileW(path.c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (probe != INVALID_HANDLE_VALUE) {
        CloseHandle(probe);
        return false;
    }
    return GetLastError() == ERROR_SHARING_VIOLATION;
}

// The attributes a replacement keeps: the ones a user or a program sets on a document.
constexpr DWORD kKeptAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                  FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
#endif

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

    std::error_code OpenExisting(const fs::path& path, int& handle) override {
#ifdef _WIN32
        handle = ::_wopen(path.c_str(), _O_WRONLY | _O_BINARY);
#else
        handle = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
#endif
        return handle < 0 ? LastError() : std::error_code{};
    }

    std::error_code WriteAt(int handle, std::uint64_t offset, std::string_view bytes) override {
#ifdef _WIN32
        const bool moved = ::_lseeki64(handle, static_cast<__int64>(offset), SEEK_SET) >= 0;
#else
        const bool moved = ::lseek(handle, static_cast<off_t>(offset), SEEK_SET) >= 0;
#endif
        return moved ? Write(handle, bytes) : LastError();
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
        const auto file = reinterpret_cast<HANDLE>(::_get_osfhandle(handle));
        return FlushFileBuffers(file)
                   ? std::error_code{}
                   : std::error_code(static_cast<int>(GetLastError()), std::system_category());
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
#ifdef _WIN32
        const DWORD attributes = GetFileAttributesW(like.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & kKeptAttributes) == 0 ||
            SetFileAttributesW(path.c_str(), attributes & kKeptAttributes)) {
            return {};
        }
        return {static_cast<int>(GetLastError()), std::system_category()};
#else
        std::error_code error;
        const fs::file_status status = fs::status(like, error);
        if (!fs::exists(status)) {
            return {};
        }
        fs::permissions(path, status.permissions(), fs::perm_options::replace, error);
        return error;
#endif
    }

    std::error_code Rename(const fs::path& from, const fs::path& to) override {
#ifdef _WIN32
        if (MoveFileExW(from.c_str(), to.c_str(),
                        MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            return {};
        }
        const DWORD error = GetLastError();
        if ((error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION ||
             error == ERROR_LOCK_VIOLATION) &&
            HeldOpen(to)) {
            return MakeErrorCode(ReplaceRefusal::InUse);
        }
        return {static_cast<int>(error), std::system_category()};
#else
        std::error_code error;
        fs::rename(from, to, error);
        return error;
#endif
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

// The folder does not let the user create files in it.
bool IsRefusal(std::error_code error) {
    return error == std::errc::permission_denied || error == std::errc::operation_not_permitted;
}

// A new temporary file beside `target`, open for writing.
struct Temporary {
    fs::path path;
    int handle = -1;
};

std::variant<Temporary, std::error_code> CreateTemporary(const fs::path& target,
                                                         FileSystemCalls& calls) {
    Temporary temp;
    for (int attempt = 0; attempt < 16; ++attempt) {
        temp.path = target;
        temp.path += RandomSuffix();
        // Fail rather than reuse a name that appeared in the meantime.
        const std::error_code error = calls.Create(temp.path, temp.handle);
        if (!error) {
            return temp;
        }
        if (error != std::errc::file_exists) {
            return error;
        }
    }
    return std::make_error_code(std::errc::file_exists);
}

std::string CreateFailure(std::error_code error) {
    return error == std::errc::file_exists ? "no temporary file name is free" : error.message();
}

std::string ReplaceWithTemporary(const fs::path& target, const Temporary& temp,
                                 std::string_view content, FileSystemCalls& calls) {
    std::error_code error = calls.Write(temp.handle, content);
    if (!error) {
        error = calls.Flush(temp.handle);
    }
    const std::error_code closeError = calls.Close(temp.handle);
    if (!error) {
        error = closeError;
    }
    if (!error) {
        error = calls.CopyPermissions(target, temp.path);
    }
    if (!error) {
        error = calls.Rename(temp.path, target);
    }
    if (error) {
        calls.Remove(temp.path);
        return error.message();
    }
    return {};
}

// Writes the runs of bytes in which `newContent` differs from `oldContent`, and its bytes past
// the old end, into the open file.
std::error_code WriteChanges(int handle, std::string_view oldContent, std::string_view newContent,
                             FileSystemCalls& calls) {
    std::size_t at = 0;
    while (at < oldContent.size()) {
        if (oldContent[at] == newContent[at]) {
            ++at;
            continue;
        }
        const std::size_t start = at;
        while (at < oldContent.size() && oldContent[at] != newContent[at]) {
            ++at;
        }
        if (auto error = calls.WriteAt(handle, start, newContent.substr(start, at - start))) {
            return error;
        }
    }
    if (newContent.size() > oldContent.size()) {
        return calls.WriteAt(handle, oldContent.size(), newContent.substr(oldContent.size()));
    }
    return {};
}

std::string WriteInPlace(const fs::path& target, std::string_view oldContent,
                         std::string_view newContent, FileSystemCalls& calls,
                         std::error_code refusal) {
    int handle = -1;
    if (calls.OpenExisting(target, handle)) {
        return refusal.message(); // neither way is open: the folder's refusal says why
    }
    std::error_code error = WriteChanges(handle, oldContent, newContent, calls);
    if (!error) {
        error = calls.Flush(handle);
    }
    const std::error_code closeError = calls.Close(handle);
    if (!error) {
        error = closeError;
    }
    return error ? error.message() : std::string{};
}

// A file marked read-only is the user's word that it stays as it is. Windows' read-only
// attribute reads as a file without write permission, as does a share's read-only file.
bool IsReadOnly(const fs::path& path) {
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    return fs::is_regular_file(status) &&
           (status.permissions() & fs::perms::owner_write) == fs::perms::none;
}

// With `inPlaceFrom` (the file's content as read), a folder that refuses the temporary file
// leaves the way of writing in place open.
std::string Replace(const fs::path& requested, std::string_view content,
                    std::optional<std::string_view> inPlaceFrom, FileSystemCalls& calls) {
    const fs::path target = WrittenFile(requested);
    std::error_code ec;
    if (fs::is_directory(target, ec)) {
        return "is a folder";
    }
    if (IsReadOnly(target)) {
        return MakeErrorCode(ReplaceRefusal::ReadOnly).message();
    }
    auto temp = CreateTemporary(target, calls);
    if (const auto* error = std::get_if<std::error_code>(&temp)) {
        if (inPlaceFrom && IsRefusal(*error) && content.size() >= inPlaceFrom->size()) {
            return WriteInPlace(target, *inPlaceFrom, content, calls, *error);
        }
        return CreateFailure(*error);
    }
    return ReplaceWithTemporary(target, std::get<Temporary>(temp), content, calls);
}

} // namespace

fs::path WrittenFile(const fs::path& path) {
    std::error_code ec;
    if (fs::is_symlink(path, ec)) {
        fs::path resolved = fs::weakly_canonical(path, ec);
        if (!ec) {
            return resolved;
        }
    }
    return path;
}

FileSystemCalls& SystemFileCalls() {
    static OperatingSystemCalls calls;
    return calls;
}

std::error_code MakeErrorCode(ReplaceRefusal refusal) {
    static const RefusalCategory category;
    return {static_cast<int>(refusal), category};
}

std::string WriteFileAtomically(const fs::path& target, std::string_view content) {
    return WriteFileAtomically(target, content, SystemFileCalls());
}

std::string WriteFileAtomically(const fs::path& target, std::string_view content,
                                FileSystemCalls& calls) {
    return Replace(target, content, std::nullopt, calls);
}

std::string UpdateFile(const fs::path& target, std::string_view oldContent,
                       std::string_view newContent, FileSystemCalls& calls) {
    return Replace(target, newContent, oldContent, calls);
}

} // namespace waybill
