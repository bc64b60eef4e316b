#include "platform/AtomicFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace waybill {
namespace fs = std::filesystem;

namespace {

std::string RandomSuffix() {
    static std::mt19937_64 engine{std::random_device{}()};
    static constexpr char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    std::string s = ".tmp";
    for (int i = 0; i < 8; ++i) {
        s += kDigits[engine() % 36];
    }
    return s;
}

bool FlushToDisk(std::FILE* file) {
    if (std::fflush(file) != 0) {
        return false;
    }
#if defined(_WIN32)
    return _commit(_fileno(file)) == 0;
#elif defined(__APPLE__)
    return ::fsync(::fileno(file)) == 0;
#else
    // The data and the size needed to read it back; the rename then publishes the file.
    return ::fdatasync(::fileno(file)) == 0;
#endif
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

std::string WriteFileAtomically(const fs::path& requested, std::string_view content) {
    const fs::path target = ResolveTarget(requested);
    std::error_code ec;
    if (fs::is_directory(target, ec)) {
        return "is a folder";
    }

    fs::path temp;
    std::FILE* file = nullptr;
    for (int attempt = 0; attempt < 16 && file == nullptr; ++attempt) {
        temp = target;
        temp += RandomSuffix();
        // "x": fail rather than reuse a name that appeared in the meantime.
        file = std::fopen(temp.string().c_str(), "wbx");
        if (file == nullptr && errno != EEXIST) {
            return std::strerror(errno);
        }
    }
    if (file == nullptr) {
        return "no temporary file name is free";
    }

    const bool written = std::fwrite(content.data(), 1, content.size(), file) == content.size();
    int writeErrno = errno;
    const bool flushed = written && FlushToDisk(file);
    if (!flushed) {
        writeErrno = errno;
    }
    const bool closed = std::fclose(file) == 0;
    if (!written || !flushed || !closed) {
        fs::remove(temp, ec);
        return writeErrno != 0 ? std::strerror(writeErrno) : "write failed";
    }

#ifndef _WIN32
    // Keep the permissions of the file being replaced.
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0) {
        ::chmod(temp.c_str(), old.st_mode & 07777);
    }
#endif

    fs::rename(temp, target, ec);
    if (ec) {
        std::string why = ec.message();
        fs::remove(temp, ec);
        return why;
    }
    return {};
}

} // namespace waybill
