#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace waybill {

// The system calls a file replacement makes, one step each, so tests can make any of them
// fail. Each returns the error of its step (empty on success).
class FileSystemCalls {
  public:
    virtual ~FileSystemCalls() = default;
    // Creates `path` for writing; fails with "file exists" when something is there already.
    virtual std::error_code Create(const std::filesystem::path& path, int& handle) = 0;
    // Opens the existing file `path` for writing in place, neither creating nor truncating it.
    virtual std::error_code OpenExisting(const std::filesystem::path& path, int& handle) = 0;
    // Writes all of `bytes`.
    virtual std::error_code Write(int handle, std::string_view bytes) = 0;
    // Writes all of `bytes` from byte `offset` of the file on.
    virtual std::error_code WriteAt(int handle, std::uint64_t offset, std::string_view bytes) = 0;
    // Puts the written bytes on the disk.
    virtual std::error_code Flush(int handle) = 0;
    virtual std::error_code Close(int handle) = 0;
    // Gives `path` the permissions of the file `like`, when there is one (on Windows its
    // attributes: hidden, system, archive...).
    virtual std::error_code CopyPermissions(const std::filesystem::path& like,
                                            const std::filesystem::path& path) = 0;
    // Replaces `to` with `from` in one step, the data on the disk when it returns. A `to` that
    // another program holds open (Windows refuses it then) gives ReplaceRefusal::InUse.
    virtual std::error_code Rename(const std::filesystem::path& from,
                                   const std::filesystem::path& to) = 0;
    virtual void Remove(const std::filesystem::path& path) = 0;
};

// The calls of the operating system.
FileSystemCalls& SystemFileCalls();

// Why a file that exists is not replaced, in the words a message gives after its name.
enum class ReplaceRefusal {
    ReadOnly = 1, // marked read-only (no write permission for its owner): never made writable
    InUse,        // another program has it open and does not let it be replaced
};
std::error_code MakeErrorCode(ReplaceRefusal refusal);

// The file a write to `path` replaces: a symbolic link is kept and the file it names (links
// followed) replaced; any other path is itself.
std::filesystem::path WrittenFile(const std::filesystem::path& path);

// Replaces the file at `target` with `content` so that a failure at any point leaves the
// old file as it was: the bytes go to a temporary file beside the target, are flushed to
// disk, get the old file's permissions, and only then is the temporary renamed over the
// target (a symbolic link is kept and the file it points to replaced). No temporary file is
// left behind, and a read-only target is refused before anything is written. Returns an
// empty text on success, otherwise what went wrong (in the system's words, for the terminal
// or a log).
std::string WriteFileAtomically(const std::filesystem::path& target, std::string_view content);
std::string WriteFileAtomically(const std::filesystem::path& target, std::string_view content,
                                FileSystemCalls& calls);

// Replaces the file at `target`, read a moment ago as `oldContent`, with `newContent`:
// atomically as above where the folder lets a file be created. Where the folder refuses that
// but the file itself may be written (a share on which users change files but add none), and
// nothing is to be cut off the file's end, the file is updated in place instead: only the
// bytes that differ from `oldContent` and those past its end are written, then flushed. A
// failure part-way through that can leave some of them written. Returns what
// WriteFileAtomically returns.
std::string UpdateFile(const std::filesystem::path& target, std::string_view oldContent,
                       std::string_view newContent, FileSystemCalls& calls = SystemFileCalls());

} // namespace waybill
