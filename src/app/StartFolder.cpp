#include "app/StartFolder.h"

#include "app/DocumentName.h"
#include "platform/Cp1252.h"

#include <filesystem>
#include <initializer_list>

namespace waybill {
namespace {

bool SameFolder(std::string_view a, std::string_view b) {
    std::error_code error;
    return std::filesystem::equivalent(PathFromUtf8(a), PathFromUtf8(b), error);
}

bool Usable(std::string_view folder, std::string_view programFolder) {
    std::error_code error;
    return !folder.empty() && std::filesystem::is_directory(PathFromUtf8(folder), error) &&
           (programFolder.empty() || !SameFolder(folder, programFolder));
}

} // namespace

std::string DialogStartFolder(FileDialogKind kind, const PathSettings& paths,
                              const StartFolderSources& sources) {
    const std::string documentFolder = FolderOf(sources.documentPath);
    const std::string_view exportFolder =
        kind == FileDialogKind::Export ? std::string_view(paths.ExportFolder) : std::string_view();
    for (const std::string_view folder :
         {exportFolder, std::string_view(paths.WorkFolder), std::string_view(documentFolder),
          sources.documentsFolder, sources.homeFolder}) {
        if (Usable(folder, sources.programFolder)) {
            return std::string(folder);
        }
    }
    return {};
}

} // namespace waybill
