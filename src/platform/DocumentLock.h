#pragma once

#include "platform/AtomicFile.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <variant>

namespace waybill {

// A moment as the clock of the workstation that took it showed it, with that clock's offset
// from UTC, so that a lock tells both its holder's own time and its age anywhere.
struct LockTime {
    int year = 1970;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int utcOffsetMinutes = 0;

    bool operator==(const LockTime&) const = default;
};

// Seconds since 1970-01-01 00:00 UTC.
std::int64_t UtcSeconds(const LockTime& time);

// Who holds a document: user and host name (UTF-8), process id and when the document was
// opened.
struct LockHolder {
    std::string user;
    std::string host;
    std::int64_t processId = 0;
    LockTime opened;

    bool operator==(const LockHolder&) const = default;
};

// The lock file of a document: in the document's folder, "~$" + the document's file name
// ("Job 24-0173.fwb" -> "~$Job 24-0173.fwb"), the name the office tools detailers know. A
// symbolic link is followed first: the lock is the one beside the file a save writes, so
// whichever name an editor or a command comes by, they find each other's lock.
std::filesystem::path LockFilePath(const std::filesystem::path& document);

// A name of the lock files' form ("~$..."): no document, whatever its extension.
bool IsLockFileName(const std::filesystem::path& path);

// The lock file's one line: user, host, process id and the time opened
// ("2025-07-12T14:03:27+02:00"), separated by tabs, ending in CR LF. A tab or line break in a
// name is written as a blank.
std::string LockLine(const LockHolder& holder);
// Nothing when the text is not such a line (an empty or garbled file).
std::optional<LockHolder> ParseLockLine(std::string_view text);

// Creates `path` with `content` only when nothing is there ("file exists" otherwise, the file
// left as it is); a file created but not completely written is removed again, so that no
// half lock is left behind.
std::error_code CreateNewFile(const std::filesystem::path& path, std::string_view content,
                              FileSystemCalls& files = SystemFileCalls());

// The operating system as a document lock needs it, one call per fact, so that tests can
// play other users, hosts, ended processes and folders that refuse files.
class LockSystem {
  public:
    virtual ~LockSystem() = default;
    // Creates `path` with `content` only when nothing is there ("file exists" otherwise);
    // a file created but not completely written is removed again.
    virtual std::error_code CreateNew(const std::filesystem::path& path,
                                      std::string_view content) = 0;
    // The whole file; "no such file" when there is none.
    virtual std::error_code Read(const std::filesystem::path& path, std::string& content) = 0;
    virtual std::error_code Remove(const std::filesystem::path& path) = 0;
    virtual std::string UserName() = 0;
    virtual std::string HostName() = 0;
    virtual std::int64_t ProcessId() = 0;
    // False only when no process of that id runs on this host (one of another user runs).
    virtual bool ProcessRuns(std::int64_t processId) = 0;
    virtual LockTime Now() = 0;
};

// The calls of the operating system.
LockSystem& SystemLockCalls();

// The lock this process holds on a document: its file and the line it wrote there.
struct HeldLock {
    std::filesystem::path file;
    std::string line;
};

// A lock someone else holds, as found.
struct ForeignLock {
    std::filesystem::path file;
    std::string line;                 // the file's text as read, empty when unreadable
    std::optional<LockHolder> holder; // nothing: unreadable or garbled
    bool onThisHost = false;          // the holder's host is this one (letter case ignored)
    bool ourProcess = false;          // ... and its process id is this process's
    bool processEnded = false;        // ... and no process of that id runs any more
};

// No lock could be made: the folder refuses new files (read-only media, no rights).
struct NoLock {
    std::string reason; // the system's words, with the lock file's path
};

using LockResult = std::variant<HeldLock, ForeignLock, NoLock>;

// Locks `document` for this process: creates its lock file with this process's line, in one
// step that fails when a lock file is there already; that one is then read and reported.
LockResult LockDocument(const std::filesystem::path& document,
                        LockSystem& system = SystemLockCalls());

// The lock on `document` as it is now, without taking one: nothing when there is none; a
// lock file that cannot be read is held by no one known.
std::optional<ForeignLock> FindLock(const std::filesystem::path& document,
                                    LockSystem& system = SystemLockCalls());

// Replaces a lock found earlier (a stale one) by this process's own: the found file is
// removed only while it still holds what was read, so a lock another editor took meanwhile
// is reported instead of being removed.
LockResult TakeOverLock(const ForeignLock& found, LockSystem& system = SystemLockCalls());

// Removes this process's lock file, unless the file holds another line by now (someone took
// it over): only its owner removes a lock.
void ReleaseLock(const HeldLock& lock, LockSystem& system = SystemLockCalls());

} // namespace waybill
