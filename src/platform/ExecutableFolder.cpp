#include "platform/ExecutableFolder.h"

#include <system_error>

#ifdef _WIN32
#include <windows.h>
#endif

namespace waybill {
namespace fs = std::filesystem;

fs::path ExecutableFolder() {
#ifdef _WIN32
    wchar_t buffer[MAX_PATH];
    const DWORD n = GetModuleFileNameW(nullptr, buffer, MAX_PATH);
    if (n > 0 && n < MAX_PATH) {
        return fs::path(buffer).parent_path();
    }
#else
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (!ec) {
        return exe.parent_path();
    }
#endif
    return fs::current_path();
}

} // namespace waybill
