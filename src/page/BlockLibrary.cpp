#include "page/BlockLibrary.h"

#include "platform/Cp1252.h"
#include "units/Text.h"

#include <system_error>

namespace waybill {

UserMessage MissingBlockMessage(std::string_view blockName) {
    return {"Cannot find block " + std::string(blockName) + ".", "Waybill",
            MessageIcon::Exclamation};
}

std::optional<std::filesystem::path> FindBlockFile(const std::filesystem::path& folder,
                                                   std::string_view blockName) {
    if (blockName.empty()) {
        return std::nullopt;
    }
    const std::string wanted = std::string(blockName) + ".wmf";
    std::error_code error;
    std::filesystem::directory_iterator entries(folder, error);
    if (error) {
        return std::nullopt;
    }
    std::optional<std::filesystem::path> found;
    for (const auto& entry : entries) {
        const std::string name = PathText(entry.path().filename());
        if (!EqualsNoCase(name, wanted) || !entry.is_regular_file(error)) {
            continue;
        }
        // An exact match wins over one that differs in case; among the others the first in
        // name order, so the choice does not depend on the directory's order.
        if (name == wanted) {
            return entry.path();
        }
        if (!found || entry.path().filename() < found->filename()) {
            found = entry.path();
        }
    }
    return found;
}

std::filesystem::path FindFolderIgnoringCase(const std::filesystem::path& folder) {
    std::error_code error;
    const std::filesystem::path name = folder.filename();
    if (name.empty() || std::filesystem::is_directory(folder, error)) {
        return folder;
    }
    const std::filesystem::path parent = folder.parent_path();
    std::filesystem::directory_iterator entries(parent.empty() ? "." : parent, error);
    if (error) {
        return folder;
    }
    const std::string wanted = PathText(name);
    std::optional<std::filesystem::path> found;
    for (const auto& entry : entries) {
        if (EqualsNoCase(PathText(entry.path().filename()), wanted) && entry.is_directory(error) &&
            (!found || entry.path().filename() < found->filename())) {
            found = entry.path().filename();
        }
    }
    return found ? parent / *found : folder;
}

void BlockLibrary::SetFolder(std::filesystem::path folder) {
    folder = FindFolderIgnoringCase(folder);
    if (folder != folder_) {
        folder_ = std::move(folder);
        cache_.clear();
    }
}

std::shared_ptr<const Metafile> BlockLibrary::Find(std::string_view blockName) {
    const std::string key = ToLower(blockName);
    if (const auto cached = cache_.find(key); cached != cache_.end()) {
        return cached->second;
    }
    const auto path = FindBlockFile(folder_, blockName);
    if (!path) {
        return nullptr;
    }
    MetafileResult result = LoadMetafile(*path);
    if (!result.Ok()) {
        return nullptr;
    }
    auto drawing = std::make_shared<const Metafile>(std::move(*result.drawing));
    cache_.emplace(key, drawing);
    return drawing;
}

} // namespace waybill
