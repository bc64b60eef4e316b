#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace waybill::launcher {

// The file system steps of writing a file, one call each, so tests can make any of them fail.
class CopyCalls {
  public:
    virtual ~CopyCalls() = default;
    // Creates `path` and opens it for writing; nothing when it cannot, as when it exists.
    virtual std::optional<int> Create(const std::filesystem::path& path) = 0;
    virtual bool Write(int handle, std::string_view bytes) = 0;
    // Puts the written bytes on the disk.
    virtual bool Flush(int handle) = 0;
    virtual bool Close(int handle) = 0;
    virtual bool SetPermissions(const std::filesystem::path& path,
                                std::filesystem::perms permissions) = 0;
    // Replaces `to` with `from` in one step.
    virtual bool Rename(const std::filesystem::path& from, const std::filesystem::path& to) = 0;
};

// The calls of the operating system.
CopyCalls& SystemCopyCalls();

// Copies `source` over `target` without ever leaving a half-written target: the bytes go to
// a temporary file beside the target and only a complete copy is renamed over it. The copy
// keeps the source's permissions (an installed program stays executable) and gets the time
// of the copy as its modification time. False when anything failed; the target is then as
// it was and no temporary file is left behind.
bool CopyFileOver(const std::filesystem::path& source, const std::filesystem::path& target,
                  CopyCalls& calls = SystemCopyCalls());

// Writes `content` as `target` in the same way, with the permissions of a new file.
bool WriteFileOver(const std::filesystem::path& target, std::string_view content,
                   CopyCalls& calls = SystemCopyCalls());

} // namespace waybill::launcher
