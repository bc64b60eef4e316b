#include "files/CommandLine.h"

#ifdef _WIN32
#include "files/Utf8Path.h"

#include <filesystem>
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>
#endif

namespace waybill::launcher {

std::vector<std::string> ProgramArguments(int argc, char** argv) {
#ifdef _WIN32
    int count = 0;
    if (wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count)) {
        std::vector<std::string> utf8;
        for (int i = 1; i < count; ++i)
            utf8.push_back(Utf8FromPath(std::filesystem::path(arguments[i])));
        LocalFree(arguments);
        return utf8;
    }
#endif
    return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
}

} // namespace waybill::launcher
