#pragma once

#include "metafile/Metafile.h"
#include "platform/UserMessage.h"

#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace waybill {

UserMessage MissingBlockMessage(std::string_view blockName);

// The drawing file of a block in `folder`: block name + ".wmf", found without regard to letter
// case, since block names ignore case but the file system may not. Only names of files
// directly in the folder can match, so a block name cannot reach outside it.
std::optional<std::filesystem::path> FindBlockFile(const std::filesystem::path& folder,
                                                   std::string_view blockName);

// `folder` when it exists; otherwise the folder beside it whose name differs only in letter
// case (the exact name first, then the first in name order), so an installation whose
// "blocks" folder came as "Blocks" still finds its drawings; `folder` itself when none does.
std::filesystem::path FindFolderIgnoringCase(const std::filesystem::path& folder);

// The block picture cache: each block's drawing read once and kept, by lower-case name. A
// block whose file is missing or unreadable is looked for again on its next use.
class BlockLibrary {
  public:
    // The drawings' folder, found without regard to the letter case of its own name.
    void SetFolder(std::filesystem::path folder);
    const std::filesystem::path& Folder() const { return folder_; }

    // The drawing, or nothing when there is no readable file for the block.
    std::shared_ptr<const Metafile> Find(std::string_view blockName);

  private:
    std::filesystem::path folder_;
    std::map<std::string, std::shared_ptr<const Metafile>> cache_;
};

} // namespace waybill
