#pragma once

#include <filesystem>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace waybill::test {

// Named pipes and symbolic links as other users leave them on a shared folder. The tests that
// make them are skipped on Windows (SKIP_WITHOUT_POSIX_FILES at their start).
#ifdef _WIN32
#define SKIP_WITHOUT_POSIX_FILES() GTEST_SKIP() << "named pipes and symbolic links are POSIX's"
inline bool MakePipe(const std::filesystem::path&) {
    return false;
}
#else
#define SKIP_WITHOUT_POSIX_FILES() static_cast<void>(0)
// A pipe nothing writes to: opening it to read waits for ever.
inline bool MakePipe(const std::filesystem::path& path) {
    return ::mkfifo(path.c_str(), 0600) == 0;
}
#endif

} // namespace waybill::test
