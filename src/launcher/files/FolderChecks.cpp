#include "files/FolderChecks.h"

#include "files/Utf8Path.h"

#include <filesystem>

namespace waybill::launcher {

namespace fs = std::filesystem;

bool IsFile(const std::string& path) {
    std::error_code error;
    return !path.empty() && fs::is_regular_file(PathFromUtf8(path), error);
}

bool IsFolder(const std::string& path) {
    std::error_code error;
    return !path.empty() && fs::is_directory(PathFromUtf8(path), error);
}

bool HoldsFiles(const std::string& folder) {
    if (folder.empty())
        return false;
    std::error_code error;
    for (auto it = fs::directory_iterator(PathFromUtf8(folder), error);
         !error && it != fs::directory_iterator(); it.increment(error)) {
        std::error_code ignored;
        if (!it->is_directory(ignored))
            return true;
    }
    return false;
}

bool CreateFolder(const std::string& folder) {
    std::error_code error;
    return IsFolder(folder) ||
           (!folder.empty() && fs::create_directory(PathFromUtf8(folder), error));
}

} // namespace waybill::launcher
