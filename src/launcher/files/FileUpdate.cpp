#include "files/FileUpdate.h"

#include "files/FileCopy.h"
#include "files/FolderChecks.h"
#include "files/ListFiles.h"
#include "files/PlatformNames.h"
#include "files/Utf8Path.h"

#include <optional>
#include <vector>

namespace waybill::launcher {

namespace fs = std::filesystem;

bool NeedsCopy(const fs::path& source, const fs::path& target) {
    std::error_code error;
    const fs::file_time_type installed = fs::last_write_time(target, error);
    if (error)
        return true;
    const fs::file_time_type released = fs::last_write_time(source, error);
    return error || installed < released;
}

bool UpdateFiles(const std::string& sourceFolder, const std::string& installFolder,
                 const std::function<void(const std::string& source)>& reportMissing) {
    const std::optional<std::vector<std::string>> names = ReadFields(sourceFolder + "Files.txt");
    if (!names)
        return false;
    for (const std::string& name : *names) {
        const std::string source = ListedPath(sourceFolder, name);
        if (!IsFile(source)) {
            reportMissing(source);
            continue;
        }
        const fs::path target = PathFromUtf8(ListedPath(installFolder, name));
        if (!NeedsCopy(PathFromUtf8(source), target))
            continue;
        // A release may bring a sub-folder that older installations lack (the fonts, say).
        std::error_code error;
        fs::create_directories(target.parent_path(), error);
        if (error || !CopyFileOver(PathFromUtf8(source), target))
            return false;
    }
    return true;
}

} // namespace waybill::launcher
