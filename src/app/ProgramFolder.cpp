#include "app/ProgramFolder.h"

#include "app/AppSettings.h"
#include "platform/ExecutableFolder.h"

#include <system_error>

namespace waybill {
namespace fs = std::filesystem;

fs::path ProgramFolderFor(const fs::path& executableFolder) {
    std::error_code error;
    if (fs::is_regular_file(executableFolder / kDefaultDocumentName, error)) {
        return executableFolder;
    }
    const fs::path installed = (executableFolder / ".." / "share" / "waybill").lexically_normal();
    if (fs::is_directory(installed, error)) {
        return installed;
    }
    return executableFolder;
}

fs::path ProgramFolder() {
    return ProgramFolderFor(ExecutableFolder());
}

} // namespace waybill
